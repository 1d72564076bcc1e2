#pragma once

#include "store/Meals.h"

#include <QString>

// One entry of a meal's item list as the meal editor shows it:
// "<quantity> <item>\t\t\t<category>".
QString BuildMealItemRow(const QString& quantity, const QString& item, const QString& category);

// Categories longer than this are cut when an item is rewritten or saved.
constexpr int kMealCategoryLength = 25;

// `item` with its quantity raised or lowered by `step` and kept within 1 to 999, rewritten
// (which also cuts a long category).
MealItem StepMealItem(MealItem item, int step);

// Whether a meal already holds the item `name`: some row's text after its quantity starts
// with the name (blanks around it ignored), so a meal with Milk Chocolate holds Milk.
bool MealHoldsItem(const QList<MealItem>& items, const QString& name);
