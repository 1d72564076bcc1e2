#pragma once

#include <QList>

class QRect;
class QWidget;

// Whether a person reads the control at `later` after the one at `earlier` (both in the same
// parent): further right on the same line, each starting above the other's middle, or lower
// down.
bool ReadAfter(const QRect& earlier, const QRect& later);

// The controls inside `area` that take the focus from the keyboard, as a person reads them:
// line by line from the top, left to right along a line. A frame, or any other control that
// holds controls, is read as one block where it stands.
QList<QWidget*> ControlsInReadingOrder(const QWidget* area);
