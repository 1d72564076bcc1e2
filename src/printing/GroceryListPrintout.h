#pragma once

#include "store/GroceryLists.h"

#include <QColor>
#include <QDateTime>

class AppContext;
class PrintSurface;

// What the grocery list printout shows.
struct GroceryListPrintout {
    QString listName;
    QList<GroceryListLine> lines; // in print order
    int itemCount = 0;            // the lines of the grocery list window
    double estimatedTotal = 0;
    QColor ink;
    QDateTime printedAt;
};

// Item lines a page holds.
constexpr int kGroceryLinesPerPage = 40;

// The list saved under the current list name, in the order of the sort choice: 1 by item,
// 2 by aisle, 3 by category; with the window's count and total. The window saves before it
// prints, so the saved lines are the lines on screen. Throws StoreError.
GroceryListPrintout ReadGroceryListPrintout(AppContext& app, int sortChoice);

// The heading every page starts with: list name, page number, date, column heading.
void PrintListPageHeader(PrintSurface& page, const GroceryListPrintout& list);

// Portrait pages of up to 40 item lines, then a rule, the publisher line and the totals.
void PrintGroceryList(PrintSurface& page, const GroceryListPrintout& list);
