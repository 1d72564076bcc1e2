#include "KeyEvents.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, QEvent::Type type, std::function<void(QKeyEvent*)> handler)
        : QObject(parent), m_type(type), m_handler(std::move(handler)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == m_type)
            m_handler(static_cast<QKeyEvent*>(event));
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void(QKeyEvent*)> m_handler;
};

} // namespace

void OnKey(QWidget* widget, QEvent::Type type, std::function<void(QKeyEvent*)> handler) {
    // Not on an editable combo box's line edit: the box is the focus proxy of its line
    // edit, so keys arrive at the box, which passes them on without the line edit's filters.
    widget->installEventFilter(new KeyFilter(widget, type, std::move(handler)));
}

bool IsPlusKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal;
}

bool IsMinusKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Minus || event->key() == Qt::Key_Underscore;
}

bool IsCharacterKey(const QKeyEvent* event) {
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}
