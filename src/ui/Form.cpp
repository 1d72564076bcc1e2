#include "Form.h"

#include "AppContext.h"
#include "ControlNames.h"
#include "ReadingOrder.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Menus keep the desktop's colours whatever background the window is painted with, which
// would otherwise reach them from the window.
void keepDesktopColors(QWidget* widget) {
    const QPalette desktop = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText}) {
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setBrush(group, role, desktop.brush(group, role));
    }
    widget->setPalette(palette);
}

} // namespace

Form::Form(AppContext& app, const QString& name, const QString& caption, QWidget* parent)
    : QDialog(parent), m_app(app), m_client(new QWidget(this)) {
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_client->setObjectName(QStringLiteral("client"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_client);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Form::setModified(bool modified) {
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

Settlement Form::settleChanges() {
    if (!m_modified)
        return Settlement::NothingToSave;
    if (m_app.messages().show(
            this, QStringLiteral("Your data has changed. Do you want to save changes?"),
            QStringLiteral("Save Information!"), MsgButtons::YesNo) != MsgAnswer::Yes) {
        setModified(false);
        return Settlement::Discarded;
    }
    if (saveChanges() != SaveResult::Saved)
        return Settlement::Kept;
    setModified(false);
    return Settlement::Saved;
}

void Form::reportFailure(const QString& text) {
    m_app.messages().show(this, text, QStringLiteral("Error!"), MsgButtons::Ok);
}

void Form::setClientSize(int widthTwips, int heightTwips) {
    m_client->setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
    adjustSize();
}

int Form::clientWidthTwips() const {
    return PixelsToTwips(m_client->width());
}

void Form::setTwipsGeometry(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                        TwipsToPixels(height));
}

QMenuBar* Form::menuBar() {
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setObjectName(QStringLiteral("menuBar"));
        m_menuBar->setNativeMenuBar(false);
        keepDesktopColors(m_menuBar);
        layout()->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

QMenu* Form::addMenu(const QString& name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* Form::addEntry(QMenu* menu, const QString& name, const QString& caption,
                        const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    // Shortcuts work wherever the focus is in this window.
    addAction(action);
    return action;
}

QAction* Form::addSeparator(QMenu* menu, const QString& name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(name);
    return action;
}

QAction* Form::addTopEntry(const QString& name, const QString& caption) {
    QAction* action = menuBar()->addAction(caption);
    action->setObjectName(name);
    return action;
}

void Form::disconnectChildren() {
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

void Form::closeEvent(QCloseEvent* event) {
    if (!Form_Unload()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void Form::reject() {
    if (m_cancelButton && m_cancelButton->isEnabled())
        m_cancelButton->click();
    else if (m_cancelAction && m_cancelAction->isEnabled())
        m_cancelAction->trigger();
}

QList<QWidget*> Form::tabStops() const {
    QList<QWidget*> controls = ControlsInReadingOrder(m_client);
    // Not those switched off, hidden, or placed outside the window as it is sized now.
    controls.removeIf([this](const QWidget* control) {
        const QRect placed(control->mapTo(m_client, QPoint(0, 0)), control->size());
        return !control->isVisibleTo(this) || !control->isEnabled() ||
               !placed.intersects(m_client->rect());
    });
    return controls;
}

void Form::showEvent(QShowEvent* event) {
    NameControls(m_client);
    // Unless the window chose one, the first control has the focus when the window opens.
    if (!focusWidget()) {
        const QList<QWidget*> controls = tabStops();
        if (!controls.isEmpty())
            controls.first()->setFocus();
    }
    QDialog::showEvent(event);
}

bool Form::focusNextPrevChild(bool next) {
    // Qt's own focus chain follows the order the controls were made in, and puts the text
    // part of a combo box made editable at its end, where Shift+Tab would find it.
    const QList<QWidget*> controls = tabStops();
    QWidget* current = focusWidget();
    const auto here = std::find_if(controls.cbegin(), controls.cend(), [&](QWidget* control) {
        return current && (control == current || control->isAncestorOf(current));
    });
    if (here == controls.cend())
        return QDialog::focusNextPrevChild(next);
    const qsizetype count = controls.size();
    const qsizetype index = here - controls.cbegin();
    controls[(index + (next ? 1 : count - 1)) % count]->setFocus(next ? Qt::TabFocusReason
                                                                      : Qt::BacktabFocusReason);
    return true;
}

void CenterForm(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    const double left = RoundHalfEven(PixelsToTwips(area.width() - size.width()) / 2.0);
    const double top = RoundHalfEven(PixelsToTwips(area.height() - size.height()) / 2.0);
    window->move(area.x() + TwipsToPixels(left), area.y() + TwipsToPixels(top));
}
