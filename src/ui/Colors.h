#pragma once

#include <QColor>
#include <initializer_list>
#include <optional>

class QWidget;

// Colour values are 0x00BBGGRR (red in the low byte). A value with the top bit set names a
// desktop colour by index (0x80000000 + index) and follows the current colour scheme.
constexpr quint32 kSystemColorFlag = 0x80000000u;

// The plain 0x00BBGGRR value a colour value stands for now; nothing for an unknown
// desktop colour index.
std::optional<quint32> TranslateColor(quint32 value);

// The light yellow of the program's entry boxes.
constexpr quint32 kLightYellow = 0x00C0FFFF;

QColor ColorFromValue(quint32 value);
quint32 ValueFromColor(const QColor& color);

// The contrast between two colours as the accessibility guidelines reckon it, from 1 (the
// same) to 21 (black on white); text reads from 4.5 up.
double ContrastRatio(const QColor& a, const QColor& b);
constexpr double kReadableContrast = 4.5;

// `designed` when it reads on `background`; otherwise the same hue made lighter on a dark
// background or darker on a light one until it does.
QColor ReadableOn(const QColor& background, const QColor& designed);

// Gives the caption of a label, check box, option button or frame its designed colour, as
// it reads on the background it stands on now and after every repainting.
void SetTextColor(QWidget* widget, const QColor& designed);

// Paints the background of a window, frame, label or check box; the captions on it take
// the colour that reads there.
void PaintBackground(QWidget* widget, quint32 value);

// Paints the inside of a text box, combo box or list.
void PaintBoxColor(QWidget* box, quint32 value);

// What each window does at its load: the window and the controls that share its
// background take the colour; lists, boxes and buttons keep their own.
void PaintBackgrounds(quint32 value, std::initializer_list<QWidget*> widgets);
