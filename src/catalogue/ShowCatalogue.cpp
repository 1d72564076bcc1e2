#include "ShowCatalogue.h"

#include "frmAddGrocery.h"
#include "ui/AppContext.h"

#include <QListWidget>
#include <QPushButton>

void ShowCatalogue(AppContext& app, QWidget* owner) {
    auto* catalogue = new frmAddGrocery(app, owner);
    CenterForm(catalogue);
    // From here the window only edits the catalogue; picking is for meals and lists.
    catalogue->cmdExpand->setEnabled(false);
    app.platform().modal().runModal(catalogue);
}

void ShowCatalogueForMeal(AppContext& app, QWidget* mealEditor) {
    auto* picker = new frmAddGrocery(app, mealEditor);
    picker->prepareForMeal(mealEditor);
    app.platform().modal().runModal(picker);
}

void ShowCatalogueForList(AppContext& app, QListWidget* groceryList) {
    auto* picker = new frmAddGrocery(app, groceryList->window());
    picker->prepareForList(groceryList);
    app.platform().modal().runModal(picker);
}
