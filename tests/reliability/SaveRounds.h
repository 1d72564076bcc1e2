#pragma once

#include <QList>
#include <QString>

class DataStore;

// What the kill test saves again and again through the program's own save routines: a
// grocery list, a meal, the plan, the coupon links, a catalogue item, an aisle, a new and a
// deleted category and the exit settings, each save stamped with the round that made it.
namespace SaveRounds {

inline constexpr int kListLines = 200;
inline constexpr int kMealItems = 30;
inline constexpr int kLinks = 5;

// Adds the category the item lives in and round 0 of every object.
void Seed(DataStore& store);

// Saves every object once, stamped `round`, always in the same order.
void Save(DataStore& store, int round);

struct Findings {
    // Empty when the file is whole and every object holds exactly one whole round.
    QString problem;
    // Each object's round, in the order a round saves them.
    QList<int> rounds;
};

// Reads the file back: SQLite's integrity check, then each object on its own, then the
// objects together (a round saves them in order, so later ones may lag behind).
Findings Inspect(DataStore& store);

} // namespace SaveRounds
