#include "ShowGroceryList.h"

#include "frmGroceryList.h"
#include "ui/AppContext.h"

void ShowGroceryList(AppContext& app) {
    app.hideMainWindow();
    // A child of the main window, so it goes when the program ends without its closing steps.
    (new frmGroceryList(app, app.mainWindow))->show();
}
