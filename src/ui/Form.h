#pragma once

#include "store/StoreError.h"

#include <QDialog>
#include <QKeySequence>

class AppContext;
class QMenu;
class QMenuBar;
class QPushButton;

// How a save ended: written; refused by a check (the user was told why); or failed to
// write (the user was told, and the work stays on screen, unsaved).
enum class SaveResult { Saved, Refused, Failed };

// What asking about unsaved work came to. With Kept the caller goes no further: the save
// was refused or failed, and the window keeps its work as it is.
enum class Settlement { NothingToSave, Discarded, Saved, Kept };

// Base of every window: a menu bar over a client area whose controls are placed in twips,
// an optional cancel button for Esc, an unload step that may keep the window open, and
// whether the window holds work that is not saved. Windows are discarded when they close,
// so each showing starts from the design state.
class Form : public QDialog {
    Q_OBJECT
public:
    Form(AppContext& app, const QString& name, const QString& caption, QWidget* parent = nullptr);

    QWidget* client() const { return m_client; }
    // Size of the client area in twips.
    void setClientSize(int widthTwips, int heightTwips);
    int clientWidthTwips() const;

    // Whether the window holds changes that are not saved. Only the user's edits set it.
    bool isModified() const { return m_modified; }

signals:
    void closed();
    void modifiedChanged(bool modified);

protected:
    // Runs when the window is asked to close; return false to keep it open.
    virtual bool Form_Unload() { return true; }

    AppContext& app() { return m_app; }

    void setModified(bool modified);
    // Writes the window's unsaved work; answering Yes to the save question runs it.
    virtual SaveResult saveChanges() { return SaveResult::Saved; }
    // With unsaved work, asks "Your data has changed. Do you want to save changes?": No
    // lets the changes go, Yes saves them.
    Settlement settleChanges();

    // Tells the user that a write failed, under the title "Error!".
    void reportFailure(const QString& text);
    // Runs `write` on the store; when it fails, tells the user `failure` and returns false.
    template <typename Write> bool written(const QString& failure, Write&& write) {
        try {
            write();
            return true;
        } catch (const StoreError&) {
            reportFailure(failure);
            return false;
        }
    }

    // Creates a control on the client area (or inside `parent`) at a position in twips.
    template <typename W>
    W* place(const QString& name, int left, int top, int width, int height,
             QWidget* parent = nullptr) {
        auto* widget = new W(parent ? parent : m_client);
        widget->setObjectName(name);
        setTwipsGeometry(widget, left, top, width, height);
        return widget;
    }
    static void setTwipsGeometry(QWidget* widget, int left, int top, int width, int height);

    QMenuBar* menuBar();
    QMenu* addMenu(const QString& name, const QString& caption);
    QAction* addEntry(QMenu* menu, const QString& name, const QString& caption,
                      const QKeySequence& shortcut = {});
    // An entry whose Click runs `handler` of the window.
    template <typename W>
    QAction* addEntry(QMenu* menu, const QString& name, const QString& caption,
                      void (W::*handler)(), const QKeySequence& shortcut = {}) {
        QAction* action = addEntry(menu, name, caption, shortcut);
        connect(action, &QAction::triggered, static_cast<W*>(this), handler);
        return action;
    }
    QAction* addSeparator(QMenu* menu, const QString& name);
    // A menu-bar entry that acts at once, without a menu of its own.
    QAction* addTopEntry(const QString& name, const QString& caption);
    template <typename W>
    QAction* addTopEntry(const QString& name, const QString& caption, void (W::*handler)()) {
        QAction* action = addTopEntry(name, caption);
        connect(action, &QAction::triggered, static_cast<W*>(this), handler);
        return action;
    }

    // For a window's destructor: child controls still emit signals while they are torn
    // down, after the window's own members are gone.
    void disconnectChildren();

    // The button Esc clicks; without one Esc does nothing.
    void setCancelButton(QPushButton* button) { m_cancelButton = button; }
    // For a window whose Close is a menu entry: Esc triggers it.
    void setCancelAction(QAction* action) { m_cancelAction = action; }

    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;
    // Tab and Shift+Tab walk the controls as they are placed: line by line from the top,
    // left to right along a line, a frame's controls together where the frame stands.
    bool focusNextPrevChild(bool next) override;

private:
    // The controls Tab stops at now, as placed.
    QList<QWidget*> tabStops() const;

    AppContext& m_app;
    QWidget* m_client;
    QMenuBar* m_menuBar = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QAction* m_cancelAction = nullptr;
    bool m_modified = false;
};

// Moves a window to the middle of its screen, size unchanged.
void CenterForm(QWidget* window);

// The window of type W that `owner` shows already, brought to the front; null when none
// is showing. Keeps windows that are not modal to one instance each.
template <typename W> W* RaiseShownWindow(QWidget* owner) {
    if (!owner)
        return nullptr;
    for (W* window : owner->findChildren<W*>(Qt::FindDirectChildrenOnly)) {
        if (window->isVisible()) {
            window->raise();
            window->activateWindow();
            return window;
        }
    }
    return nullptr;
}
