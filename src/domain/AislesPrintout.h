#pragma once

#include "store/Loaders.h"

#include <QColor>

class PrintSurface;

// Item lines a page holds.
constexpr int kAisleLinesPerPage = 40;

// The title "Aisles" and the column heading on the first page, then one line per aisle,
// up to 40 a page.
void PrintAislesList(PrintSurface& page, const QList<AisleLine>& aisles, const QColor& ink);
