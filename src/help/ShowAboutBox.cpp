#include "ShowAboutBox.h"

#include "AboutBox.h"
#include "ui/AppContext.h"

void ShowAboutBox(AppContext& app, QWidget* owner, bool modal) {
    if (!modal && RaiseShownWindow<AboutBox>(owner))
        return;
    auto* about = new AboutBox(app, owner);
    CenterForm(about);
    if (modal)
        app.platform().modal().runModal(about);
    else
        about->show();
}
