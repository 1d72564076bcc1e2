#pragma once

#include <QString>
#include <QStringList>

class DataStore;

// The weekly plan is 21 slots; slot k holds meal k div 7 (breakfast, lunch, dinner) of day
// k mod 7 (Monday to Sunday). An empty slot is stored as "None".
constexpr int kPlanSlots = 21;
inline const QString kNoMeal = QStringLiteral("None");

// The days (Monday to Sunday) and meal times (Breakfast, Lunch, Dinner) as the planner shows
// them, and a slot named by both: "Monday Breakfast".
const QStringList& DayNames();
const QStringList& MealTimeNames();
QString SlotName(int slot);

// The stored plan rows by slot position; a row without a value reads as a null text. A plan
// never saved has no rows.
QStringList ReadMealPlan(DataStore& store);

// Replaces the stored plan by the slots' `meals`, an empty slot stored as "None", all together or
// not at all.
void WriteMealPlan(DataStore& store, const QStringList& meals);
