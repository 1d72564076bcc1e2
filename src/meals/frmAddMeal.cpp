#include "frmAddMeal.h"

#include "catalogue/ShowCatalogue.h"
#include "domain/MealItemRow.h"
#include "help/ShowAboutBox.h"
#include "store/Loaders.h"
#include "store/StoreError.h"
#include "ui/AppContext.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/KeyEvents.h"
#include "ui/ListUtilities.h"
#include "ui/SingleLineInput.h"
#include "ui/WrappingButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <optional>

namespace {

int selectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

} // namespace

frmAddMeal::frmAddMeal(AppContext& app, QWidget* parent)
    : Form(app, QStringLiteral("frmAddMeal"), QStringLiteral("Add/Edit Meals!"), parent) {
    setClientSize(7725, 6735);
    buildControls();
    buildMenus();
    Form_Load();
}

void frmAddMeal::buildControls() {
    Label1_10 = place<QLabel>(QStringLiteral("Label1_10"), 120, 120, 3900, 495);
    Label1_10->setText(QStringLiteral("Meal Editor!"));
    Label1_10->setFont(ProgramFont(16, true));
    SetTextColor(Label1_10, Qt::blue);

    Comments = place<QLabel>(QStringLiteral("Comments"), 4200, 240, 3405, 375);
    Comments->setText(QStringLiteral("....easily create meals!"));
    Comments->setFont(ProgramFont(10, true));
    SetTextColor(Comments, Qt::red);

    Frame1 = place<QGroupBox>(QStringLiteral("Frame1"), 120, 720, 2895, 5895);
    Frame1->setTitle(QStringLiteral("Select Meal!"));
    lstMeals = place<QListWidget>(QStringLiteral("lstMeals"), 120, 360, 2655, 5340, Frame1);

    Frame2 = place<QGroupBox>(QStringLiteral("Frame2"), 3120, 720, 3015, 5895);
    Frame2->setTitle(QStringLiteral("Add/Edit Meal"));
    Label1_0 = place<QLabel>(QStringLiteral("Label1_0"), 120, 240, 2775, 255, Frame2);
    Label1_0->setText(QStringLiteral("Meal Name!"));
    txtMealName = place<QLineEdit>(QStringLiteral("txtMealName"), 120, 480, 2775, 375, Frame2);
    txtMealName->setMaxLength(kMaxMealNameLength);
    KeepSingleLine(txtMealName);
    chkBreakfast = place<QCheckBox>(QStringLiteral("chkBreakfast"), 120, 960, 1080, 300, Frame2);
    chkBreakfast->setText(QStringLiteral("Breakfast"));
    chkLunch = place<QCheckBox>(QStringLiteral("chkLunch"), 1200, 960, 840, 300, Frame2);
    chkLunch->setText(QStringLiteral("Lunch"));
    chkDinner = place<QCheckBox>(QStringLiteral("chkDinner"), 2040, 960, 855, 300, Frame2);
    chkDinner->setText(QStringLiteral("Dinner"));
    Label5 = place<QLabel>(QStringLiteral("Label5"), 120, 1320, 2775, 255, Frame2);
    Label5->setText(QStringLiteral("Qty - Items in Meal!"));
    lstItems = place<QListWidget>(QStringLiteral("lstItems"), 120, 1560, 2775, 3180, Frame2);
    // A row's three TABs reach the third stop past the item, so stops close together put
    // every category in one column inside the list, after all but the longest item names.
    SetListTabStops(lstItems, {68, 69, 70});
    Label2 = place<QLabel>(QStringLiteral("Label2"), 480, 4775, 2415, 255, Frame2);
    Label2->setText(QStringLiteral("(Press + or - to Change Qty)"));
    // These captions only fit their fixed widths in the window's small 8-point type.
    for (QWidget* widget :
         std::initializer_list<QWidget*>{chkBreakfast, chkLunch, chkDinner, Label2}) {
        QFont font = widget->font();
        font.setPointSize(8);
        widget->setFont(font);
    }

    // Made after Frame2 so that they stand over its lower edge.
    cmdAddItem = place<WrappingButton>(QStringLiteral("cmdAddItem"), 3360, 5760, 975, 735);
    cmdAddItem->setText(QStringLiteral("Add Grocery Item"));
    cmdRemoveItem = place<WrappingButton>(QStringLiteral("cmdRemoveItem"), 4800, 5760, 975, 735);
    cmdRemoveItem->setText(QStringLiteral("Remove Grocery Item"));
    setItemButtons(false);

    cmdNewMeal = place<QPushButton>(QStringLiteral("cmdNewMeal"), 6240, 840, 1335, 375);
    cmdNewMeal->setText(QStringLiteral("New Meal"));
    cmdSaveMeal = place<QPushButton>(QStringLiteral("cmdSaveMeal"), 6240, 1320, 1335, 375);
    cmdSaveMeal->setText(QStringLiteral("Save Meal"));
    cmdDeleteMeal = place<QPushButton>(QStringLiteral("cmdDeleteMeal"), 6240, 1800, 1335, 375);
    cmdDeleteMeal->setText(QStringLiteral("Delete Meal"));
    cmdClose = place<QPushButton>(QStringLiteral("cmdClose"), 6240, 5640, 1335, 375);
    cmdClose->setText(QStringLiteral("Return to Main"));

    connect(lstMeals, &QListWidget::itemSelectionChanged, this, &frmAddMeal::lstMeals_Click);
    // Only the user's edits count as typing; text the program puts in does not.
    connect(txtMealName, &QLineEdit::textEdited, this, &frmAddMeal::txtMealName_KeyPress);
    txtMealName->installEventFilter(this);
    connect(chkBreakfast, &QCheckBox::clicked, this, &frmAddMeal::chkBreakfast_Click);
    connect(chkLunch, &QCheckBox::clicked, this, &frmAddMeal::chkLunch_Click);
    connect(chkDinner, &QCheckBox::clicked, this, &frmAddMeal::chkDinner_Click);
    connect(lstItems, &QListWidget::itemSelectionChanged, this, &frmAddMeal::lstItems_Click);
    OnKey(lstItems, QEvent::KeyRelease, [this](QKeyEvent* event) { lstItems_KeyUp(event); });
    connect(cmdAddItem, &QPushButton::clicked, this, &frmAddMeal::cmdAddItem_Click);
    connect(cmdRemoveItem, &QPushButton::clicked, this, &frmAddMeal::cmdRemoveItem_Click);
    connect(cmdNewMeal, &QPushButton::clicked, this, &frmAddMeal::cmdNewMeal_Click);
    connect(cmdSaveMeal, &QPushButton::clicked, this, &frmAddMeal::cmdSaveMeal_Click);
    connect(cmdDeleteMeal, &QPushButton::clicked, this, &frmAddMeal::cmdDeleteMeal_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmAddMeal::cmdClose_Click);
}

void frmAddMeal::buildMenus() {
    QMenu* file = addMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    addEntry(file, QStringLiteral("mnuNewMeal"), QStringLiteral("&New Meal"),
             &frmAddMeal::cmdNewMeal_Click);
    addEntry(file, QStringLiteral("mnuSave"), QStringLiteral("&Save Meal"),
             &frmAddMeal::cmdSaveMeal_Click);
    addEntry(file, QStringLiteral("mnuDelete"), QStringLiteral("&Delete Meal"),
             &frmAddMeal::cmdDeleteMeal_Click);
    addSeparator(file, QStringLiteral("mnuSep"));
    addEntry(file, QStringLiteral("mnuClose"), QStringLiteral("&Return to Main"),
             &frmAddMeal::cmdClose_Click);

    QMenu* help = addMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    addEntry(help, QStringLiteral("mnuList"), QStringLiteral("&Using Pantrelle"),
             &frmAddMeal::mnuList_Click, QKeySequence(Qt::Key_F1));
    addEntry(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Pantrelle"),
             &frmAddMeal::mnuAbout_Click);
}

void frmAddMeal::Form_Load() {
    refillMealList();
    PaintBackgrounds(app().settings.BackGroundColor,
                     {this, Frame1, Frame2, chkBreakfast, chkLunch, chkDinner});
}

void frmAddMeal::refillMealList() {
    IgnoreStoreErrors([&] {
        const QStringList names = LoadMealNames(app().store());
        lstMeals->clear();
        lstMeals->addItems(names);
    });
}

void frmAddMeal::clearEditor() {
    txtMealName->clear();
    chkBreakfast->setChecked(false);
    chkLunch->setChecked(false);
    chkDinner->setChecked(false);
    setItems({});
}

void frmAddMeal::setItems(QList<MealItem> items) {
    m_items = std::move(items);
    lstItems->clear();
    for (const MealItem& item : m_items)
        lstItems->addItem(BuildMealItemRow(item.quantity, item.item, item.category));
}

void frmAddMeal::setItemButtons(bool enabled) {
    cmdAddItem->setEnabled(enabled);
    cmdRemoveItem->setEnabled(enabled);
}

void frmAddMeal::inform(const QString& text, const QString& title) {
    app().messages().show(this, text, title, MsgButtons::Ok);
}

void frmAddMeal::lstMeals_Click() {
    const QListWidgetItem* picked = lstMeals->currentItem();
    // Emptying the list while it is refilled selects nothing and loads nothing.
    if (!picked || !picked->isSelected())
        return;
    const QString name = picked->text().trimmed();
    if (settleChanges() == Settlement::Kept) {
        // The unsaved meal stays; picking again asks again.
        const QSignalBlocker blocker(lstMeals);
        lstMeals->clearSelection();
        return;
    }
    cmdRemoveItem->setEnabled(false);
    cmdAddItem->setEnabled(true);
    clearEditor();
    IgnoreStoreErrors([&] {
        const Meal meal = ReadMeal(app().store(), name);
        txtMealName->setText(meal.name);
        chkBreakfast->setChecked(meal.types.breakfast);
        chkLunch->setChecked(meal.types.lunch);
        chkDinner->setChecked(meal.types.dinner);
        setItems(meal.items);
    });
    setModified(false);
    // The name now shown was picked, so saving it replaces the meal.
    m_nameTyped = false;
}

void frmAddMeal::cmdNewMeal_Click() {
    if (settleChanges() == Settlement::Kept)
        return;
    clearEditor();
    setItemButtons(false);
    txtMealName->setFocus();
    setModified(false);
    m_nameTyped = false;
    refillMealList();
}

void frmAddMeal::txtMealName_KeyPress() {
    m_nameTyped = true;
    setModified(true);
    cmdAddItem->setEnabled(true);
}

void frmAddMeal::txtMealName_Click() {
    cmdRemoveItem->setEnabled(false);
    cmdAddItem->setEnabled(true);
}

bool frmAddMeal::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtMealName && event->type() == QEvent::MouseButtonRelease)
        txtMealName_Click();
    return Form::eventFilter(watched, event);
}

void frmAddMeal::chkBreakfast_Click() {
    setModified(true);
}

void frmAddMeal::chkLunch_Click() {
    setModified(true);
}

void frmAddMeal::chkDinner_Click() {
    setModified(true);
}

void frmAddMeal::lstItems_Click() {
    if (selectedRow(lstItems) >= 0)
        cmdRemoveItem->setEnabled(true);
}

void frmAddMeal::cmdAddItem_Click() {
    if (txtMealName->text().trimmed().isEmpty()) {
        inform(QStringLiteral("You Must Select or Name this meal First!"),
               QStringLiteral("Information!"));
        txtMealName->setFocus();
        return;
    }
    ShowCatalogueForMeal(app(), this,
                         [this](const PickedItem& picked) { return addPickedItem(picked); });
    setModified(true);
}

bool frmAddMeal::addPickedItem(const PickedItem& picked) {
    if (MealHoldsItem(m_items, picked.item.name))
        return false;
    QList<MealItem> items = m_items;
    items.append({QString(), picked.item.name, picked.category, picked.quantity});
    setItems(std::move(items));
    return true;
}

void frmAddMeal::cmdRemoveItem_Click() {
    const int row = selectedRow(lstItems);
    if (row < 0) {
        inform(QStringLiteral("Please Select an Item to Remove!"), QStringLiteral("Information!"));
        return;
    }
    if (app().messages().show(
            this, QStringLiteral("Do you want to remove this Item from the Meal?"),
            QStringLiteral("Confirm Remove!"), MsgButtons::YesNo) == MsgAnswer::No)
        return;
    m_items.removeAt(row);
    delete lstItems->takeItem(row);
    setModified(true);
    cmdRemoveItem->setEnabled(false);
}

void frmAddMeal::lstItems_KeyUp(QKeyEvent* event) {
    const int step = IsPlusKey(event) ? 1 : IsMinusKey(event) ? -1 : 0;
    const int row = selectedRow(lstItems);
    if (step == 0 || row < 0)
        return;
    m_items[row] = StepMealItem(m_items[row], step);
    const MealItem& item = m_items[row];
    lstItems->item(row)->setText(BuildMealItemRow(item.quantity, item.item, item.category));
    setModified(true);
}

void frmAddMeal::cmdSaveMeal_Click() {
    saveChanges();
}

SaveResult frmAddMeal::saveChanges() {
    const QString name = txtMealName->text().trimmed();
    if (name.isEmpty()) {
        inform(QStringLiteral("You must Name this Meal!"), QStringLiteral("Error!"));
        txtMealName->setFocus();
        return SaveResult::Refused;
    }
    if (m_nameTyped &&
        !lstMeals->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        inform(QStringLiteral("Meal already Exist!"), QStringLiteral("Meal Error!"));
        return SaveResult::Refused;
    }
    if (!chkBreakfast->isChecked() && !chkLunch->isChecked() && !chkDinner->isChecked()) {
        inform(QStringLiteral("You must check a meal type!"), QStringLiteral("Error!"));
        return SaveResult::Refused;
    }
    if (m_items.isEmpty()) {
        inform(QStringLiteral("You must have at least one Item in this Meal!"),
               QStringLiteral("Save Meal!"));
        txtMealName->setFocus();
        return SaveResult::Refused;
    }
    QList<MealItem> items;
    for (const MealItem& item : m_items)
        items.append({name, item.item.trimmed(), item.category.left(kMealCategoryLength).trimmed(),
                      item.quantity.trimmed()});
    try {
        WriteMeal(app().store(), name,
                  {chkBreakfast->isChecked(), chkLunch->isChecked(), chkDinner->isChecked()},
                  items);
    } catch (const StoreError&) {
        // Nothing was stored: the edits stay unsaved, so leaving still asks about them.
        reportFailure(QStringLiteral("The Meal could not be saved! Your meal is still on the "
                                     "screen; please try again."));
        return SaveResult::Failed;
    }
    refillMealList();
    setModified(false);
    setItemButtons(false);
    m_nameTyped = false;
    return SaveResult::Saved;
}

void frmAddMeal::cmdDeleteMeal_Click() {
    const QString name = txtMealName->text().trimmed();
    if (name.isEmpty()) {
        inform(QStringLiteral("Please Select a Meal to Delete!"), QStringLiteral("Information!"));
        return;
    }
    std::optional<bool> planned;
    IgnoreStoreErrors([&] { planned = IsMealPlanned(app().store(), name); });
    // A plan that cannot be read may well name the meal.
    if (!planned)
        return;
    if (*planned) {
        inform(QStringLiteral("This Meal is in Use! Remove from Menu Planner before deleting!"),
               QStringLiteral("Information!"));
        return;
    }
    if (app().messages().show(this, QStringLiteral("Do you want to Delete this Meal?"),
                              QStringLiteral("Confirm Delete!"),
                              MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    if (!written(QStringLiteral("The Meal could not be deleted!"),
                 [&] { DeleteMeal(app().store(), name); }))
        return;
    clearEditor();
    refillMealList();
    setItemButtons(false);
    setModified(false);
}

void frmAddMeal::cmdClose_Click() {
    if (settleChanges() == Settlement::Kept)
        return;
    close();
}

bool frmAddMeal::Form_Unload() {
    // Saving from the close box keeps the editor open on the saved meal.
    const Settlement settled = settleChanges();
    if (settled == Settlement::Saved || settled == Settlement::Kept)
        return false;
    app().showMainWindow();
    return true;
}

void frmAddMeal::mnuList_Click() {
    OpenDocument(app(), app().manualPath());
}

void frmAddMeal::mnuAbout_Click() {
    ShowAboutBox(app(), this, true);
}
