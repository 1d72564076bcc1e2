#include "ListUtilities.h"

#include "AppContext.h"
#include "TabStopDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <algorithm>

void SetComboDropWidth(QComboBox* combo, int pixels) {
    combo->view()->setMinimumWidth(pixels);
}

void SortIgnoringCase(QStringList& entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

void SetComboEntries(QComboBox* combo, QStringList entries, bool sorted) {
    if (sorted)
        SortIgnoringCase(entries);
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(entries);
    // Adding to an empty list would otherwise show its first entry in the text part.
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

void OpenDocument(AppContext& app, const QString& target) {
    app.platform().documents().open(target);
}

QStringList ListTexts(const QListWidget* list) {
    QStringList texts;
    texts.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void SetListTabStops(QListWidget* list, const QList<int>& positions) {
    auto* delegate = qobject_cast<TabStopDelegate*>(list->itemDelegate());
    if (!delegate) {
        delegate = new TabStopDelegate(list);
        list->setItemDelegate(delegate);
    }
    delegate->setStops(positions);
    list->viewport()->update();
}
