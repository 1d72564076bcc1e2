#pragma once

class AppContext;
class QWidget;

// Opens the catalogue window narrow beside the meal editor as a picker: chosen items are
// appended as rows to the editor's `lstItems`. Returns when the catalogue window has
// closed.
void ShowCatalogueForMeal(AppContext& app, QWidget* mealEditor);
