#include "frmEmailAddress.h"

#include "FeedbackMail.h"
#include "store/Settings.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/SingleLineInput.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmEmailAddress::frmEmailAddress(AppContext& app, QWidget* parent)
    : Form(app, QStringLiteral("frmEmailAddress"), QStringLiteral("Your e-mail Address!"), parent) {
    setClientSize(4800, 1560);
    Label1 = place<QLabel>(QStringLiteral("Label1"), 240, 180, 4320, 255);
    Label1->setText(QStringLiteral("The address your messages to us are sent from:"));
    txtEmailAddress = place<QLineEdit>(QStringLiteral("txtEmailAddress"), 240, 435, 4320, 315);
    txtEmailAddress->setMaxLength(kMaxSenderLength);
    KeepSingleLine(txtEmailAddress);
    Label1->setBuddy(txtEmailAddress);

    cmdOK = place<QPushButton>(QStringLiteral("cmdOK"), 2040, 990, 1200, 375);
    cmdOK->setText(QStringLiteral("OK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmEmailAddress::cmdOK_Click);
    cmdCancel = place<QPushButton>(QStringLiteral("cmdCancel"), 3360, 990, 1200, 375);
    cmdCancel->setText(QStringLiteral("Cancel"));
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEmailAddress::cmdCancel_Click);
    setCancelButton(cmdCancel);
    Form_Load();
}

void frmEmailAddress::Form_Load() {
    QString kept;
    IgnoreStoreErrors([&] { kept = ReadEmailAddress(app().store()); });
    txtEmailAddress->setText(kept.left(kMaxSenderLength));
    txtEmailAddress->selectAll();
    PaintBackgrounds(app().settings.BackGroundColor, {this});
}

void frmEmailAddress::cmdOK_Click() {
    // Blanks around the address cannot be seen, so they are not held against it.
    const QString address = txtEmailAddress->text().trimmed();
    if (!IsSettableSender(address)) {
        app().messages().show(this, QStringLiteral("Invalid eMail address! Please try again."),
                              QStringLiteral("Error!"), MsgButtons::Ok);
        txtEmailAddress->setFocus();
        txtEmailAddress->selectAll();
        return;
    }
    if (written(QStringLiteral("Your e-mail address could not be saved!"),
                [&] { WriteEmailAddress(app().store(), address); }))
        close();
}

void frmEmailAddress::cmdCancel_Click() {
    close();
}
