#include "frmCoupons.h"

#include "WebAddress.h"
#include "frmLinks.h"
#include "store/CouponLinks.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/ListUtilities.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kTerms = QStringLiteral(
    "You agree to indemnify, defend and hold Orvanta harmless from and against any and all "
    "third party claims, liability, loss, and expense (including damage awards, settlement "
    "amounts, and reasonable legal fees), brought against Orvanta, arising out of, related "
    "to, or which may arise from Your use of the Site(s), and/or Your breach or alleged "
    "breach of any term of this Agreement.");

} // namespace

frmCoupons::frmCoupons(AppContext& app, QWidget* parent)
    : Form(app, QStringLiteral("frmCoupons"), QStringLiteral("Coupons!"), parent) {
    setClientSize(6255, 4575);

    Label1 = place<QLabel>(QStringLiteral("Label1"), 240, 240, 5775, 1935);
    Label1->setText(kTerms);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Check1 = place<QCheckBox>(QStringLiteral("Check1"), 240, 2280, 5775, 375);
    Check1->setText(QStringLiteral("I agree with the terms and conditions above."));
    connect(Check1, &QCheckBox::clicked, this, &frmCoupons::Check1_Click);

    Frame1 = place<QGroupBox>(QStringLiteral("Frame1"), 240, 2760, 5775, 855);
    cboAddress = place<QComboBox>(QStringLiteral("cboAddress"), 120, 300, 4455, 315, Frame1);
    cboAddress->setEditable(true);
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    // What is typed is what opens; inline completion would quietly extend it.
    cboAddress->setCompleter(nullptr);
    cmdGo = place<QPushButton>(QStringLiteral("cmdGo"), 4695, 255, 960, 375, Frame1);
    cmdGo->setText(QStringLiteral("GO"));
    // Enter in the address box opens the address.
    cmdGo->setDefault(true);
    connect(cmdGo, &QPushButton::clicked, this, &frmCoupons::cmdGo_Click);

    cmdLinks = place<QPushButton>(QStringLiteral("cmdLinks"), 4080, 3840, 1935, 495);
    cmdLinks->setText(QStringLiteral("Manage Links"));
    cmdLinks->setAutoDefault(false);
    connect(cmdLinks, &QPushButton::clicked, this, &frmCoupons::cmdLinks_Click);

    setCancelAction(addTopEntry(QStringLiteral("mnuExit"), QStringLiteral("&Close"),
                                &frmCoupons::mnuExit_Click));
    Form_Load();
}

void frmCoupons::Form_Load() {
    QStringList links;
    IgnoreStoreErrors([&] { links = LoadCouponLinks(app().store()); });
    SetComboEntries(cboAddress, links);
    setAddressUsable(false);
    PaintBackgrounds(app().settings.BackGroundColor, {this, Frame1, Check1});
}

void frmCoupons::setAddressUsable(bool usable) {
    Frame1->setEnabled(usable);
    cboAddress->setEnabled(usable);
    cmdGo->setEnabled(usable);
}

void frmCoupons::Check1_Click() {
    const bool agreed = Check1->isChecked();
    setAddressUsable(agreed);
    if (agreed) {
        cboAddress->setFocus();
        cboAddress->showPopup();
    }
}

void frmCoupons::cmdGo_Click() {
    const QString typed = cboAddress->currentText();
    // Nothing chosen or typed: nothing to open.
    if (typed.trimmed().isEmpty())
        return;
    const std::optional<QString> address = WebAddressToOpen(typed);
    if (!address) {
        app().messages().show(this, QStringLiteral("Only web addresses can be opened!"),
                              QStringLiteral("Information!"), MsgButtons::Ok);
        cboAddress->setFocus();
        return;
    }
    OpenDocument(app(), *address);
}

void frmCoupons::cmdLinks_Click() {
    AppContext& context = app();
    close();
    // One at a time: two links windows would each write back their own list.
    if (RaiseShownWindow<frmLinks>(context.mainWindow))
        return;
    // Not modal, and a child of the main window: the main window is usable meanwhile, and
    // the list goes unwritten if the program ends first.
    (new frmLinks(context, context.mainWindow))->show();
}

void frmCoupons::mnuExit_Click() {
    close();
}
