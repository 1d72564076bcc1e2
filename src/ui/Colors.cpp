#include "Colors.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QWidget>
#include <cmath>

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

const char* const kDesignedTextColor = "designedTextColor";

double relativeLuminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

// Controls whose caption is drawn straight on the background in the window text colour.
bool showsCaptionOnBackground(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QCheckBox*>(widget) ||
           qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QGroupBox*>(widget);
}

void makeCaptionReadable(QWidget* widget) {
    const QVariant designed = widget->property(kDesignedTextColor);
    const QColor wanted = designed.isValid()
                              ? designed.value<QColor>()
                              : QApplication::palette(widget).color(QPalette::WindowText);
    QPalette palette = widget->palette();
    const QColor background = palette.color(QPalette::Window);
    const QColor text = ReadableOn(background, wanted);
    palette.setColor(QPalette::Active, QPalette::WindowText, text);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
    // A switched-off caption stays visible, halfway to the background.
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     QColor((text.red() + background.red()) / 2,
                            (text.green() + background.green()) / 2,
                            (text.blue() + background.blue()) / 2));
    widget->setPalette(palette);
}

void makeCaptionsReadable(QWidget* root) {
    if (showsCaptionOnBackground(root))
        makeCaptionReadable(root);
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (showsCaptionOnBackground(child))
            makeCaptionReadable(child);
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

double ContrastRatio(const QColor& a, const QColor& b) {
    const double first = relativeLuminance(a) + 0.05;
    const double second = relativeLuminance(b) + 0.05;
    return std::max(first, second) / std::min(first, second);
}

QColor ReadableOn(const QColor& background, const QColor& designed) {
    if (ContrastRatio(designed, background) >= kReadableContrast)
        return designed;
    // A colour that has to change goes well past the threshold, not just over it; white or
    // black always reads on one side, and the hue is kept as long as it can be.
    constexpr double kComfortableContrast = 7;
    const bool darkBackground =
        ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background);
    const double target = darkBackground ? 1.0 : 0.0;
    const double hue = std::max(0.0, double(designed.hslHueF()));
    const double saturation = designed.hslSaturationF();
    const double lightness = designed.lightnessF();
    constexpr int kSteps = 20;
    for (int step = 1; step < kSteps; ++step) {
        const QColor candidate = QColor::fromHslF(
            float(hue), float(saturation), float(lightness + (target - lightness) * step / kSteps));
        if (ContrastRatio(candidate, background) >= kComfortableContrast)
            return candidate.toRgb();
    }
    return darkBackground ? QColor(Qt::white) : QColor(Qt::black);
}

void SetTextColor(QWidget* widget, const QColor& designed) {
    widget->setProperty(kDesignedTextColor, designed);
    makeCaptionReadable(widget);
}

void PaintBackground(QWidget* widget, quint32 value) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ColorFromValue(value));
    widget->setPalette(palette);
    // Check boxes and option buttons would fill with the button face.
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
    makeCaptionsReadable(widget);
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
