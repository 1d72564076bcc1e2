#pragma once

class AppContext;

// Hides the main window and shows the weekly menu planner in its place; the planner shows
// the main window again when it closes.
void ShowMenuPlanner(AppContext& app);
