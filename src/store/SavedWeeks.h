#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class DataStore;

// Weeks of the plan kept under a name. A week is the plan's 21 slots as they were shown,
// one row per slot; an empty slot is kept as an empty text. Names are taken exactly as
// given: letter case counts, as for saved grocery lists.

constexpr int kMaxWeekNameLength = 25;

struct SavedWeek {
    QString name;
    QStringList meals; // kPlanSlots texts, by slot

    bool operator==(const SavedWeek&) const = default;
};

// Each week's name once, alphabetically with letter case ignored.
QStringList LoadWeekNames(DataStore& store);

// The slots of the week `name`: kPlanSlots texts, empty where it has no text (or no such
// week).
QStringList ReadWeek(DataStore& store, const QString& name);

// Every week with its slots, in the order of LoadWeekNames.
QList<SavedWeek> ReadAllWeeks(DataStore& store);

// Replaces the week `name` by `meals` (texts past the last slot are left out), all together
// or not at all. Throws StoreError, leaving the store as it was.
void SaveWeek(DataStore& store, const QString& name, const QStringList& meals);

// Deletes the week `name`, all of it or nothing.
void DeleteWeek(DataStore& store, const QString& name);

bool WeekExists(DataStore& store, const QString& name);
