#include "CataloguePicker.h"

#include "app/AppContext.h"
#include "frmAddGrocery.h"

void ShowCatalogueForMeal(AppContext& app, QWidget* mealEditor) {
    auto* picker = new frmAddGrocery(app, mealEditor);
    picker->prepareForMeal(mealEditor);
    app.platform().modal().runModal(picker);
}
