#include "frmLinks.h"

#include "store/CouponLinks.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/KeyEvents.h"
#include "ui/SingleLineInput.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

frmLinks::frmLinks(AppContext& app, QWidget* parent)
    : Form(app, QStringLiteral("frmLinks"), QStringLiteral("Manage Links!"), parent) {
    setClientSize(5415, 4455);

    Label1 = place<QLabel>(QStringLiteral("Label1"), 240, 120, 3735, 255);
    Label1->setText(QStringLiteral("Enter New Link Below."));
    txtLink = place<QLineEdit>(QStringLiteral("txtLink"), 240, 420, 3735, 315);
    KeepSingleLine(txtLink);
    cmdAdd = place<QPushButton>(QStringLiteral("cmdAdd"), 4200, 390, 975, 375);
    cmdAdd->setText(QStringLiteral("Add"));
    // Enter in the link box adds the link.
    cmdAdd->setDefault(true);
    connect(cmdAdd, &QPushButton::clicked, this, &frmLinks::cmdAdd_Click);

    lstLink = place<QListWidget>(QStringLiteral("lstLink"), 240, 900, 3735, 3315);
    lstLink->setAccessibleName(QStringLiteral("Coupon Links"));
    OnKey(lstLink, QEvent::KeyRelease, [this](QKeyEvent* event) { lstLink_KeyUp(event->key()); });
    cmdDelete = place<QPushButton>(QStringLiteral("cmdDelete"), 4200, 900, 975, 375);
    cmdDelete->setText(QStringLiteral("Delete"));
    cmdDelete->setAutoDefault(false);
    connect(cmdDelete, &QPushButton::clicked, this, &frmLinks::cmdDelete_Click);

    setCancelAction(
        addTopEntry(QStringLiteral("mnuExit"), QStringLiteral("&Close"), &frmLinks::mnuExit_Click));
    Form_Load();
}

void frmLinks::Form_Load() {
    lstLink->clear();
    IgnoreStoreErrors([&] { lstLink->addItems(LoadCouponLinks(app().store())); });
    PaintBackgrounds(app().settings.BackGroundColor, {this});
}

void frmLinks::cmdAdd_Click() {
    if (txtLink->text().trimmed().isEmpty())
        return;
    // Kept as typed, blanks included.
    lstLink->addItem(txtLink->text());
    txtLink->clear();
    txtLink->setFocus();
}

void frmLinks::cmdDelete_Click() {
    const QList<QListWidgetItem*> selected = lstLink->selectedItems();
    if (selected.isEmpty())
        return;
    if (app().messages().show(this, QStringLiteral("Do you want to remove the Selected Link?"),
                              QStringLiteral("Confirm Delete!"),
                              MsgButtons::OkCancel) == MsgAnswer::Cancel)
        return;
    delete selected.first();
    // The next link is not chosen for the user.
    lstLink->clearSelection();
}

void frmLinks::lstLink_KeyUp(int key) {
    if (key == Qt::Key_Delete)
        cmdDelete_Click();
}

void frmLinks::mnuExit_Click() {
    close();
}

bool frmLinks::Form_Unload() {
    QStringList links;
    for (int i = 0; i < lstLink->count(); ++i)
        links << lstLink->item(i)->text();
    // A link typed but not added is kept too; blanks alone are no link.
    if (!txtLink->text().trimmed().isEmpty())
        links << txtLink->text();
    return written(QStringLiteral("Your links could not be saved!"),
                   [&] { WriteCouponLinks(app().store(), links); });
}
