#pragma once

#include "Program.h"

#include <QPointer>
#include <QStringList>
#include <functional>

// What SQLite's own check of the file says: "ok" for a whole file.
QString IntegrityCheck(DataStore& store);

// Deriving the key from the password is nearly all the time an open takes, and plays no
// part in how saves succeed or fail; suites that open files by the hundred derive keys
// faster. Only files made and opened in the same process after this call can be read.
void UseQuickKeys();

// The program started on a data file holding one of each thing, named "Base", and the
// window under test over it.
struct Desk : Program {
    QPointer<QWidget> window;

    Desk();
    ~Desk() { delete window; }
    // Shows a window of type W in place of the one before.
    template <typename W, typename... Args> W* show(Args... args) {
        delete window;
        auto* form = new W(data.app, args...);
        window = form;
        form->show();
        return form;
    }
};

// A place in a window that takes a text and stores it.
struct TextField {
    const char* name;
    // Opens the window, ready for the text.
    std::function<void(Desk&)> open;
    // The box the text is pasted into, then the buttons and menu entries that store it.
    QString box;
    QStringList steps;
    // The program stores the text without the blanks around it.
    bool trimmed = false;
};

// Every such place.
const QList<TextField>& TextFields();

// Opens the field's window and pastes `text` over the box's text with the keys the user
// presses; returns what the box then holds.
QString Type(Desk& desk, const TextField& field, const QString& text);
