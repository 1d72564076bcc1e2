#pragma once

#include <QStringList>

class DataStore;

// Lists for the catalogue and meal boxes. Each throws StoreError when its query fails,
// for instance for a category that has no table; callers decide what that means.

// Item names of one category, by name. The category is taken exactly as given.
QStringList LoadCategoryItems(DataStore& store, const QString& category);
// Each meal name once, by name.
QStringList LoadMealNames(DataStore& store);
// Category names, by name.
QStringList LoadCategories(DataStore& store);
// Non-empty aisle names in the order they were saved.
QStringList LoadAisles(DataStore& store);

// Saves an aisle under its trimmed name, replacing the first row of the same name in any
// letter case; an empty description is left unset. Does nothing for an aisle text that is
// empty or blanks alone.
void SaveAisle(DataStore& store, const QString& aisle, const QString& description);

// Deletes the first aisle named `aisle` (blanks around it ignored) in any letter case; false
// when there was none.
bool DeleteAisle(DataStore& store, const QString& aisle);

struct AisleLine {
    QString aisle;
    QString description;
};

// Every aisle with its description, by name with letter case ignored.
QList<AisleLine> ReadAislesList(DataStore& store);

// Every aisle with a name and its description, in the order they were saved, as the aisle
// boxes list them.
QList<AisleLine> ReadAislesInSavedOrder(DataStore& store);
