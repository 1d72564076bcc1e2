#include "PrintSurface.h"

#include <QFontMetricsF>

QFont PrintSurface::fontOf(const PrintTextStyle& style) {
    QFont font(style.fontName);
    font.setPointSizeF(style.size);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

double PrintSurface::textWidth(const QString& text) {
    // A point is 20 twips: at 20 pixels a point the measure is in twips, whatever the screen.
    QFont font = fontOf(m_style);
    font.setPixelSize(qRound(m_style.size * 20));
    return QFontMetricsF(font).horizontalAdvance(text);
}
