#pragma once

#include <QString>

class QComboBox;
class QLineEdit;

// Grocery list lines and meal item rows are split at TABs, and a stored name must stay on
// one line, yet a one-line box takes TAB, carriage return and line feed from the clipboard.
// These keep them out of a box whatever puts them in: typing, pasting or the program.

// `text` without TAB, CR and LF, and without the half of a character that a length limit
// may have cut off.
QString SingleLineText(const QString& text);

void KeepSingleLine(QLineEdit* box);
// The text part of an editable combo box.
void KeepSingleLine(QComboBox* box);
