#pragma once

class AppContext;
class QWidget;

// The catalogue window for editing only, centred and modal over `owner`: its picker
// switch stays disabled. Returns when the window has closed.
void ShowCatalogue(AppContext& app, QWidget* owner);

// Opens the catalogue window narrow beside the meal editor as a picker: chosen items are
// appended as rows to the editor's `lstItems`. Returns when the catalogue window has
// closed.
void ShowCatalogueForMeal(AppContext& app, QWidget* mealEditor);
