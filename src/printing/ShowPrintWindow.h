#pragma once

class AppContext;
class QWidget;

// How the print window's choices are set when it opens.
enum class PrintPreset {
    AnyPrintout, // every printout can be chosen (the grocery list window)
    MealPlanOnly // only the meal plan (the planner)
};

// Shows the print window modally over `owner`; returns when it has closed, after printing
// if the user printed.
void ShowPrintWindow(AppContext& app, QWidget* owner, PrintPreset preset);
