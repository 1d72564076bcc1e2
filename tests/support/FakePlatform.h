#pragma once

#include "platform/Platform.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

// A message box as the program asked for it.
struct ShownMessage {
    QString text;
    QString title;
    MsgButtons buttons;
};

// Answers message boxes from a queue (OK or Yes when the queue is empty) and records them.
class FakeMessageBoxes final : public MessageBoxes {
public:
    MsgAnswer show(QWidget* owner, const QString& text, const QString& title,
                   MsgButtons buttons) override;

    std::deque<MsgAnswer> answers;
    QList<ShownMessage> shown;
    // Called with each box as it is shown, after it is recorded.
    std::function<void(const ShownMessage&)> onShow;

    QStringList texts() const;
};

// Shows a modal window without blocking, then runs the next scripted step on it (or closes
// it when there is none). The steps play the person using the window.
class FakeModalRunner final : public ModalRunner {
public:
    void runModal(QDialog* window) override;

    std::deque<std::function<void(QDialog*)>> steps;
    QStringList opened;
};

class FakePlatform final : public Platform {
public:
    MessageBoxes& messages() override { return messageBoxes; }
    ModalRunner& modal() override { return modalRunner; }
    void endProcess(int code) override { endCodes << code; }

    FakeMessageBoxes messageBoxes;
    FakeModalRunner modalRunner;
    QList<int> endCodes;
};
