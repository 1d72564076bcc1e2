#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class DataStore;

// The longest meal name the meal editor takes.
constexpr int kMaxMealNameLength = 25;

// One [Meals] row: an item of a meal, with its category and quantity as stored.
struct MealItem {
    QString meal;
    QString item;
    QString category;
    QString quantity;
};

// Which meals of the day a meal is marked for.
struct MealTypes {
    bool breakfast = false;
    bool lunch = false;
    bool dinner = false;
};

// The rows of the meals named in `names` (compared ignoring letter case; rows without a
// meal name never match), in the order they were saved.
QList<MealItem> ReadMealItems(DataStore& store, const QStringList& names);

// Replaces the rows of the meal named `name` in any letter case by one row per item, in
// order, each carrying `name` and `types` (the items' own `meal` is not used), all together
// or not at all. Throws StoreError, leaving the meal as it was stored before.
void WriteMeal(DataStore& store, const QString& name, MealTypes types,
               const QList<MealItem>& items);

// A meal as it is edited: its name, its marks and its items in order.
struct Meal {
    QString name;
    MealTypes types;
    QList<MealItem> items;
};

// The meal named exactly `name` (letter case counts): its name as stored, the marks of any
// of its rows, and one item per row that names one. An empty name when there is no such
// meal.
Meal ReadMeal(DataStore& store, const QString& name);

// Every meal with a name, by name with letter case ignored; rows whose names differ only
// in letter case are one meal, named as its first row. Items in the order they were saved.
QList<Meal> ReadAllMeals(DataStore& store);

// Deletes every row of the meal named exactly `name`, all together or not at all.
void DeleteMeal(DataStore& store, const QString& name);

// Whether a slot of the stored plan names the meal exactly.
bool IsMealPlanned(DataStore& store, const QString& name);

// The meal names offered for breakfast, lunch and dinner, each by name with letter case
// ignored.
std::array<QStringList, 3> LoadMealNamesByType(DataStore& store);
