#include "ShowEmailAddress.h"

#include "frmEmailAddress.h"
#include "ui/AppContext.h"

void ShowEmailAddress(AppContext& app, QWidget* owner) {
    auto* window = new frmEmailAddress(app, owner);
    CenterForm(window);
    app.platform().modal().runModal(window);
}
