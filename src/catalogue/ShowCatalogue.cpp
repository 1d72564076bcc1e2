#include "ShowCatalogue.h"

#include "frmAddGrocery.h"
#include "ui/AppContext.h"

#include <QPushButton>

void ShowCatalogue(AppContext& app, QWidget* owner) {
    auto* catalogue = new frmAddGrocery(app, CatalogueMode::Editor, owner);
    CenterForm(catalogue);
    // From here the window only edits the catalogue; picking is for meals and lists.
    catalogue->cmdExpand->setEnabled(false);
    app.platform().modal().runModal(catalogue);
}

void ShowCatalogueForMeal(AppContext& app, QWidget* mealEditor, PickHandler add) {
    auto* picker = new frmAddGrocery(app, CatalogueMode::MealPicker, mealEditor, std::move(add));
    picker->prepareForMeal(mealEditor);
    app.platform().modal().runModal(picker);
}

void ShowCatalogueForList(AppContext& app, QWidget* groceryList, PickHandler add) {
    auto* picker = new frmAddGrocery(app, CatalogueMode::ListPicker, groceryList, std::move(add));
    picker->prepareForList(groceryList);
    app.platform().modal().runModal(picker);
}
