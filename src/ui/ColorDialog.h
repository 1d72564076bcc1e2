#pragma once

#include <QtGlobal>

class AppContext;
class QWidget;

// Shows the colour chooser with `initial` preselected (a desktop colour is shown as its
// current plain value) and sixteen black custom colours. Returns the confirmed plain colour
// value, or -1 when the user cancels.
qint64 ShowColorDialog(AppContext& app, QWidget* owner, bool fullOpen, quint32 initial);
