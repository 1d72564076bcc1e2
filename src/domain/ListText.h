#pragma once

#include "store/GroceryLists.h"

#include <QList>
#include <QString>

// The lines in the order a shopper walks the shop: by aisle, then by item, letter case
// ignored; lines without an aisle come last, by item.
QList<GroceryListLine> ShoppingOrder(QList<GroceryListLine> lines);

// The list as plain text for a phone, the clipboard or a text file: its name, then one line
// per item in shopping order, such as "[ ] 2 x Milk (1 L) - A2 - $1.10 - coupon" (empty parts
// left out), then the estimated total. Every line ends with LF.
QString ListText(const QString& name, const QList<GroceryListLine>& lines);
