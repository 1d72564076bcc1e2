#include "MessageBoxes.h"

#include <QMessageBox>

MsgAnswer QtMessageBoxes::show(QWidget* owner, const QString& text, const QString& title,
                               MsgButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? kAppTitle : title, text,
                    QMessageBox::NoButton, owner);
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        // Closing a Yes/No box by other means counts as No, an OK/Cancel box as Cancel.
        if (buttons == MsgButtons::YesNo)
            return MsgAnswer::No;
        return buttons == MsgButtons::OkCancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
    }
}
