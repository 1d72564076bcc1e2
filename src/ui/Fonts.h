#pragma once

#include <QFont>

// The windows are laid out in twips for a narrow office sans-serif. Liberation Sans has
// that font's widths, so captions fit their controls when it is installed; without it the
// desktop's own font is used. Also sets the program's style (ProgramStyle), so that the
// program and its tests draw every window alike.
void UseProgramFont();

// The program's font at `points`, for titles and other captions drawn larger or bolder.
QFont ProgramFont(double points, bool bold = false);
