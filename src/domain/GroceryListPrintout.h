#pragma once

#include "store/GroceryLists.h"

#include <QColor>
#include <QDateTime>

class PrintSurface;

// What the grocery list printout shows; the count and the total are those of its lines.
struct GroceryListPrintout {
    QString listName;
    QList<GroceryListLine> lines; // in print order
    QColor ink;
    QDateTime printedAt;
};

// Item lines a page holds.
constexpr int kGroceryLinesPerPage = 40;

// The heading every page starts with: list name, page number, date, column heading.
void PrintListPageHeader(PrintSurface& page, const GroceryListPrintout& list);

// Portrait pages of up to 40 item lines, then a rule, the publisher line and the totals.
void PrintGroceryList(PrintSurface& page, const GroceryListPrintout& list);
