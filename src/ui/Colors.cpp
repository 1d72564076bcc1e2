#include "Colors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {

// Desktop colour indexes as older data files store them, and the palette entry that plays
// the same part in the current Qt style.
std::optional<QPalette::ColorRole> roleForSystemIndex(quint32 index) {
    switch (index) {
    case 0:  // scroll bar
    case 4:  // menu
    case 15: // button face
        return QPalette::Button;
    case 1:  // desktop
    case 12: // application workspace
        return QPalette::Dark;
    case 2:  // active caption
    case 13: // selection
        return QPalette::Highlight;
    case 3:  // inactive caption
    case 10: // active border
    case 11: // inactive border
    case 22: // 3D light
        return QPalette::Midlight;
    case 5: // window
        return QPalette::Base;
    case 6:  // window frame
    case 21: // 3D dark shadow
        return QPalette::Shadow;
    case 7: // menu text
    case 8: // window text
        return QPalette::WindowText;
    case 9:  // caption text
    case 14: // selected text
        return QPalette::HighlightedText;
    case 16: // button shadow
    case 17: // grey text
        return QPalette::Mid;
    case 18: // button text
        return QPalette::ButtonText;
    case 19: // inactive caption text
        return QPalette::Text;
    case 20: // button highlight
        return QPalette::Light;
    case 23: // tooltip text
        return QPalette::ToolTipText;
    case 24: // tooltip background
        return QPalette::ToolTipBase;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<quint32> TranslateColor(quint32 value) {
    if (!(value & kSystemColorFlag))
        return value & 0x00FFFFFFu;
    const auto role = roleForSystemIndex(value & ~kSystemColorFlag);
    if (!role)
        return std::nullopt;
    return ValueFromColor(QApplication::palette().color(QPalette::Active, *role));
}

QColor ColorFromValue(quint32 value) {
    const quint32 plain = TranslateColor(value).value_or(
        ValueFromColor(QApplication::palette().color(QPalette::Window)));
    return QColor(int(plain & 0xFF), int((plain >> 8) & 0xFF), int((plain >> 16) & 0xFF));
}

quint32 ValueFromColor(const QColor& color) {
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

void PaintBackground(QWidget* widget, quint32 value) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ColorFromValue(value));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void PaintBoxColor(QWidget* box, quint32 value) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, ColorFromValue(value));
    box->setPalette(palette);
}

void PaintBackgrounds(quint32 value, std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets)
        PaintBackground(widget, value);
}
