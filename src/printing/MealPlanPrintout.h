#pragma once

#include <QColor>
#include <QDateTime>
#include <QStringList>

class DataStore;
class PrintSurface;

// The saved plan by slot position (Monday's breakfast first): the first 21 rows, fewer
// when fewer are stored. Throws StoreError.
QStringList ReadMealPlan(DataStore& store);

// One landscape page laid out like the planner: Monday to Friday above, the weekend below,
// each with its breakfast, lunch and dinner line. "None" and missing slots stay blank.
void PrintMealPlan(PrintSurface& page, const QStringList& plan, const QColor& ink,
                   const QDateTime& printedAt);
