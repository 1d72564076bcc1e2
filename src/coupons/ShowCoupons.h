#pragma once

class AppContext;
class QWidget;

// The coupons window, centred and modal over `owner`. Returns when it has closed; its
// "Manage Links" button leaves the links window open behind it, not modal.
void ShowCoupons(AppContext& app, QWidget* owner);
