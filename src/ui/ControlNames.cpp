#include "ControlNames.h"

#include "ReadingOrder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <limits>
#include <optional>

namespace {

// How far `label` stands from `control` (both in one parent): the gap to its left on the
// same line, or above it with its start over the control; nothing when it stands elsewhere.
std::optional<int> gapToLabel(const QRect& label, const QRect& control) {
    const bool sameLine = label.top() < control.center().y() && control.top() < label.center().y();
    if (sameLine && label.right() <= control.left())
        return control.left() - label.right();
    const int gapAbove = control.top() - label.bottom();
    const bool startsOver =
        label.left() >= control.left() - label.height() && label.left() < control.right();
    if (gapAbove >= 0 && gapAbove <= label.height() && startsOver)
        return gapAbove;
    return std::nullopt;
}

QLabel* labelBeside(const QWidget* control) {
    QLabel* nearest = nullptr;
    int nearestGap = std::numeric_limits<int>::max();
    for (QLabel* label :
         control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->text().isEmpty() || label->buddy() || label->isHidden())
            continue;
        const std::optional<int> gap = gapToLabel(label->geometry(), control->geometry());
        if (gap && *gap < nearestGap) {
            nearest = label;
            nearestGap = *gap;
        }
    }
    return nearest;
}

QString frameTitle(const QWidget* control) {
    for (const QWidget* p = control->parentWidget(); p; p = p->parentWidget()) {
        if (const auto* frame = qobject_cast<const QGroupBox*>(p);
            frame && !frame->title().isEmpty())
            return frame->title();
    }
    return {};
}

} // namespace

void NameControls(QWidget* area) {
    for (QWidget* control : ControlsInReadingOrder(area)) {
        const auto* button = qobject_cast<QAbstractButton*>(control);
        if (control->accessibleName().isEmpty() && !(button && !button->text().isEmpty())) {
            if (QLabel* label = labelBeside(control)) {
                label->setBuddy(control);
                control->setAccessibleName(label->text());
            } else {
                control->setAccessibleName(frameTitle(control));
            }
        }
        if (const auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
            combo->lineEdit()->setAccessibleName(control->accessibleName());
    }
}
