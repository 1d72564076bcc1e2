#include "frmGroceryList.h"

#include "catalogue/ShowCatalogue.h"
#include "coupons/ShowCoupons.h"
#include "domain/Files.h"
#include "domain/ListCsv.h"
#include "domain/ListFromMenu.h"
#include "domain/ListText.h"
#include "domain/Money.h"
#include "frmAddItems.h"
#include "frmPhoneList.h"
#include "frmSavedList.h"
#include "help/ShowAboutBox.h"
#include "printing/ShowPrintWindow.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/KeyEvents.h"
#include "ui/ListUtilities.h"
#include "ui/SingleLineInput.h"
#include "ui/WrappingButton.h"

#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace {

const QList<int> kTabStops{85, 100};
constexpr int kListLeft = 240;

// Lines as a save writes them, each read back from its row.
QList<GroceryListLine> savedLines(const QList<GroceryListLine>& lines) {
    QList<GroceryListLine> saved;
    saved.reserve(lines.size());
    for (const GroceryListLine& line : lines)
        saved.append(RewrittenLine(line));
    return saved;
}

void setupList(QListView* list) {
    list->setFont(ProgramFont(9.75));
    PaintBoxColor(list, kLightYellow);
    SetListTabStops(list, kTabStops);
}

} // namespace

frmGroceryList::frmGroceryList(AppContext& app, QWidget* parent)
    : Form(app, QStringLiteral("frmGroceryList"), QStringLiteral("Grocery List!"), parent),
      m_list(new GroceryList(this)) {
    setClientSize(10080, 6120);
    buildControls();
    buildMenus();
    Form_Load();
}

void frmGroceryList::buildControls() {
    // Column headers: each sorts the list by its column, but Coupon marks the current line.
    // They stand on a rail that moves with the list's sideways scrolling, inside a strip as
    // wide as the list, so each stays over its column; Category and Comments are further
    // right, over the columns the list shows when scrolled.
    auto* strip = place<QWidget>(QStringLiteral("fraHeadings"), kListLeft, 600, 6495, 255);
    m_headings = new QWidget(strip);
    const auto header = [this](const QString& name, const QString& caption, int left, int width) {
        auto* button = place<QPushButton>(name, left - kListLeft, 0, width, 255, m_headings);
        button->setText(caption);
        QFont font = button->font();
        font.setPointSize(8);
        button->setFont(font);
        button->installEventFilter(this);
        return button;
    };
    cmdCoupon = header(QStringLiteral("cmdCoupon"), QStringLiteral("Coupon"), 3120, 720);
    cmdQty = header(QStringLiteral("cmdQty"), QStringLiteral("Qty"), 2640, 495);
    cmdUnit = header(QStringLiteral("cmdUnit"), QStringLiteral("Size/Unit"), 3840, 975);
    cmdPrice = header(QStringLiteral("cmdPrice"), QStringLiteral("Price"), 5880, 855);
    cmdAisle = header(QStringLiteral("cmdAisle"), QStringLiteral("Aisle"), 4800, 1095);
    cmdGroceryItem =
        header(QStringLiteral("cmdGroceryItem"), QStringLiteral("Grocery Item"), 240, 2415);
    cmdCategory = header(QStringLiteral("cmdCategory"), QStringLiteral("Category"), 6720, 960);
    // Only a heading: comments are no order to shop in.
    cmdComments = header(QStringLiteral("cmdComments"), QStringLiteral("Comments"), 7665, 2880);
    cmdComments->setFocusPolicy(Qt::NoFocus);
    cmdComments->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_headings->resize(cmdComments->geometry().right() + 1, strip->height());

    Frame1 = place<QGroupBox>(QStringLiteral("Frame1"), 6960, 600, 2880, 5280);
    Label3 = place<QLabel>(QStringLiteral("Label3"), 120, 240, 2640, 255, Frame1);
    Label3->setText(QStringLiteral("Grocery List Name:"));
    txtGroceryListName =
        place<QLineEdit>(QStringLiteral("txtGroceryListName"), 120, 480, 2640, 315, Frame1);
    txtGroceryListName->setMaxLength(kMaxListNameLength);
    KeepSingleLine(txtGroceryListName);
    cmdSelectList =
        place<QPushButton>(QStringLiteral("cmdSelectList"), 120, 900, 1275, 375, Frame1);
    cmdSelectList->setText(QStringLiteral("Select List"));
    cmdSave = place<QPushButton>(QStringLiteral("cmdSave"), 1485, 900, 1275, 375, Frame1);
    cmdSave->setText(QStringLiteral("Save List"));
    const auto action = [this](const QString& name, const QString& caption, int top) {
        auto* button = place<WrappingButton>(name, 120, top, 2640, 495, Frame1);
        button->setText(caption);
        return button;
    };
    cmdCreateList = action(QStringLiteral("cmdCreateList"),
                           QStringLiteral("Create Grocery List from Menu"), 1440);
    cmdAddFromCategories = action(QStringLiteral("cmdAddFromCategories"),
                                  QStringLiteral("Add Items from Categories"), 2040);
    cmdRemoveItems = action(QStringLiteral("cmdRemoveItems"),
                            QStringLiteral("Remove Items from Grocery List"), 2640);
    cmdClear = action(QStringLiteral("cmdClear"), QStringLiteral("Clear All"), 3240);
    cmdPrint = action(QStringLiteral("cmdPrint"), QStringLiteral("Print Grocery List"), 3840);
    cmdExit = action(QStringLiteral("cmdExit"), QStringLiteral("Return to Main Menu"), 4680);

    lstGroceryList = place<QListView>(QStringLiteral("lstGroceryList"), kListLeft, 840, 6495, 4380);
    lstGroceryList->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(lstGroceryList->horizontalScrollBar(), &QScrollBar::valueChanged, m_headings,
            [this](int offset) { m_headings->move(-offset, 0); });
    lstGroceryList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstGroceryList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstGroceryList->setModel(m_list);
    setupList(lstGroceryList);
    // The totals follow the lines, whatever changes them.
    connect(m_list, &GroceryList::modelReset, this, &frmGroceryList::updateTotals);
    connect(m_list, &GroceryList::rowsInserted, this, &frmGroceryList::updateTotals);
    connect(m_list, &GroceryList::rowsRemoved, this, &frmGroceryList::updateTotals);
    connect(m_list, &GroceryList::dataChanged, this, &frmGroceryList::updateTotals);

    Label2 = place<QLabel>(QStringLiteral("Label2"), 240, 5280, 3255, 255);
    Label2->setText(QStringLiteral("(Press + or - to Change Qty)"));
    Label1 = place<QLabel>(QStringLiteral("Label1"), 240, 60, 3015, 495);
    Label1->setText(QStringLiteral("Grocery List"));
    Label1->setFont(ProgramFont(16, true));
    SetTextColor(Label1, Qt::blue);
    lblComments = place<QLabel>(QStringLiteral("lblComments"), 3360, 180, 4455, 375);
    lblComments->setText(QStringLiteral("....Enhance your shopping experience"));
    lblComments->setFont(ProgramFont(10, true));
    SetTextColor(lblComments, Qt::red);
    lblPrice = place<QLabel>(QStringLiteral("lblPrice"), 3120, 5640, 3615, 255);
    lblPrice->setText(QStringLiteral("Total Estimated Price"));
    lblPrice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblItems = place<QLabel>(QStringLiteral("lblItems"), 240, 5640, 2655, 255);
    lblItems->setText(QStringLiteral("Total Items"));

    connect(cmdGroceryItem, &QPushButton::clicked, this, &frmGroceryList::cmdGroceryItem_Click);
    connect(cmdQty, &QPushButton::clicked, this, &frmGroceryList::cmdQty_Click);
    connect(cmdUnit, &QPushButton::clicked, this, &frmGroceryList::cmdUnit_Click);
    connect(cmdAisle, &QPushButton::clicked, this, &frmGroceryList::cmdAisle_Click);
    connect(cmdPrice, &QPushButton::clicked, this, &frmGroceryList::cmdPrice_Click);
    connect(cmdCoupon, &QPushButton::clicked, this, &frmGroceryList::cmdCoupon_Click);
    connect(cmdCategory, &QPushButton::clicked, this, &frmGroceryList::cmdCategory_Click);
    connect(cmdSelectList, &QPushButton::clicked, this, &frmGroceryList::cmdSelectList_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmGroceryList::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmGroceryList::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmGroceryList::cmdExit_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmGroceryList::cmdClear_Click);
    connect(cmdRemoveItems, &QPushButton::clicked, this, &frmGroceryList::cmdRemoveItems_Click);
    connect(cmdAddFromCategories, &QPushButton::clicked, this,
            &frmGroceryList::cmdAddFromCategories_Click);
    connect(cmdCreateList, &QPushButton::clicked, this, &frmGroceryList::cmdCreateList_Click);
    connect(lstGroceryList, &QListView::doubleClicked, this,
            &frmGroceryList::lstGroceryList_DblClick);
    OnKey(lstGroceryList, QEvent::KeyRelease,
          [this](QKeyEvent* event) { lstGroceryList_KeyUp(event); });
    OnKey(lstGroceryList, QEvent::KeyPress, [this](QKeyEvent* event) {
        lstGroceryList_KeyDown(event);
        if (IsCharacterKey(event))
            lstGroceryList_KeyPress();
    });
    // Only the user's typing counts; names the program puts in do not.
    connect(txtGroceryListName, &QLineEdit::textEdited, this,
            &frmGroceryList::txtGroceryListName_KeyPress);
}

void frmGroceryList::buildMenus() {
    QMenu* file = addMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    addEntry(file, QStringLiteral("mnuOpen"), QStringLiteral("&Select Grocery List"),
             &frmGroceryList::cmdSelectList_Click);
    addEntry(file, QStringLiteral("mnuSave"), QStringLiteral("&Save Grocery List"),
             &frmGroceryList::cmdSave_Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    addEntry(file, QStringLiteral("mnuPrint"), QStringLiteral("&Print Grocery List"),
             &frmGroceryList::cmdPrint_Click, QKeySequence(Qt::CTRL | Qt::Key_P));
    addEntry(file, QStringLiteral("mnuSendToPhone"), QStringLiteral("Send to &Phone..."),
             &frmGroceryList::mnuSendToPhone_Click);
    addEntry(file, QStringLiteral("mnuCopyText"), QStringLiteral("&Copy List as Text"),
             &frmGroceryList::mnuCopyText_Click);
    addEntry(file, QStringLiteral("mnuSaveAs"), QStringLiteral("Save List &As..."),
             &frmGroceryList::mnuSaveAs_Click);
    addSeparator(file, QStringLiteral("mnuSep"));
    addEntry(file, QStringLiteral("mnuMain"), QStringLiteral("Return to &Main"),
             &frmGroceryList::cmdExit_Click);

    QMenu* options = addMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    addEntry(options, QStringLiteral("mnuClear"), QStringLiteral("&Clear Grocery List"),
             &frmGroceryList::cmdClear_Click);
    addEntry(options, QStringLiteral("mnuCreate"),
             QStringLiteral("Create Grocery List From &Menu Items"),
             &frmGroceryList::cmdCreateList_Click);
    addEntry(options, QStringLiteral("mnuAdd"), QStringLiteral("&Add Items to Grocery List"),
             &frmGroceryList::cmdAddFromCategories_Click);
    addEntry(options, QStringLiteral("mnuRemove"),
             QStringLiteral("&Remove Items From Grocery List"),
             &frmGroceryList::cmdRemoveItems_Click);

    addTopEntry(QStringLiteral("mnuCoupons"), QStringLiteral("&Coupons"),
                &frmGroceryList::mnuCoupons_Click);

    QMenu* help = addMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    addEntry(help, QStringLiteral("mnuUsing"), QStringLiteral("&Using Pantrelle"),
             &frmGroceryList::mnuUsing_Click, QKeySequence(Qt::Key_F1));
    addEntry(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Pantrelle"),
             &frmGroceryList::mnuAbout_Click);
}

void frmGroceryList::Form_Load() {
    loadSavedLines(app().settings.GroceryListName);
    txtGroceryListName->setText(app().settings.GroceryListName);
    setModified(false);
    updateTotals();
    PaintBackgrounds(app().settings.BackGroundColor, {this, Frame1});
}

void frmGroceryList::loadSavedLines(const QString& name) {
    QList<GroceryListLine> lines;
    IgnoreStoreErrors([&] { lines = ReadGroceryList(app().store(), name); });
    SortGroceryList(lines, GroceryListOrder::Item);
    m_list->setLines(std::move(lines));
}

void frmGroceryList::updateTotals() {
    lblItems->setText(QStringLiteral("Total Items ") + QString::number(m_list->size()));
    lblPrice->setText(QStringLiteral("Total Estimated Price ") +
                      FormatMoney(m_list->estimatedTotal()));
}

void frmGroceryList::showSavedList(const QString& name) {
    app().settings.GroceryListName = name;
    loadSavedLines(name);
    txtGroceryListName->setText(name);
}

SaveResult frmGroceryList::saveChanges() {
    if (txtGroceryListName->text().isEmpty())
        txtGroceryListName->setText(kDefaultName);
    const QString name = txtGroceryListName->text();
    try {
        SaveGroceryList(app().store(), name, savedLines(m_list->lines()));
    } catch (const StoreError&) {
        reportFailure(QStringLiteral("The Grocery List could not be saved! Your list is still "
                                     "on the screen; please try again."));
        return SaveResult::Failed;
    }
    app().settings.GroceryListName = name;
    setModified(false);
    return SaveResult::Saved;
}

void frmGroceryList::cmdSave_Click() {
    saveChanges();
}

void frmGroceryList::sortBy(GroceryListOrder order) {
    // Sorting shows the saved lines, so what is on screen is saved first; when that fails
    // the lines stay as they are.
    if (saveChanges() != SaveResult::Saved)
        return;
    m_list->setLines(savedLines(m_list->lines()));
    m_list->sort(order);
}

void frmGroceryList::cmdGroceryItem_Click() {
    sortBy(GroceryListOrder::Item);
}

void frmGroceryList::cmdQty_Click() {
    sortBy(GroceryListOrder::Quantity);
}

void frmGroceryList::cmdUnit_Click() {
    sortBy(GroceryListOrder::Size);
}

void frmGroceryList::cmdAisle_Click() {
    sortBy(GroceryListOrder::Aisle);
}

void frmGroceryList::cmdPrice_Click() {
    sortBy(GroceryListOrder::Price);
}

void frmGroceryList::cmdCategory_Click() {
    sortBy(GroceryListOrder::Category);
}

bool frmGroceryList::eventFilter(QObject* watched, QEvent* event) {
    // A heading that takes the focus scrolls into view, with the columns under it when the
    // lines reach that far.
    if (event->type() == QEvent::FocusIn && watched->parent() == m_headings) {
        const auto* heading = static_cast<QWidget*>(watched);
        const int shown = m_headings->parentWidget()->width();
        const int offset = -m_headings->x();
        const int wanted =
            std::clamp(offset, heading->geometry().right() + 1 - shown, heading->x());
        lstGroceryList->horizontalScrollBar()->setValue(wanted);
        m_headings->move(-wanted, 0);
    }
    return Form::eventFilter(watched, event);
}

std::optional<int> frmGroceryList::selectedCurrentRow() const {
    const QModelIndex current = lstGroceryList->currentIndex();
    if (!current.isValid() || !lstGroceryList->selectionModel()->isSelected(current))
        return std::nullopt;
    return current.row();
}

void frmGroceryList::cmdCoupon_Click() {
    if (lstGroceryList->currentIndex().isValid()) {
        const std::optional<int> row = selectedCurrentRow();
        if (!row)
            return;
        GroceryListLine line = m_list->line(*row);
        line.coupon = !line.coupon;
        m_list->replaceLine(*row, line);
    }
    setModified(true);
}

void frmGroceryList::stepQuantity(int step) {
    const QModelIndex current = lstGroceryList->currentIndex();
    if (current.isValid()) {
        GroceryListLine line = m_list->line(current.row());
        line.quantity = StepGroceryQuantity(line.quantity, step);
        m_list->replaceLine(current.row(), line);
    }
    setModified(true);
}

void frmGroceryList::lstGroceryList_KeyUp(QKeyEvent* event) {
    if (IsPlusKey(event))
        stepQuantity(1);
    else if (IsMinusKey(event))
        stepQuantity(-1);
}

void frmGroceryList::lstGroceryList_KeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete)
        cmdRemoveItems_Click();
}

void frmGroceryList::lstGroceryList_KeyPress() {
    setModified(true);
}

void frmGroceryList::txtGroceryListName_KeyPress() {
    setModified(true);
}

void frmGroceryList::lstGroceryList_DblClick() {
    const std::optional<int> row = selectedCurrentRow();
    std::optional<GroceryListLine> line;
    if (row)
        line = m_list->line(*row);
    app().platform().modal().runModal(
        new frmAddItems(app(), line, this, [this, row](const GroceryListLine& edited) {
            m_list->replaceLine(*row, edited);
            setModified(true);
        }));
}

void frmGroceryList::cmdRemoveItems_Click() {
    const QModelIndexList selected = lstGroceryList->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        app().messages().show(this, QStringLiteral("You must select one or more items!"),
                              QStringLiteral("Information!"), MsgButtons::Ok);
        return;
    }
    if (app().messages().show(this,
                              QStringLiteral("Do you want to remove the Selected Grocery "
                                             "Item(s)?"),
                              QStringLiteral("Confirm Remove!"),
                              MsgButtons::OkCancel) != MsgAnswer::Ok)
        return;
    QList<int> rows;
    rows.reserve(selected.size());
    for (const QModelIndex& index : selected)
        rows << index.row();
    m_list->removeLines(rows);
    setModified(true);
}

void frmGroceryList::cmdClear_Click() {
    if (m_list->size() == 0)
        return;
    if (app().messages().show(this, QStringLiteral("Do you want to clear all Grocery Items?"),
                              QStringLiteral("Erase Grocery List?"),
                              MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    m_list->setLines({});
    txtGroceryListName->clear();
    setModified(true);
}

bool frmGroceryList::addPickedItem(const PickedItem& picked) {
    if (m_list->holdsItem(picked.item.name))
        return false;
    m_list->append({{picked.item.name, picked.quantity, false, picked.item.size, picked.item.aisle,
                     picked.item.price, picked.category, picked.item.comments}});
    setModified(true);
    return true;
}

void frmGroceryList::cmdAddFromCategories_Click() {
    // As the list always has: a current line below the first two gives up its selection.
    const QModelIndex current = lstGroceryList->currentIndex();
    if (current.isValid() && current.row() > 1)
        lstGroceryList->selectionModel()->select(current, QItemSelectionModel::Deselect);
    ShowCatalogueForList(app(), this,
                         [this](const PickedItem& picked) { return addPickedItem(picked); });
}

void frmGroceryList::cmdCreateList_Click() {
    QList<GroceryListLine> working;
    IgnoreStoreErrors([&] { working = BuildMenuLines(app().store()); });
    FindDups(working);
    setModified(true);
}

void frmGroceryList::FindDups(const QList<GroceryListLine>& working) {
    m_list->append(LinesToAdd(working, m_list->lines()));
}

void frmGroceryList::cmdSelectList_Click() {
    app().platform().modal().runModal(new frmSavedList(
        app(), this, [this](const QString& name) { showSavedList(name); },
        [this](const QString& name) {
            // The list on screen was the one deleted: it is gone, and so is its name.
            if (txtGroceryListName->text() != name)
                return;
            txtGroceryListName->clear();
            app().settings.GroceryListName.clear();
            m_list->setLines({});
        }));
}

void frmGroceryList::cmdPrint_Click() {
    // The printout reads the saved rows, so what is printed is what was just saved.
    if (saveChanges() != SaveResult::Saved)
        return;
    ShowPrintWindow(app(), this, PrintPreset::AnyPrintout);
}

void frmGroceryList::cmdExit_Click() {
    if (settleChanges() != Settlement::Kept)
        close();
}

bool frmGroceryList::Form_Unload() {
    if (settleChanges() == Settlement::Kept)
        return false;
    app().showMainWindow();
    return true;
}

QString frmGroceryList::listName() const {
    const QString name = txtGroceryListName->text();
    return name.isEmpty() ? kDefaultName : name;
}

void frmGroceryList::mnuSendToPhone_Click() {
    app().platform().modal().runModal(
        new frmPhoneList(app(), listName(), ListText(listName(), m_list->lines()), this));
}

void frmGroceryList::mnuCopyText_Click() {
    QGuiApplication::clipboard()->setText(ListText(listName(), m_list->lines()));
}

void frmGroceryList::mnuSaveAs_Click() {
    const std::optional<QString> path = app().platform().fileChoosers().saveFile(
        this, QStringLiteral("Save List As"),
        SuggestedFilePath(listName(), QStringLiteral("Grocery List"), QStringLiteral("txt")),
        QStringLiteral("Text file (*.txt);;CSV file (*.csv)"));
    if (!path)
        return;
    // The name's ending decides, so a file is always what its name says it is.
    const bool csv = path->endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    const QByteArray bytes =
        csv ? ListCsv(m_list->lines()) : ListText(listName(), m_list->lines()).toUtf8();
    if (!WriteWholeFile(*path, bytes))
        reportFailure(QStringLiteral("The Grocery List could not be saved to %1! Any older file "
                                     "there is unchanged.")
                          .arg(QDir::toNativeSeparators(*path)));
}

void frmGroceryList::mnuCoupons_Click() {
    ShowCoupons(app(), this);
}

void frmGroceryList::mnuUsing_Click() {
    OpenDocument(app(), app().manualPath());
}

void frmGroceryList::mnuAbout_Click() {
    ShowAboutBox(app(), this, false);
}
