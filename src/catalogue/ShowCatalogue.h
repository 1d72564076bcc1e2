#pragma once

class AppContext;
class QListWidget;
class QWidget;

// The catalogue window for editing only, centred and modal over `owner`: its picker
// switch stays disabled. Returns when the window has closed.
void ShowCatalogue(AppContext& app, QWidget* owner);

// Opens the catalogue window narrow beside the meal editor as a picker: chosen items are
// appended as rows to the editor's `lstItems`. Returns when the catalogue window has
// closed.
void ShowCatalogueForMeal(AppContext& app, QWidget* mealEditor);

// Opens the catalogue window centred, then narrow, as a picker that appends grocery list
// lines to `groceryList`. Returns when the catalogue window has closed.
void ShowCatalogueForList(AppContext& app, QListWidget* groceryList);
