#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class AppContext;
class QAbstractItemView;
class QComboBox;

// The drop-down list of `combo` opens at least `pixels` wide, wider than the box if need be.
void SetComboDropWidth(QComboBox* combo, int pixels);
// How wide the drop-down list of `combo` must be to show its longest entry whole.
int DropDownWidthForEntries(const QComboBox* combo);

// Alphabetical order with letter case ignored, as the program's sorted lists keep it;
// equal names keep their order.
void SortIgnoringCase(QStringList& entries);

// Replaces the entries of a combo box's list and empties its text part, as refilling a
// list does everywhere in the program. `sorted` orders them alphabetically, letter case
// ignored.
void SetComboEntries(QComboBox* combo, QStringList entries, bool sorted = false);

// Asks the desktop to open a file or web address; nothing is reported back.
void OpenDocument(AppContext& app, const QString& target);

// The texts of a list's lines, first to last.
QStringList ListTexts(const QAbstractItemView* list);

// Shows each TAB in the lines of `list` as a jump to the next of `positions`, given in
// dialog units (a quarter of the font's average character width); after the last one the
// stops fall every eight average characters.
void SetListTabStops(QAbstractItemView* list, const QList<int>& positions);
