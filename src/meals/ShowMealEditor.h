#pragma once

class AppContext;

// Hides the main window and shows the meal editor in its place; the editor shows the main
// window again when it closes.
void ShowMealEditor(AppContext& app);
