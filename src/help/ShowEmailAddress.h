#pragma once

class AppContext;
class QWidget;

// The window that sets the feedback mail's sender, centred and modal over `owner`. Returns
// when it has closed.
void ShowEmailAddress(AppContext& app, QWidget* owner);
