#include "TabStopDelegate.h"

#include <QApplication>
#include <QPainter>

namespace {

// Dialog units count quarters of the average width of the letters A-Z and a-z.
double averageCharWidth(const QFontMetrics& metrics) {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return metrics.horizontalAdvance(letters) / double(letters.size());
}

} // namespace

QList<int> TabStopDelegate::FieldPositions(const QList<int>& fieldWidths, const QList<int>& stops,
                                           int defaultStep) {
    QList<int> positions;
    int x = 0;
    for (int i = 0; i < fieldWidths.size(); ++i) {
        if (i > 0) {
            // A TAB jumps to the first stop beyond where the text has got to.
            int next = -1;
            for (int stop : stops)
                if (stop > x) {
                    next = stop;
                    break;
                }
            if (next < 0) {
                const int last = stops.isEmpty() ? 0 : stops.last();
                next = last + ((x - last) / defaultStep + 1) * defaultStep;
            }
            x = next;
        }
        positions << x;
        x += fieldWidths[i];
    }
    return positions;
}

QList<int> TabStopDelegate::layout(const QFontMetrics& metrics, const QStringList& fields) const {
    const double unit = averageCharWidth(metrics) / 4.0;
    QList<int> stops;
    for (int stop : m_stops)
        stops << qRound(stop * unit);
    QList<int> widths;
    for (const QString& field : fields)
        widths << metrics.horizontalAdvance(field);
    return FieldPositions(widths, stops, qMax(1, qRound(32 * unit)));
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QStringList fields = opt.text.split(QLatin1Char('\t'));
    opt.text.clear();
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    const QList<int> positions = layout(opt.fontMetrics, fields);
    painter->save();
    painter->setFont(opt.font);
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(
        opt.palette.color(QPalette::Normal, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setClipRect(area);
    for (int i = 0; i < fields.size(); ++i)
        painter->drawText(QRect(area.left() + positions[i], area.top(), area.width() - positions[i],
                                area.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, fields[i]);
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QStringList fields = index.data(Qt::DisplayRole).toString().split(QLatin1Char('\t'));
    const QList<int> positions = layout(option.fontMetrics, fields);
    if (!positions.isEmpty())
        size.setWidth(positions.last() + option.fontMetrics.horizontalAdvance(fields.last()) + 8);
    return size;
}
