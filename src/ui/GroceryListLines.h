#pragma once

#include "store/GroceryLists.h"

#include <QList>
#include <QString>

// A grocery list line as the lists show it: item, quantity, coupon mark, size, aisle,
// price, category and comments joined by seven TABs.

// Unmarked lines carry one of three blank marks, by who wrote them; all mean "no coupon".
inline const QString kCouponLoaded;                      // loaded from a saved list
inline const QString kCouponNew = QStringLiteral("   "); // made from the menu or the catalogue
inline const QString kCouponOff = QStringLiteral("  ");  // switched off by the user

// Reading a line back keeps at most this many characters of its comment.
constexpr int kCommentReadLength = 25;

QString JoinGroceryListLine(const GroceryListLine& line);
// Missing fields are empty; the comment is cut to kCommentReadLength characters.
GroceryListLine SplitGroceryListLine(const QString& text);
// The text before the first TAB.
QString GroceryLineItem(const QString& text);

// The orders a list can be shown or printed in.
enum class GroceryListOrder { Item, Quantity, Size, Aisle, Price, Category };

// Orders lines as a shopper expects: quantities and prices by their numeric value, texts
// alphabetically with letter case ignored; ties by item, then in their present order.
void SortGroceryList(QList<GroceryListLine>& lines, GroceryListOrder order);

// The quantity text after + (step 1) or - (step -1). A whole-number quantity stays within 1
// to 999; + never lowers a quantity and - never raises one; text that is not a number is
// returned unchanged.
QString StepGroceryQuantity(const QString& quantity, int step);
