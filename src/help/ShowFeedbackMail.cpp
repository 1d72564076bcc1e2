#include "ShowFeedbackMail.h"

#include "frmeMail.h"
#include "ui/AppContext.h"

void ShowFeedbackMail(AppContext& app, QWidget* owner) {
    auto* mail = new frmeMail(app, owner);
    CenterForm(mail);
    app.platform().modal().runModal(mail);
}
