#pragma once

#include <QColor>
#include <QString>

class PrintSurface;
class QDateTime;

// What the three printouts share: the font, the rules and the closing line.

inline const QString kPrintFont = QStringLiteral("Arial");
// Rules are drawn this many printer pixels wide.
constexpr int kRulePenWidth = 9;
constexpr int kRuleLeft = 350;
// Where rules end on a portrait and on a landscape page.
constexpr int kPortraitRuleRight = 11200;
constexpr int kLandscapeRuleRight = 15000;

// The one line naming the program at the foot of every printout.
inline const QString kPublisherFooter =
    QStringLiteral("Printed with Pantrelle - meal plans and grocery lists");

// A horizontal rule at `y` from kRuleLeft to `right`.
void DrawRule(PrintSurface& page, int y, int right, const QColor& ink);

// The local short date, " at ", and the time in `timeFormat` ("h:mm AP" or "hh:mm AP",
// always with AM or PM).
QString PrintedOnText(const QDateTime& when, const QString& timeFormat);
