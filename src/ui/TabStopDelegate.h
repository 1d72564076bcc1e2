#pragma once

#include <QList>
#include <QStyledItemDelegate>

// Draws tab-separated list lines in columns. Stops are in dialog units: a quarter of the
// average character width of the list's font.
class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setStops(const QList<int>& dialogUnits) { m_stops = dialogUnits; }

    // Where each field of `fieldWidths` starts, in pixels, for the given stops (pixels)
    // and the step of the stops that follow the last one.
    static QList<int> FieldPositions(const QList<int>& fieldWidths, const QList<int>& stops,
                                     int defaultStep);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QList<int> layout(const QFontMetrics& metrics, const QStringList& fields) const;

    QList<int> m_stops;
};
