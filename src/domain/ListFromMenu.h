#pragma once

#include "store/Catalogue.h"
#include "store/GroceryLists.h"
#include "store/Meals.h"

#include <QStringList>
#include <functional>
#include <optional>

class DataStore;

// Turning the weekly plan into grocery list lines: one line per item of every planned meal,
// completed from its category; one total line for each item the week needs more than once;
// then the lines whose item the list does not hold yet.

// Finds an item of a category by its name; nothing when the category has no such item or
// cannot be read.
using CatalogueFinder =
    std::function<std::optional<CatalogueItem>(const QString& category, const QString& item)>;

// A line made from one item row of a planned meal.
struct MenuLine {
    GroceryListLine line;
    // The item's catalogue row was found, so size, aisle, price and comments are its own.
    bool found = false;
};

// Removes the blanks around a text (only blanks, as names are stored).
QString TrimBlanks(const QString& text);

// What makes two lines one item: their names, letter case and the blanks around them
// ignored.
QString ItemKey(const QString& item);

// One line per item row of each meal planned (names compared ignoring letter case), slot
// by slot: item, quantity, no coupon, then size, aisle, price and comments from the
// catalogue, and the category. Rows without a category give no line.
QList<MenuLine> GenerateMenuLines(const QStringList& plan, const QList<MealItem>& meals,
                                  const CatalogueFinder& find);

// The generated lines followed by one total line for each item generated more than once,
// in the order of each such item's last line. A total line carries the sum of the item's
// quantities and the fields of its last line whose catalogue row was found (or of its last
// line when none was), its comment cut as in any rewritten line.
QList<GroceryListLine> MergeMenuLines(const QList<MenuLine>& generated);

// The lines to append to `visible`: from the last working line to the first, each whose
// item is neither listed already nor added before.
QList<GroceryListLine> LinesToAdd(const QList<GroceryListLine>& working,
                                  const QList<GroceryListLine>& visible);

// Reads the plan, the planned meals and their items' catalogue rows, each once, and
// returns the merged working lines. Throws StoreError when the plan or the meals cannot be
// read; a category that cannot be read leaves its items' catalogue fields empty.
QList<GroceryListLine> BuildMenuLines(DataStore& store);
