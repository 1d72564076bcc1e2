#pragma once

#include "store/GroceryLists.h"

#include <QList>
#include <QString>

// A grocery list line as the lists show it: item, quantity, coupon mark ("Yes" or nothing),
// size, aisle, price, category and comments joined by seven TABs.

inline const QString kCouponYes = QStringLiteral("Yes");

// A line that is changed keeps at most this many characters of its comment, as the list
// has always cut it when a line was rewritten.
constexpr int kCommentReadLength = 25;

QString JoinGroceryListLine(const GroceryListLine& line);
// The line as it stands after being rewritten: its comment cut to kCommentReadLength.
GroceryListLine RewrittenLine(GroceryListLine line);

// The orders a list can be shown or printed in.
enum class GroceryListOrder { Item, Quantity, Size, Aisle, Price, Category };

// Orders lines as a shopper expects: quantities and prices by their numeric value, texts
// alphabetically with letter case ignored; ties by item, then in their present order.
void SortGroceryList(QList<GroceryListLine>& lines, GroceryListOrder order);

// The quantity text after + (step 1) or - (step -1). A whole-number quantity stays within 1
// to 999; + never lowers a quantity and - never raises one; text that is not a number is
// returned unchanged.
QString StepGroceryQuantity(const QString& quantity, int step);
