#pragma once

class AppContext;

// Hides the main window and shows the grocery list window in its place; the grocery list
// window shows the main window again when it closes.
void ShowGroceryList(AppContext& app);
