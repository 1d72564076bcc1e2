#pragma once

#include "store/GroceryLists.h"

#include <QString>

// The number a quantity or price text stands for: blanks are ignored wherever they stand,
// then the longest leading number (sign, digits, decimals, exponent) is read; 0 when none.
double LeadingNumber(QStringView text);

// A quantity as plain number text, without trailing zeros: 4, 2.5, 14.
QString PlainNumber(double value);

// "$##,##0.00": dollar sign, thousands grouped by commas, two decimals, nearest cent;
// a negative amount starts with a minus sign. Without grouping it is "$##0.00", as the
// printed grocery list shows its total.
QString FormatMoney(double amount, bool groupThousands = true);

// Sum over grocery list lines of quantity times price.
double EstimatedPrice(const QList<GroceryListLine>& lines);

// A price is plain number text: blanks around, a sign, digits (grouped by commas or not),
// one decimal point and an exponent are fine; "$" never is.
bool IsAcceptablePrice(const QString& price);
