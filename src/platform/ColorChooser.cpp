#include "ColorChooser.h"

#include <QColorDialog>

std::optional<QColor> QtColorChooser::choose(QWidget* owner, const QColor& initial,
                                             const std::array<QColor, 16>& customColors,
                                             bool /*fullOpen*/) {
    // Qt's chooser always shows its custom colours, so opening it fully needs nothing more.
    for (int i = 0; i < int(customColors.size()); ++i)
        QColorDialog::setCustomColor(i, customColors[size_t(i)]);
    const QColor chosen = QColorDialog::getColor(initial, owner);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}
