#include "ProgramStyle.h"

#include "Colors.h"

#include <QApplication>
#include <QFocusFrame>
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

void ProgramStyle::polish(QApplication* application) {
    QProxyStyle::polish(application);
    connect(application, &QApplication::focusChanged, this, &ProgramStyle::followFocus,
            Qt::UniqueConnection);
}

void ProgramStyle::unpolish(QApplication* application) {
    disconnect(application, &QApplication::focusChanged, this, &ProgramStyle::followFocus);
    delete m_focusRing;
    QProxyStyle::unpolish(application);
}

void ProgramStyle::followFocus(QWidget*, QWidget* now) {
    // While a drop-down list is open the ring stays on its box.
    if (now && now->window()->windowType() == Qt::Popup)
        return;
    if (!now) {
        if (m_focusRing)
            m_focusRing->setWidget(nullptr);
        return;
    }
    // The ring lives in the focused control's window and goes when that window goes.
    if (!m_focusRing)
        m_focusRing = new QFocusFrame(now->window());
    m_focusRing->setWidget(now);
}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    // Above its neighbours, so a control placed edge to edge with others shows its ring whole.
    if (hint == SH_FocusFrame_AboveWidget)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element != CE_FocusFrame) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The ring is the frame's margin all round; the selection colour, made to stand out from
    // whatever background the window was given.
    const QPalette& palette = option->palette;
    painter->fillRect(option->rect, ReadableOn(palette.color(QPalette::Window),
                                               palette.color(QPalette::Highlight)));
}
