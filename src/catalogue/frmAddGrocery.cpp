#include "frmAddGrocery.h"

#include "domain/Money.h"
#include "frmAllItems.h"
#include "platform/Twips.h"
#include "store/Catalogue.h"
#include "store/Loaders.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/KeyEvents.h"
#include "ui/ListUtilities.h"
#include "ui/SingleLineInput.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

namespace {

const QString kInformation = QStringLiteral("Information!");
const QString kConfirmDelete = QStringLiteral("Confirm Delete!");
constexpr int kClientHeight = 5040;

} // namespace

frmAddGrocery::frmAddGrocery(AppContext& app, CatalogueMode mode, QWidget* parent, PickHandler add)
    : Form(app, QStringLiteral("frmAddGrocery"), QStringLiteral("Grocery Items!"), parent),
      m_mode(mode), m_add(std::move(add)) {
    buildControls();
    buildMenus();
    connectEvents();
    Form_Load();
}

void frmAddGrocery::buildControls() {
    setClientSize(kWideWidth, kClientHeight);

    Frame1 = place<QGroupBox>(QStringLiteral("Frame1"), 120, 120, 2700, 4800);
    Frame1->setTitle(QStringLiteral("Select Category and Grocery Item"));
    cboCategory = place<QComboBox>(QStringLiteral("cboCategory"), 120, 360, 2460, 345, Frame1);
    lstGroceryItem =
        place<QListWidget>(QStringLiteral("lstGroceryItem"), 120, 840, 2460, 3240, Frame1);
    Label5 = place<QLabel>(QStringLiteral("Label5"), 120, 4320, 720, 300, Frame1);
    Label5->setText(QStringLiteral("Item Qty"));
    txtQty = place<QLineEdit>(QStringLiteral("txtQty"), 840, 4260, 435, 345, Frame1);
    txtQty->setMaxLength(3);
    txtQty->setAlignment(Qt::AlignCenter);
    txtQty->setText(QStringLiteral("1"));
    txtQty->setEnabled(false);
    cmdAddtoMeal =
        place<QPushButton>(QStringLiteral("cmdAddtoMeal"), 1500, 4200, 1080, 435, Frame1);
    cmdAddtoMeal->setText(QStringLiteral("Add to Meal"));
    cmdAddtoMeal->setEnabled(false);

    cmdExpand = place<QPushButton>(QStringLiteral("cmdExpand"), 2880, 2280, 315, 555);
    setNarrow(false);

    Frame2 = place<QGroupBox>(QStringLiteral("Frame2"), 3300, 120, 2940, 4800);
    Frame2->setTitle(QStringLiteral("Add/Edit Item!"));
    const auto labelled = [this](const QString& labelName, const QString& caption, int left,
                                 int top, QLabel*& label) {
        label = place<QLabel>(labelName, left, top, 2700, 270, Frame2);
        label->setText(caption);
    };
    labelled(QStringLiteral("Label1"), QStringLiteral("Item Name!"), 120, 300, Label1);
    txtItemName = place<QLineEdit>(QStringLiteral("txtItemName"), 120, 570, 2700, 345, Frame2);
    txtItemName->setMaxLength(kMaxItemNameLength);
    labelled(QStringLiteral("Label2"), QStringLiteral("Size/Unit"), 120, 1020, Label2);
    Label2->resize(TwipsToPixels(1200), Label2->height());
    txtItemUnit = place<QLineEdit>(QStringLiteral("txtItemUnit"), 120, 1290, 1200, 345, Frame2);
    txtItemUnit->setMaxLength(kMaxSizeLength);
    txtItemUnit->setAlignment(Qt::AlignCenter);
    labelled(QStringLiteral("Label4"), QStringLiteral("Item Price"), 1620, 1020, Label4);
    Label4->resize(TwipsToPixels(1200), Label4->height());
    txtItemPrice = place<QLineEdit>(QStringLiteral("txtItemPrice"), 1620, 1290, 1200, 345, Frame2);
    txtItemPrice->setMaxLength(kMaxPriceLength);
    txtItemPrice->setAlignment(Qt::AlignCenter);
    labelled(QStringLiteral("Label3"), QStringLiteral("Item Aisle/Location"), 120, 1740, Label3);
    cboAisles = place<QComboBox>(QStringLiteral("cboAisles"), 120, 2010, 2700, 345, Frame2);
    labelled(QStringLiteral("Label6"), QStringLiteral("Aisle Description"), 120, 2460, Label6);
    txtAisleDescription =
        place<QLineEdit>(QStringLiteral("txtAisleDescription"), 120, 2730, 2700, 345, Frame2);
    labelled(QStringLiteral("Label7"), QStringLiteral("Comments"), 120, 3180, Label7);
    txtComments = place<QLineEdit>(QStringLiteral("txtComments"), 120, 3450, 2700, 345, Frame2);
    txtComments->setMaxLength(kMaxCommentsLength);
    cmdSave = place<QPushButton>(QStringLiteral("cmdSave"), 240, 4080, 1140, 480, Frame2);
    cmdSave->setText(QStringLiteral("Save"));
    cmdSave->setDefault(true);
    cmdClose = place<QPushButton>(QStringLiteral("cmdClose"), 1560, 4080, 1140, 480, Frame2);
    cmdClose->setText(QStringLiteral("Close"));
    setCancelButton(cmdClose);

    for (QComboBox* combo : {cboCategory, cboAisles}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // What the user types stays as typed: a new category or aisle is not completed
        // into an existing one.
        combo->setCompleter(nullptr);
        combo->setMaxVisibleItems(16);
        KeepSingleLine(combo);
    }
    for (QLineEdit* box :
         {txtQty, txtItemName, txtItemUnit, txtItemPrice, txtAisleDescription, txtComments})
        KeepSingleLine(box);
    for (QWidget* box :
         std::initializer_list<QWidget*>{cboCategory, txtQty, txtItemName, txtItemUnit,
                                         txtItemPrice, cboAisles, txtAisleDescription, txtComments})
        PaintBoxColor(box, kLightYellow);
    for (QPushButton* button : {cmdAddtoMeal, cmdExpand, cmdClose})
        button->setAutoDefault(false);
}

void frmAddGrocery::buildMenus() {
    QMenu* options = addMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    const auto entry = [&](const char* name, const QString& caption,
                           void (frmAddGrocery::*handler)()) {
        return addEntry(options, QString::fromLatin1(name), caption, handler);
    };
    m_editingEntries << entry("mnuCategory", QStringLiteral("New &Category"),
                              &frmAddGrocery::mnuCategory_Click)
                     << entry("mnuNewMeal", QStringLiteral("New &Grocery Item"),
                              &frmAddGrocery::mnuNewMeal_Click)
                     << entry("mnuNewAisle", QStringLiteral("New &Aisle"),
                              &frmAddGrocery::mnuNewAisle_Click);
    addSeparator(options, QStringLiteral("mnusep1"));
    m_editingEntries << entry("mnuDeleteCategory", QStringLiteral("Delete &Category"),
                              &frmAddGrocery::mnuDeleteCategory_Click)
                     << entry("mnuDeleteItem", QStringLiteral("Delete &Grocery Item"),
                              &frmAddGrocery::mnuDeleteItem_Click)
                     << entry("mnuDeleteAisle", QStringLiteral("Delete &Aisle"),
                              &frmAddGrocery::mnuDeleteAisle_Click);
    addSeparator(options, QStringLiteral("mnusep2"));
    mnuDropDown = entry("mnuDropDown", QStringLiteral("Enable Auto Drop Down"),
                        &frmAddGrocery::mnuDropDown_Click);
    entry("mnuClose", QStringLiteral("&Close"), &frmAddGrocery::cmdClose_Click);
    addTopEntry(QStringLiteral("mnuView"), QStringLiteral("&View All Grocery Items"),
                &frmAddGrocery::mnuView_Click);
}

void frmAddGrocery::connectEvents() {
    connect(cboCategory, &QComboBox::activated, this, &frmAddGrocery::cboCategory_Click);
    connect(cboAisles, &QComboBox::activated, this, &frmAddGrocery::cboAisles_Click);
    // Refills block the list's signals, so only the user's choices run item selection.
    connect(lstGroceryItem, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            lstGroceryItem_Click();
    });
    connect(cmdSave, &QPushButton::clicked, this, &frmAddGrocery::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmAddGrocery::cmdClose_Click);
    connect(cmdExpand, &QPushButton::clicked, this, &frmAddGrocery::cmdExpand_Click);
    connect(cmdAddtoMeal, &QPushButton::clicked, this, &frmAddGrocery::cmdAddtoMeal_Click);

    // Only keys the user presses mark the window changed, never text the program sets.
    OnKey(cboCategory, QEvent::KeyPress, [this](QKeyEvent* event) {
        if (IsCharacterKey(event)) {
            setModified(true);
            m_categoryTyped = true;
        }
    });
    for (QWidget* box : std::initializer_list<QWidget*>{txtItemUnit, txtItemPrice, cboAisles,
                                                        txtAisleDescription, txtComments})
        OnKey(box, QEvent::KeyRelease, [this](QKeyEvent*) { setModified(true); });
    OnKey(txtItemName, QEvent::KeyRelease, [this](QKeyEvent*) {
        setModified(true);
        m_nameTyped = true;
    });
    // Typing a quantity replaces it whole.
    txtQty->installEventFilter(this);
}

bool frmAddGrocery::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtQty && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtQty, &QLineEdit::selectAll);
    return Form::eventFilter(watched, event);
}

void frmAddGrocery::Form_Load() {
    loadCategories();
    loadAisles();
    mnuDropDown->setText(app().settings.DropDown == 0 ? QStringLiteral("Enable Auto Drop Down")
                                                      : QStringLiteral("Disable Auto Drop Down"));
    PaintBackgrounds(app().settings.BackGroundColor, {this, Frame1, Frame2});
    if (isVisible())
        dropDownIfEnabled(cboCategory);
    setModified(false);
    m_nameTyped = false;
    m_categoryTyped = false;
}

void frmAddGrocery::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    cboCategory->setFocus();
    m_dropDownWhenActive = true;
    QTimer::singleShot(0, this, &frmAddGrocery::dropDownOnceActive);
}

void frmAddGrocery::changeEvent(QEvent* event) {
    Form::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        // After the desktop's activation has been handed out in full.
        QTimer::singleShot(0, this, &frmAddGrocery::dropDownOnceActive);
}

void frmAddGrocery::dropDownOnceActive() {
    // A list dropped down before the desktop has made this window the active one takes the
    // activation with it when it closes: the boxes then no longer learn that they gain or
    // lose the focus, and the caret stays in the category box while typing goes elsewhere.
    if (!m_dropDownWhenActive || !isActiveWindow())
        return;
    m_dropDownWhenActive = false;
    dropDownIfEnabled(cboCategory);
}

void frmAddGrocery::dropDownIfEnabled(QComboBox* combo) {
    if (app().settings.DropDown == 1 && combo->isVisible())
        combo->showPopup();
}

void frmAddGrocery::loadCategories() {
    SetComboEntries(cboCategory, {});
    IgnoreStoreErrors([&] { SetComboEntries(cboCategory, LoadCategories(app().store())); });
}

void frmAddGrocery::loadAisles() {
    SetComboEntries(cboAisles, {});
    IgnoreStoreErrors([&] { SetComboEntries(cboAisles, LoadAisles(app().store()), true); });
}

void frmAddGrocery::loadCategoryItems() {
    const QSignalBlocker blocker(lstGroceryItem);
    lstGroceryItem->clear();
    IgnoreStoreErrors([&] {
        lstGroceryItem->addItems(LoadCategoryItems(app().store(), cboCategory->currentText()));
    });
}

void frmAddGrocery::clearItemList() {
    const QSignalBlocker blocker(lstGroceryItem);
    lstGroceryItem->clear();
}

void frmAddGrocery::clearItemFields() {
    for (QLineEdit* box :
         {txtItemName, txtItemPrice, txtItemUnit, txtComments, txtAisleDescription})
        box->clear();
    cboAisles->setEditText(QString());
}

void frmAddGrocery::clearAll() {
    cboCategory->setEditText(QString());
    clearItemList();
    clearItemFields();
}

void frmAddGrocery::cboCategory_Click() {
    if (settleChanges() == Settlement::Kept)
        return;
    loadCategoryItems();
    clearItemFields();
    setModified(false);
}

void frmAddGrocery::showItem(const QString& category, const QString& item) {
    cboCategory->setEditText(category);
    loadCategoryItems();
    const auto matches = lstGroceryItem->findItems(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    // Making the entry current runs item selection.
    if (!matches.isEmpty())
        lstGroceryItem->setCurrentItem(matches.first());
}

void frmAddGrocery::lstGroceryItem_Click() {
    if (settleChanges() == Settlement::Kept)
        return;
    for (QLineEdit* box : {txtItemName, txtItemPrice, txtItemUnit, txtComments})
        box->clear();
    cboAisles->setEditText(QString());
    const QListWidgetItem* selected = lstGroceryItem->currentItem();
    if (!selected)
        return;
    const QString category = cboCategory->currentText().trimmed();
    const QString name = selected->text().trimmed();
    IgnoreStoreErrors([&] {
        if (const auto item = FindCatalogueItem(app().store(), category, name)) {
            txtItemName->setText(item->name);
            txtItemUnit->setText(item->size);
            txtItemPrice->setText(item->price);
            cboAisles->setEditText(item->aisle);
            txtComments->setText(item->comments);
        }
    });
    cboAisles_Click();
    if (isNarrow()) {
        cmdAddtoMeal->setEnabled(true);
        txtQty->setEnabled(true);
        txtQty->setText(QStringLiteral("1"));
        txtQty->setFocus();
    }
}

void frmAddGrocery::cboAisles_Click() {
    const QString aisle = cboAisles->currentText();
    txtAisleDescription->clear();
    IgnoreStoreErrors([&] {
        auto description = AisleDescription(app().store(), aisle);
        // An item may name its aisle in another letter case, or an aisle that has no row;
        // its text stays either way, so saving the item does not lose it.
        if (!description && !aisle.isEmpty()) {
            const QStringList aisles = LoadAisles(app().store());
            const auto same = std::find_if(aisles.cbegin(), aisles.cend(), [&](const QString& a) {
                return a.compare(aisle, Qt::CaseInsensitive) == 0;
            });
            if (same != aisles.cend())
                description = AisleDescription(app().store(), *same);
        }
        if (description)
            txtAisleDescription->setText(*description);
    });
}

void frmAddGrocery::cmdSave_Click() {
    saveChanges();
}

SaveResult frmAddGrocery::saveChanges() {
    if (m_categoryTyped && !cboCategory->currentText().isEmpty()) {
        const SaveResult category = AddCategory();
        if (category != SaveResult::Saved)
            return category;
    }
    if (!txtItemPrice->text().isEmpty() && !IsAcceptablePrice(txtItemPrice->text())) {
        app().messages().show(this, QStringLiteral("You must enter Numbers only! Item not saved!"),
                              QStringLiteral("Price Error!"), MsgButtons::Ok);
        txtItemPrice->setFocus();
        return SaveResult::Refused;
    }
    if (!txtItemName->text().isEmpty()) {
        const SaveResult item = StoreItem();
        if (item == SaveResult::Failed)
            return item;
        const QString typed = txtItemName->text();
        const QString name = typed.trimmed();
        bool listed = false;
        for (int i = 0; i < lstGroceryItem->count() && !listed; ++i)
            listed = lstGroceryItem->item(i)->text().left(typed.size()) == name;
        if (item == SaveResult::Saved && !listed)
            lstGroceryItem->addItem(typed);
    }
    if (!cboAisles->currentText().isEmpty()) {
        const QString aisle = cboAisles->currentText();
        try {
            SaveAisle(app().store(), aisle, txtAisleDescription->text());
        } catch (const StoreError&) {
            reportFailure(QStringLiteral("The Aisle could not be saved!"));
            return SaveResult::Failed;
        }
        loadAisles();
        cboAisles->setEditText(aisle);
    }
    setModified(false);
    m_categoryTyped = false;
    return SaveResult::Saved;
}

SaveResult frmAddGrocery::StoreItem() {
    const QString category = cboCategory->currentText();
    if (category.isEmpty()) {
        app().messages().show(this, QStringLiteral("You must Select a Catagory for this Item!"),
                              QString(), MsgButtons::Ok);
        cboCategory->setFocus();
        dropDownIfEnabled(cboCategory);
        return SaveResult::Refused;
    }
    if (m_nameTyped &&
        !lstGroceryItem->findItems(txtItemName->text(), Qt::MatchExactly | Qt::MatchCaseSensitive)
             .isEmpty()) {
        app().messages().show(this, QStringLiteral("Grocery Item already exsit!"), kInformation,
                              MsgButtons::Ok);
        return SaveResult::Refused;
    }
    const CatalogueItem item{txtItemName->text().trimmed(), txtItemUnit->text().trimmed(),
                             cboAisles->currentText().trimmed(), txtItemPrice->text().trimmed(),
                             txtComments->text().trimmed()};
    // A name of blanks only would store an item nobody can see or pick.
    if (item.name.isEmpty()) {
        app().messages().show(this, QStringLiteral("You Must Input a Name for this Item!"),
                              QString(), MsgButtons::Ok);
        m_nameTyped = false;
        return SaveResult::Refused;
    }
    try {
        StoreCatalogueItem(app().store(), category, item);
    } catch (const StoreError&) {
        // The name stays typed, so saving again still checks it.
        reportFailure(QStringLiteral("The Grocery Item could not be saved!"));
        return SaveResult::Failed;
    }
    m_nameTyped = false;
    return SaveResult::Saved;
}

SaveResult frmAddGrocery::AddCategory() {
    const QString name = cboCategory->currentText();
    if (app().messages().show(
            this, QStringLiteral("Do you want to create a new Category Named ") + name + " ?",
            QStringLiteral("Information"), MsgButtons::YesNo) != MsgAnswer::Yes) {
        clearItemList();
        loadCategories();
        return SaveResult::Saved;
    }
    bool exists = false;
    IgnoreStoreErrors([&] { exists = IsCategory(app().store(), name); });
    if (exists) {
        app().messages().show(this, QStringLiteral("Category already exsits!"), kInformation,
                              MsgButtons::Ok);
        return SaveResult::Saved;
    }
    if (!name.isEmpty()) {
        QString problem;
        IgnoreStoreErrors([&] { problem = CategoryNameProblem(app().store(), name); });
        if (!problem.isEmpty()) {
            app().messages().show(this, problem, kInformation, MsgButtons::Ok);
            cboCategory->setFocus();
            return SaveResult::Refused;
        }
        try {
            CreateCategory(app().store(), name);
        } catch (const StoreError&) {
            reportFailure(QStringLiteral("The Category could not be created!"));
            return SaveResult::Failed;
        }
    }
    m_categoryTyped = false;
    clearItemList();
    loadCategories();
    cboCategory->setEditText(name);
    return SaveResult::Saved;
}

void frmAddGrocery::cmdClose_Click() {
    if (settleChanges() != Settlement::Kept)
        close();
}

void frmAddGrocery::mnuNewMeal_Click() {
    m_nameTyped = false;
    clearAll();
    cboCategory->setFocus();
    dropDownIfEnabled(cboCategory);
}

void frmAddGrocery::mnuDeleteItem_Click() {
    const QString name = txtItemName->text();
    if (name.isEmpty()) {
        app().messages().show(this, QStringLiteral("You Must Select an Item to Delete!"),
                              kInformation, MsgButtons::Ok);
        return;
    }
    if (app().messages().show(this, QStringLiteral("Do you want to Delete item ") + name + " ?",
                              kConfirmDelete, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (!written(QStringLiteral("The Grocery Item could not be deleted!"), [&] {
            DeleteCatalogueItem(app().store(), cboCategory->currentText(), name.trimmed());
        }))
        return;
    cboCategory_Click();
}

void frmAddGrocery::mnuCategory_Click() {
    if (settleChanges() == Settlement::Kept)
        return;
    clearAll();
    cboCategory->setFocus();
    m_categoryTyped = true;
}

void frmAddGrocery::mnuDeleteCategory_Click() {
    const QString name = cboCategory->currentText().trimmed();
    if (name.isEmpty()) {
        app().messages().show(this, QStringLiteral("No Item to Delete! Select Item from List."),
                              kConfirmDelete, MsgButtons::Ok);
        return;
    }
    // The whole table is counted: one item or none gets the short question.
    int count = 0;
    IgnoreStoreErrors([&] { count = CategoryItemCount(app().store(), name); });
    const QString question =
        count <= 1 ? QStringLiteral("Do you want to Delete Category ") + name + " ?"
                   : QStringLiteral("Category ") + name +
                         QStringLiteral(" contains Grocery Items!\r\n\r\nIf you delete this "
                                        "Category all Grocery Items associated with it will be "
                                        "deleted also! \r\n\r\nDo you want to continue?");
    if (app().messages().show(this, question, kConfirmDelete, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (!written(QStringLiteral("The Category could not be deleted!"),
                 [&] { DeleteCategory(app().store(), name); }))
        return;
    clearItemList();
    clearItemFields();
    Form_Load();
}

void frmAddGrocery::mnuNewAisle_Click() {
    clearAll();
    cboAisles->setFocus();
}

void frmAddGrocery::mnuDeleteAisle_Click() {
    const QString aisle = cboAisles->currentText();
    if (!aisle.isEmpty()) {
        if (app().messages().show(this,
                                  QStringLiteral("Do you want to delete aisle ") + aisle + " ?",
                                  kConfirmDelete, MsgButtons::YesNo) != MsgAnswer::Yes)
            return;
        if (!written(QStringLiteral("The Aisle could not be deleted!"),
                     [&] { DeleteAisle(app().store(), aisle); }))
            return;
    }
    txtAisleDescription->clear();
    loadAisles();
    setModified(false);
}

void frmAddGrocery::mnuDropDown_Click() {
    if (mnuDropDown->text() == QLatin1String("Enable Auto Drop Down")) {
        app().settings.DropDown = 1;
        mnuDropDown->setText(QStringLiteral("Disable Auto Drop Down"));
        if (auto* combo = qobject_cast<QComboBox*>(focusWidget()))
            dropDownIfEnabled(combo);
        else if (auto* edit = qobject_cast<QLineEdit*>(focusWidget()))
            if (auto* owner = qobject_cast<QComboBox*>(edit->parentWidget()))
                dropDownIfEnabled(owner);
    } else {
        app().settings.DropDown = 0;
        mnuDropDown->setText(QStringLiteral("Enable Auto Drop Down"));
    }
}

void frmAddGrocery::mnuView_Click() {
    app().platform().modal().runModal(
        new frmAllItems(app(), this, [this](const QString& category, const QString& item) {
            showItem(category, item);
        }));
}

void frmAddGrocery::setEditingEntriesEnabled(bool enabled) {
    for (QAction* action : m_editingEntries)
        action->setEnabled(enabled);
}

void frmAddGrocery::setNarrow(bool narrow) {
    setClientSize(narrow ? kNarrowWidth : kWideWidth, kClientHeight);
    cmdExpand->setText(narrow ? QStringLiteral(">") : QStringLiteral("<"));
    cmdExpand->setAccessibleName(narrow ? QStringLiteral("Show Add/Edit Item")
                                        : QStringLiteral("Hide Add/Edit Item"));
}

void frmAddGrocery::prepareForMeal(QWidget* mealEditor) {
    m_opener = mealEditor;
    setNarrow(true);
    move(mealEditor->x(), mealEditor->y() + TwipsToPixels(600));
    setEditingEntriesEnabled(false);
}

void frmAddGrocery::prepareForList(QWidget* groceryList) {
    m_opener = groceryList;
    CenterForm(this);
    cmdAddtoMeal->setText(QStringLiteral("Add to List"));
    cmdAddtoMeal->setEnabled(true);
    txtQty->setEnabled(true);
    cmdExpand_Click();
}

void frmAddGrocery::cmdExpand_Click() {
    if (!isNarrow()) {
        setNarrow(true);
        if (lstGroceryItem->currentItem() && lstGroceryItem->currentItem()->isSelected())
            lstGroceryItem_Click();
        if (m_mode == CatalogueMode::ListPicker && m_opener)
            move(m_opener->x() + TwipsToPixels(7000), y());
        setEditingEntriesEnabled(false);
    } else {
        setNarrow(false);
        cmdAddtoMeal->setEnabled(false);
        txtQty->setEnabled(false);
        setEditingEntriesEnabled(true);
    }
    if (m_mode == CatalogueMode::MealPicker && m_opener)
        move(m_opener->x(), y());
}

PickedItem frmAddGrocery::pickedItem(const QString& item) const {
    return {cboCategory->currentText(),
            {item, txtItemUnit->text(), cboAisles->currentText(), txtItemPrice->text(),
             txtComments->text()},
            txtQty->text()};
}

void frmAddGrocery::cmdAddtoMeal_Click() {
    const QListWidgetItem* selected = lstGroceryItem->currentItem();
    const QString item = selected && selected->isSelected() ? selected->text() : QString();
    if (item.isEmpty()) {
        app().messages().show(this, QStringLiteral("First select an Item to Add!"), kInformation,
                              MsgButtons::Ok);
        return;
    }
    if (m_mode == CatalogueMode::ListPicker) {
        if (!m_add(pickedItem(item)))
            app().messages().show(this, QStringLiteral("Item Already in Grocery List!"),
                                  kInformation, MsgButtons::Ok);
        return;
    }
    if (m_mode != CatalogueMode::MealPicker)
        return;
    // The quantity ends at the first blank of a meal row, so only a plain count fits there.
    static const QRegularExpression wholeNumber(QStringLiteral("^[0-9]{1,3}$"));
    const QString quantity = txtQty->text();
    if (!wholeNumber.match(quantity).hasMatch() || quantity.toInt() < 1) {
        app().messages().show(this, QStringLiteral("Please enter a quantity from 1 to 999!"),
                              kInformation, MsgButtons::Ok);
        txtQty->setFocus();
        return;
    }
    if (!m_add(pickedItem(item)))
        app().messages().show(this, QStringLiteral("Item Already in Meal!"), kInformation,
                              MsgButtons::Ok);
}
