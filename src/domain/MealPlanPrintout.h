#pragma once

#include <QColor>
#include <QDateTime>
#include <QStringList>

class PrintSurface;

// One landscape page laid out like the planner, from the plan by slot position (rows past
// the 21 slots are left out): Monday to Friday above, the weekend below,
// each with its breakfast, lunch and dinner line. "None" and missing slots stay blank.
void PrintMealPlan(PrintSurface& page, const QStringList& plan, const QColor& ink,
                   const QDateTime& printedAt);
