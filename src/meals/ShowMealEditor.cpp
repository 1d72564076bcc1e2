#include "ShowMealEditor.h"

#include "frmAddMeal.h"
#include "ui/AppContext.h"

void ShowMealEditor(AppContext& app) {
    app.hideMainWindow();
    // A child of the main window, so it goes when the program ends without its closing steps.
    (new frmAddMeal(app, app.mainWindow))->show();
}
