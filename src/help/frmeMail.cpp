#include "frmeMail.h"

#include "FeedbackMail.h"
#include "store/Settings.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/WaitCursor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

frmeMail::frmeMail(AppContext& app, QWidget* parent)
    : Form(app, QStringLiteral("frmeMail"), QStringLiteral("Contact Orvanta!"), parent) {
    setClientSize(6495, 4815);
    auto caption = [&](const QString& name, const QString& text, int top) {
        auto* label = place<QLabel>(name, 240, top, 3000, 255);
        label->setText(text);
        return label;
    };
    Label4 = caption(QStringLiteral("Label4"), QStringLiteral("From eMail Address:"), 240);
    txteMail = place<QLineEdit>(QStringLiteral("txteMail"), 240, 495, 6015, 315);
    txteMail->setEnabled(false);
    Label1 = caption(QStringLiteral("Label1"), QStringLiteral("Subject:"), 960);
    txtSubject = place<QLineEdit>(QStringLiteral("txtSubject"), 240, 1215, 6015, 315);
    txtSubject->setMaxLength(kMaxSubject);
    Label2 = caption(QStringLiteral("Label2"), QStringLiteral("Message:"), 1680);
    txtBody = place<QPlainTextEdit>(QStringLiteral("txtBody"), 240, 1935, 6015, 2175);
    txtBody->setTabChangesFocus(true);
    connect(txtBody, &QPlainTextEdit::textChanged, this, &frmeMail::txtBody_Change);
    Command1 = place<QPushButton>(QStringLiteral("Command1"), 5055, 4260, 1200, 375);
    Command1->setText(QStringLiteral("&Send"));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &frmeMail::Command1_Click);

    setCancelAction(addTopEntry(QStringLiteral("mnuClose"), QStringLiteral("&Close"),
                                &frmeMail::mnuClose_Click));
    Form_Load();
}

void frmeMail::Form_Load() {
    QString sender;
    IgnoreStoreErrors([&] { sender = ReadEmailAddress(app().store()); });
    // The limit is for typing; a longer stored address is shown, and refused, whole.
    txteMail->setMaxLength(qMax(kMaxSenderLength, int(sender.size())));
    txteMail->setText(sender);
    txteMail->setPlaceholderText(
        QStringLiteral("Set it in the main window: Options, Your e-mail Address..."));
    txtSubject->setFocus();
}

void frmeMail::txtBody_Change() {
    const int excess = int(txtBody->toPlainText().size()) - kMaxMessage;
    if (excess <= 0)
        return;
    // What was just typed or pasted past the limit goes; it ends at the cursor.
    QTextCursor cursor = txtBody->textCursor();
    if (cursor.position() < excess)
        cursor.movePosition(QTextCursor::End);
    cursor.setPosition(cursor.position() - excess, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void frmeMail::Command1_Click() {
    if (!IsAcceptedSender(txteMail->text())) {
        app().messages().show(this, QStringLiteral("Invalid eMail address! Please try again."),
                              QStringLiteral("Error!"), MsgButtons::Ok);
        return;
    }
    if (txtSubject->text().isEmpty()) {
        app().messages().show(this, QStringLiteral("Please enter a subject for this message!"),
                              QStringLiteral("Subject!"), MsgButtons::Ok);
        txtSubject->setFocus();
        return;
    }
    bool sent = false;
    {
        const WaitCursor wait;
        m_sending = true;
        sent = app().platform().mail().send(
            FeedbackMessage(txteMail->text(), txtSubject->text(), txtBody->toPlainText()));
        m_sending = false;
    }
    if (!sent) {
        app().messages().show(this,
                              QStringLiteral("Your message did not send! Please check your "
                                             "internet connection and try again!"),
                              QStringLiteral("Send Error!"), MsgButtons::Ok);
        return;
    }
    close();
}

void frmeMail::mnuClose_Click() {
    close();
}

bool frmeMail::Form_Unload() {
    return !m_sending;
}
