#include "ProgramStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>
#include <QWidget>

namespace {

// Two chevrons pointing right, in the text colour.
QPixmap overflowArrow(const QColor& color) {
    constexpr int kSize = 16;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 1.5));
    for (const double left : {4.0, 8.5}) {
        QPainterPath chevron;
        chevron.moveTo(left, 4.5);
        chevron.lineTo(left + 3.5, 8);
        chevron.lineTo(left, 11.5);
        painter.drawPath(chevron);
    }
    return pixmap;
}

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    const QPalette palette = option ? option->palette : widget ? widget->palette() : QPalette();
    return QIcon(overflowArrow(palette.color(QPalette::ButtonText)));
}
