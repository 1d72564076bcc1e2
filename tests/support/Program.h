#pragma once

#include "TestData.h"
#include "app/frmMain.h"
#include "store/DataStore.h"

#include <QDialog>
#include <functional>
#include <memory>

class QComboBox;
class QListWidget;

// The program running on a scratch data file with the scripted platform, started as the
// program starts: the main window is up. Questions are answered Yes or OK unless
// `boxes.answers` says otherwise; modal windows play the steps given to whenModal.
struct Program {
    TestData data;
    FakePlatform& platform = data.platform;
    FakeMessageBoxes& boxes = data.platform.messageBoxes;
    std::unique_ptr<frmMain> main;

    // `fill` writes into the data file before the program starts.
    explicit Program(const std::function<void(DataStore&)>& fill = {});
    DataStore& store() { return data.app.store(); }

    // Presses the main window's button or menu entry `name`; the window of type W it leaves
    // open, if any.
    template <typename W> W* open(const QString& name) {
        press(main.get(), name);
        return main->findChild<W*>();
    }
    // The next modal window plays `user`, then closes.
    template <typename W> void whenModal(std::function<void(W*)> user) {
        platform.modalRunner.steps.push_back(
            [user](QDialog* window) { user(qobject_cast<W*>(window)); });
    }
    // The texts of the messages shown since the last call.
    QStringList messages();

    // Clicks the button or triggers the menu entry named `name` in `window`.
    static void press(QWidget* window, const QString& name);
    // Replaces the text of a box or an editable drop-down by typing `text`.
    static void type(QWidget* box, const QString& text);
    // Picks the entry `text` of a drop-down or a list, as a click on it does.
    static void choose(QComboBox* box, const QString& text);
    static void choose(QListWidget* list, const QString& text);
    // Closed windows are discarded once the event loop reaches them.
    static void settle();
};
