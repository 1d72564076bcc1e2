#include "ListUtilities.h"

#include "AppContext.h"
#include "TabStopDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

void SetComboDropWidth(QComboBox* combo, int pixels) {
    combo->view()->setMinimumWidth(pixels);
}

int DropDownWidthForEntries(const QComboBox* combo) {
    const QAbstractItemView* list = combo->view();
    return list->sizeHintForColumn(0) + 2 * list->frameWidth() +
           list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
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

QStringList ListTexts(const QAbstractItemView* list) {
    const QAbstractItemModel* model = list->model();
    QStringList texts;
    texts.reserve(model->rowCount());
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

void SetListTabStops(QAbstractItemView* list, const QList<int>& positions) {
    auto* delegate = qobject_cast<TabStopDelegate*>(list->itemDelegate());
    if (!delegate) {
        delegate = new TabStopDelegate(list);
        list->setItemDelegate(delegate);
    }
    delegate->setStops(positions);
    list->viewport()->update();
}
