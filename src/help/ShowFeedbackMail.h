#pragma once

class AppContext;
class QWidget;

// The feedback window, centred and modal over `owner`. Returns when it has closed.
void ShowFeedbackMail(AppContext& app, QWidget* owner);
