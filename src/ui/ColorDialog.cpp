#include "ColorDialog.h"

#include "AppContext.h"
#include "Colors.h"

qint64 ShowColorDialog(AppContext& app, QWidget* owner, bool fullOpen, quint32 initial) {
    // Custom colours start black every time; what the user defines there is not kept.
    std::array<QColor, 16> custom;
    custom.fill(QColor(Qt::black));

    QColor preselected(Qt::black);
    if (initial != 0) {
        const auto plain = TranslateColor(initial);
        preselected = plain ? ColorFromValue(*plain) : QColor();
    }
    const auto chosen = app.platform().colors().choose(owner, preselected, custom, fullOpen);
    if (!chosen)
        return -1;
    return ValueFromColor(*chosen);
}
