#include "Fonts.h"

#include "ProgramStyle.h"

#include <QApplication>
#include <QFontDatabase>

namespace {

const QString kFamily = QStringLiteral("Liberation Sans");
// The size the windows' captions were measured for.
constexpr double kPoints = 8;

} // namespace

void UseProgramFont() {
    if (!qobject_cast<ProgramStyle*>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle);
    if (!QFontDatabase::families().contains(kFamily))
        return;
    QFont font(kFamily);
    font.setPointSizeF(kPoints);
    QApplication::setFont(font);
}

QFont ProgramFont(double points, bool bold) {
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
