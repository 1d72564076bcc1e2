#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class DataStore;

// The longest list name the grocery list window takes.
constexpr int kMaxListNameLength = 50;

// One line of a grocery list, field by field; `coupon` is set when the user holds a
// coupon for the item.
struct GroceryListLine {
    QString item;
    QString quantity;
    bool coupon = false;
    QString size;
    QString aisle;
    QString price;
    QString category;
    QString comments;

    bool operator==(const GroceryListLine&) const = default;
};

// The lines saved under `name` (exactly, letter case counts), in the order they were
// saved.
QList<GroceryListLine> ReadGroceryList(DataStore& store, const QString& name);

// Whether a saved list becomes the one the grocery list window opens next.
enum class OpenNext { ThisList, Unchanged };

// Replaces the rows saved under `name` by `lines` and, unless told otherwise, makes `name`
// the list the program opens next, all together or not at all. Throws StoreError, leaving
// the store as it was.
void SaveGroceryList(DataStore& store, const QString& name, const QList<GroceryListLine>& lines,
                     OpenNext next = OpenNext::ThisList);

// Deletes the rows saved under `name`.
void DeleteGroceryList(DataStore& store, const QString& name);

struct SavedGroceryList {
    QString name;
    QList<GroceryListLine> lines;
};

// Every list with a name, in the order of LoadGroceryListNames.
QList<SavedGroceryList> ReadAllGroceryLists(DataStore& store);

// Each non-empty list name once, alphabetically with letter case ignored.
QStringList LoadGroceryListNames(DataStore& store);
