#pragma once

#include "store/Catalogue.h"

#include <functional>

class AppContext;
class QWidget;

// An item picked in the catalogue window, with the fields its boxes show for it and the
// quantity typed beside it, all as they stand.
struct PickedItem {
    QString category;
    CatalogueItem item;
    QString quantity;
};

// Takes a picked item into a meal or a grocery list; false when that already holds the item,
// and the picker then says so.
using PickHandler = std::function<bool(const PickedItem&)>;

// The catalogue window for editing only, centred and modal over `owner`: its picker
// switch stays disabled. Returns when the window has closed.
void ShowCatalogue(AppContext& app, QWidget* owner);

// Opens the catalogue window narrow beside the meal editor as a picker that hands chosen
// items to `add`. Returns when the catalogue window has closed.
void ShowCatalogueForMeal(AppContext& app, QWidget* mealEditor, PickHandler add);

// Opens the catalogue window centred, then narrow beside the grocery list window, as a
// picker that hands chosen items to `add`. Returns when the catalogue window has closed.
void ShowCatalogueForList(AppContext& app, QWidget* groceryList, PickHandler add);
