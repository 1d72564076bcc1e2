#include "frmAddItems.h"

#include "domain/GroceryListLines.h"
#include "platform/Twips.h"
#include "store/Catalogue.h"
#include "store/Loaders.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/ListUtilities.h"
#include "ui/SingleLineInput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int kMinQuantity = 1;
constexpr int kMaxQuantity = 99;

// The dialog edits whole quantities from 1 to 99 in a box of two characters: a number is
// shown rounded into that range, other text as it is.
QString EditorQuantity(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return text;
    return QString::number(int(qBound<double>(kMinQuantity, RoundHalfEven(value), kMaxQuantity)));
}

} // namespace

frmAddItems::frmAddItems(AppContext& app, std::optional<GroceryListLine> line, QWidget* parent,
                         EditedLine edited)
    : Form(app, QStringLiteral("frmAddItems"), QStringLiteral("Edit Grocery Items!"), parent),
      m_line(std::move(line)), m_edited(std::move(edited)) {
    setFont(ProgramFont(9));
    setClientSize(4695, 3660);
    buildControls();
    Form_Load();
}

void frmAddItems::buildControls() {
    const auto label = [this](const QString& name, const QString& caption, int left, int top,
                              int width) {
        auto* label = place<QLabel>(name, left, top, width, 255);
        label->setText(caption);
        return label;
    };
    const auto box = [this](const QString& name, int left, int top, int width, int length,
                            bool centred) {
        auto* box = place<QLineEdit>(name, left, top, width, 315);
        box->setMaxLength(length);
        KeepSingleLine(box);
        if (centred)
            box->setAlignment(Qt::AlignCenter);
        return box;
    };
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("Quantity"), 120, 120, 900);
    txtQty = box(QStringLiteral("txtQty"), 120, 360, 600, 2, true);
    VScroll1 = place<QScrollBar>(QStringLiteral("VScroll1"), 720, 330, 255, 375);
    VScroll1->setOrientation(Qt::Vertical);
    VScroll1->setRange(kMinQuantity, kMaxQuantity);
    VScroll1->setValue(kMinQuantity);
    // The upper arrow raises the quantity.
    VScroll1->setInvertedAppearance(true);
    VScroll1->setInvertedControls(true);

    Label2 = label(QStringLiteral("Label2"), QStringLiteral("Grocery Item"), 1080, 120, 3495);
    txtGroceryItem =
        box(QStringLiteral("txtGroceryItem"), 1080, 360, 3495, kMaxItemNameLength, false);
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("Unit/Size"), 120, 840, 900);
    txtUnit = box(QStringLiteral("txtUnit"), 120, 1080, 855, kMaxSizeLength, true);
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("Aisle"), 1080, 840, 1815);
    cboAisles = place<QComboBox>(QStringLiteral("cboAisles"), 1080, 1080, 1815, 315);
    cboAisles->setEditable(true);
    cboAisles->setInsertPolicy(QComboBox::NoInsert);
    // Completion would change what the user typed.
    cboAisles->setCompleter(nullptr);
    KeepSingleLine(cboAisles);
    Label5 = label(QStringLiteral("Label5"), QStringLiteral("Price"), 3000, 840, 1575);
    txtPrice = box(QStringLiteral("txtPrice"), 3000, 1080, 1575, kMaxPriceLength, true);
    Label7 = label(QStringLiteral("Label7"), QStringLiteral("Category"), 120, 1560, 2175);
    txtCategory = place<QLineEdit>(QStringLiteral("txtCategory"), 120, 1800, 2175, 315);
    txtCategory->setReadOnly(true);
    ChkCoupon = place<QCheckBox>(QStringLiteral("ChkCoupon"), 2520, 1800, 2055, 315);
    ChkCoupon->setText(QStringLiteral("Have Coupon"));
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("Comments"), 120, 2280, 4455);
    txtComments = box(QStringLiteral("txtComments"), 120, 2520, 4455, kMaxCommentsLength, false);
    cmdOk = place<QPushButton>(QStringLiteral("cmdOk"), 1080, 3120, 1095, 375);
    cmdOk->setText(QStringLiteral("OK"));
    cmdOk->setDefault(true);
    cmdClose = place<QPushButton>(QStringLiteral("cmdClose"), 2520, 3120, 1095, 375);
    cmdClose->setText(QStringLiteral("Close"));
    setCancelButton(cmdClose);

    // The quantity comes first in the tab order.
    setTabOrder(txtQty, txtGroceryItem);
    setTabOrder(txtGroceryItem, txtUnit);
    setTabOrder(txtUnit, cboAisles);
    setTabOrder(cboAisles, txtPrice);
    setTabOrder(txtPrice, txtComments);
    setTabOrder(txtComments, ChkCoupon);
    setTabOrder(ChkCoupon, cmdOk);
    setTabOrder(cmdOk, cmdClose);

    connect(txtQty, &QLineEdit::textChanged, this, &frmAddItems::txtQty_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmAddItems::VScroll1_Change);
    connect(cmdOk, &QPushButton::clicked, this, &frmAddItems::cmdOk_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmAddItems::cmdClose_Click);
}

void frmAddItems::Form_Load() {
    IgnoreStoreErrors([&] { SetComboEntries(cboAisles, LoadAisles(app().store()), true); });
    if (!m_line)
        return;
    const GroceryListLine line = RewrittenLine(*m_line);
    txtGroceryItem->setText(line.item);
    txtQty->setText(EditorQuantity(line.quantity));
    txtUnit->setText(line.size);
    cboAisles->setEditText(line.aisle);
    txtPrice->setText(line.price);
    txtCategory->setText(line.category);
    txtComments->setText(line.comments);
    ChkCoupon->setChecked(line.coupon);
    PaintBackgrounds(app().settings.BackGroundColor, {this, ChkCoupon});
}

void frmAddItems::txtQty_Change() {
    bool ok = false;
    const double value = txtQty->text().trimmed().toDouble(&ok);
    // Text that is no number yet (an emptied box) leaves the scroll bar as it is.
    if (!ok)
        return;
    if (value < kMinQuantity) {
        txtQty->setText(QString::number(kMinQuantity));
        return;
    }
    if (value > kMaxQuantity) {
        txtQty->setText(QString::number(kMaxQuantity));
        return;
    }
    VScroll1->setValue(int(RoundHalfEven(value)));
}

void frmAddItems::VScroll1_Change() {
    txtQty->setText(QString::number(VScroll1->value()));
}

void frmAddItems::cmdOk_Click() {
    // Opened without a chosen line: there is no line to write back.
    if (!m_line) {
        close();
        return;
    }
    // A name of blanks alone would reach the catalogue as an item without a name.
    if (txtGroceryItem->text().trimmed().isEmpty()) {
        app().messages().show(this, QStringLiteral("You Must Input a Name for this Item!"),
                              QString(), MsgButtons::Ok);
        return;
    }
    const QString quantity = txtQty->text().isEmpty() ? QStringLiteral("1") : txtQty->text();
    const GroceryListLine line{
        txtGroceryItem->text(),   quantity,         ChkCoupon->isChecked(), txtUnit->text(),
        cboAisles->currentText(), txtPrice->text(), txtCategory->text(),    txtComments->text()};

    // Only into a category that exists under exactly this name and has its table. Written
    // first, so that a failed write leaves the list line as it was and the edits in the
    // dialog.
    try {
        DataStore& store = app().store();
        if (HasItemTable(store, line.category))
            StoreCatalogueItem(store, line.category,
                               {line.item.trimmed(), line.size.trimmed(), line.aisle.trimmed(),
                                line.price.trimmed(), line.comments.trimmed()});
    } catch (const StoreError&) {
        reportFailure(QStringLiteral("The Grocery Item could not be saved! Your changes are "
                                     "still on the screen; please try again."));
        return;
    }
    m_edited(line);
    close();
}

void frmAddItems::cmdClose_Click() {
    close();
}
