#include "ShowCoupons.h"

#include "frmCoupons.h"
#include "ui/AppContext.h"

void ShowCoupons(AppContext& app, QWidget* owner) {
    auto* coupons = new frmCoupons(app, owner);
    CenterForm(coupons);
    app.platform().modal().runModal(coupons);
}
