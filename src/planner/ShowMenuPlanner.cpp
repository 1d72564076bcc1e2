#include "ShowMenuPlanner.h"

#include "frmMenuPlanner.h"
#include "ui/AppContext.h"

void ShowMenuPlanner(AppContext& app) {
    app.hideMainWindow();
    // A child of the main window, so it goes when the program ends without its closing steps.
    (new frmMenuPlanner(app, app.mainWindow))->show();
}
