#pragma once

#include "store/GroceryLists.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The columns of a grocery list saved as CSV, in order.
inline const QStringList kListCsvHeader{QStringLiteral("Item"),     QStringLiteral("Quantity"),
                                        QStringLiteral("Coupon"),   QStringLiteral("Size"),
                                        QStringLiteral("Aisle"),    QStringLiteral("Price"),
                                        QStringLiteral("Category"), QStringLiteral("Comments")};

// The list as a CSV file: the header, then one record per line in shopping order with the
// coupon as "Yes" or empty. UTF-8 without byte-order mark, CRLF line ends.
QByteArray ListCsv(const QList<GroceryListLine>& lines);
