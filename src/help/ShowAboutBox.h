#pragma once

class AppContext;
class QWidget;

// The about box, centred over the screen and owned by `owner`. Modal: returns when it
// has closed. Not modal: returns at once, and a box `owner` already shows is brought
// to the front instead of a second one.
void ShowAboutBox(AppContext& app, QWidget* owner, bool modal);
