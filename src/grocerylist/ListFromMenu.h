#pragma once

#include "store/Catalogue.h"
#include "store/Meals.h"

#include <QStringList>
#include <functional>
#include <optional>

class DataStore;

// Turning the weekly plan into grocery list lines, in three steps: one line per item of
// every planned meal, completed from its category; repeated lines merged; the lines whose
// item the list does not hold yet added to it.

// Finds an item of a category by its name; nothing when the category has no such item or
// cannot be read.
using CatalogueFinder =
    std::function<std::optional<CatalogueItem>(const QString& category, const QString& item)>;

// Removes the blanks around a text (only blanks, as names are stored).
QString TrimBlanks(const QString& text);

// One line per item row of each meal planned (names compared ignoring letter case), slot
// by slot: item, quantity, coupon mark "   ", then size, aisle, price and comments from the
// catalogue, and the category. Rows without a category give no line.
QStringList GenerateMenuLines(const QStringList& plan, const QList<MealItem>& meals,
                              const CatalogueFinder& find);

// What tells repeated lines apart: the line's first 25 characters in lower case, without
// the blanks around them.
QString MergeKey(const QString& line);

// The generated lines followed by one merged line for each line that repeats others: it
// carries the running total of the repeats, and for an item whose name leaves no room for
// its quantity in the merge key, the sum of the repeated lines' quantities.
QStringList MergeMenuLines(const QStringList& generated);

// The lines to append to `visible`: from the last working line to the first, each whose
// item (exact name) is neither listed already nor added before.
QStringList LinesToAdd(const QStringList& working, const QStringList& visible);

// Reads the plan, the planned meals and their items' catalogue rows, each once, and
// returns the merged working lines. Throws StoreError when the plan or the meals cannot be
// read; a category that cannot be read leaves its items' catalogue fields empty.
QStringList BuildMenuLines(DataStore& store);
