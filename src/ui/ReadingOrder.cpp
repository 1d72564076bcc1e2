#include "ReadingOrder.h"

#include <QWidget>
#include <algorithm>

bool ReadAfter(const QRect& earlier, const QRect& later) {
    const bool sameLine = later.top() < earlier.center().y() && earlier.top() < later.center().y();
    return sameLine ? later.left() > earlier.left() : later.top() > earlier.top();
}

QList<QWidget*> ControlsInReadingOrder(const QWidget* area) {
    QList<QWidget*> left;
    for (QWidget* child : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            left << child;
    }
    QList<QWidget*> controls;
    while (!left.isEmpty()) {
        // The first that nothing left is read before. Lines that cross each other can leave
        // none; then the topmost goes first.
        auto next = std::find_if(left.begin(), left.end(), [&](const QWidget* candidate) {
            return std::none_of(left.cbegin(), left.cend(), [&](const QWidget* other) {
                return ReadAfter(other->geometry(), candidate->geometry());
            });
        });
        if (next == left.end())
            next =
                std::min_element(left.begin(), left.end(), [](const QWidget* a, const QWidget* b) {
                    return a->y() < b->y();
                });
        QWidget* widget = *next;
        left.erase(next);
        if ((widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            controls << widget;
        else
            controls << ControlsInReadingOrder(widget);
    }
    return controls;
}
