#include "PrintoutParts.h"

#include "PrintSurface.h"

#include <QDateTime>
#include <QLocale>

void DrawRule(PrintSurface& page, int y, int right, const QColor& ink) {
    page.drawLine(kRuleLeft, y, right, y, ink);
}

QString PrintedOnText(const QDateTime& when, const QString& timeFormat) {
    // The time's own format names AM and PM in English whatever the desktop's language.
    return QLocale::system().toString(when.date(), QLocale::ShortFormat) + QStringLiteral(" at ") +
           when.time().toString(timeFormat);
}
