#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class DataStore;

// One [Meals] row: an item of a meal, with its category and quantity as stored.
struct MealItem {
    QString meal;
    QString item;
    QString category;
    QString quantity;
};

// The rows of the meals named in `names` (compared ignoring letter case; rows without a
// meal name never match), in the order they were saved.
QList<MealItem> ReadMealItems(DataStore& store, const QStringList& names);
