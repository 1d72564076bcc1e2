#pragma once

class QWidget;

// Gives every control inside `area` that takes the focus and has no caption or name of its
// own the name a screen reader announces: the text of the label beside it in the same frame,
// just left of it on its line or just above it (which also becomes the label's buddy, the way a
// combo box is named on Linux), else the title of the frame it stands in. The text part of an
// editable combo box, which a reader announces while the box has the focus, gets the box's name.
void NameControls(QWidget* area);
