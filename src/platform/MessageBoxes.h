#pragma once

#include <QString>

class QWidget;

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// The program's name, shown as the title of a message box that has none of its own.
inline const QString kAppTitle = QStringLiteral("Pantrelle");

// Modal message boxes: literal text and title, no icon.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An empty title shows the program's name.
    virtual MsgAnswer show(QWidget* owner, const QString& text, const QString& title,
                           MsgButtons buttons) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    MsgAnswer show(QWidget* owner, const QString& text, const QString& title,
                   MsgButtons buttons) override;
};
