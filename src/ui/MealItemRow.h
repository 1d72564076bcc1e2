#pragma once

#include <QString>

// One entry of a meal's item list: "<quantity> <item>\t\t\t<category>". The catalogue
// picker appends entries in this form and the meal editor reads them back by position.
struct MealItemParts {
    QString quantity;
    QString item;
    // At most kMealCategoryLength characters.
    QString category;
};

// Categories longer than this are cut when a row is read back.
constexpr int kMealCategoryLength = 25;

QString BuildMealItemRow(const QString& quantity, const QString& item, const QString& category);

// The quantity is the text before the first blank, the item runs from there to the next
// TAB, the category follows the third TAB.
MealItemParts SplitMealItemRow(const QString& row);

// The row with its quantity raised or lowered by `step`, kept within 1 to 999 and rebuilt
// (which also cuts a long category).
QString StepMealItemQuantity(const QString& row, int step);
