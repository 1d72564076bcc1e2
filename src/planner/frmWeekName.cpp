#include "frmWeekName.h"

#include "store/SavedWeeks.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/SingleLineInput.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmWeekName::frmWeekName(AppContext& app, QWidget* parent, NameChosen chosen)
    : Form(app, QStringLiteral("frmWeekName"), QStringLiteral("Save Week As!"), parent),
      m_chosen(std::move(chosen)) {
    setClientSize(3615, 1455);
    Label1 = place<QLabel>(QStringLiteral("Label1"), 120, 120, 3375, 255);
    Label1->setText(QStringLiteral("Week Name!"));
    txtWeekName = place<QLineEdit>(QStringLiteral("txtWeekName"), 120, 360, 3375, 375);
    txtWeekName->setMaxLength(kMaxWeekNameLength);
    // The name is a chooser entry and a field of exported lines: one line, no tabs.
    KeepSingleLine(txtWeekName);
    cmdOK = place<QPushButton>(QStringLiteral("cmdOK"), 600, 900, 1095, 375);
    cmdOK->setText(QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdCancel = place<QPushButton>(QStringLiteral("cmdCancel"), 1920, 900, 1095, 375);
    cmdCancel->setText(QStringLiteral("Cancel"));
    setCancelButton(cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &frmWeekName::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmWeekName::cmdCancel_Click);
    PaintBackgrounds(app.settings.BackGroundColor, {this});
}

void frmWeekName::cmdOK_Click() {
    const QString name = txtWeekName->text().trimmed();
    if (name.isEmpty()) {
        app().messages().show(this, QStringLiteral("Please type a name for the Week!"),
                              QStringLiteral("Information!"), MsgButtons::Ok);
        txtWeekName->setFocus();
        return;
    }
    if (m_chosen(name))
        close();
}

void frmWeekName::cmdCancel_Click() {
    close();
}
