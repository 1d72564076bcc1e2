#include "SuiteHelpers.h"

#include "catalogue/frmAddGrocery.h"
#include "coupons/frmLinks.h"
#include "grocerylist/frmGroceryList.h"
#include "meals/frmAddMeal.h"
#include "planner/frmMenuPlanner.h"
#include "store/Catalogue.h"
#include "store/CouponLinks.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"
#include "store/Loaders.h"
#include "store/MealPlan.h"
#include "store/Meals.h"
#include "store/SavedWeeks.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <sqlite3.h>

QString IntegrityCheck(DataStore& store) {
    Statement check = store.prepare(QStringLiteral("PRAGMA integrity_check"));
    // A damaged file lists its faults; the first line says enough.
    return check.next() ? check.text(QStringLiteral("integrity_check")) : QString();
}

void UseQuickKeys() {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db, "PRAGMA cipher_default_kdf_iter = 2", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

Desk::Desk()
    : Program([](DataStore& store) {
          CreateCategory(store, "Base");
          StoreCatalogueItem(store, "Base", {"Base", "each", "", "1.00", ""});
          SaveAisle(store, "Base", "");
          WriteMeal(store, "Base", {true, false, false}, {{"", "Base", "Base", "1"}});
          WriteMealPlan(store, QStringList(kPlanSlots, QString()));
          SaveGroceryList(store, "Base",
                          {{"Base", "1", false, "each", "Base", "1.00", "Base", ""}});
          WriteCouponLinks(store, {"Base"});
          SaveWeek(store, "Base", QStringList(kPlanSlots, "Base"));
      }) {}

QString Type(Desk& desk, const TextField& field, const QString& text) {
    field.open(desk);
    auto* box = desk.window->findChild<QWidget*>(field.box);
    auto* combo = qobject_cast<QComboBox*>(box);
    QLineEdit* edit = combo ? combo->lineEdit() : static_cast<QLineEdit*>(box);
    QGuiApplication::clipboard()->setText(text);
    edit->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    return edit->text();
}

namespace {

frmAddGrocery* openCatalogue(Desk& d) {
    return d.show<frmAddGrocery>(CatalogueMode::Editor);
}

// The catalogue showing the Base category, with its Base item chosen when `item`.
template <bool item> void catalogue(Desk& d) {
    auto* w = openCatalogue(d);
    w->cboCategory->setCurrentIndex(w->cboCategory->findText("Base"));
    emit w->cboCategory->activated(w->cboCategory->currentIndex());
    if (item)
        w->lstGroceryItem->setCurrentRow(0);
}

// The grocery list's first line in the line editor, left open; the list is saved after it.
void lineEditor(Desk& d) {
    auto* list = d.show<frmGroceryList>();
    list->lstGroceryList->setCurrentIndex(list->list().index(0, 0));
    d.platform.modalRunner.leaveOpen = true;
    list->lstGroceryList_DblClick();
}

} // namespace

const QList<TextField>& TextFields() {
    const QStringList save = {"cmdSave"};
    const QStringList lineSave = {"cmdOk", "cmdSave"};
    static const QList<TextField> fields = {
        {"category", [](Desk& d) { d.press(openCatalogue(d), "mnuCategory"); }, "cboCategory",
         save},
        {"item name", catalogue<false>, "txtItemName", save, true},
        {"item size", catalogue<true>, "txtItemUnit", save, true},
        {"item price", catalogue<true>, "txtItemPrice", save, true},
        {"item comments", catalogue<true>, "txtComments", save, true},
        {"aisle", [](Desk& d) { d.press(openCatalogue(d), "mnuNewAisle"); }, "cboAisles", save,
         true},
        {"aisle description",
         [](Desk& d) { QTest::keyClicks(openCatalogue(d)->cboAisles, "Described"); },
         "txtAisleDescription", save, true},
        {"meal name",
         // The Base meal's items, saved under the name typed.
         [](Desk& d) { d.show<frmAddMeal>()->lstMeals->setCurrentRow(0); },
         "txtMealName",
         {"cmdSaveMeal"},
         true},
        {"list name", [](Desk& d) { d.show<frmGroceryList>(); }, "txtGroceryListName", save},
        {"link", [](Desk& d) { d.show<frmLinks>(); }, "txtLink", {"cmdAdd", "mnuExit"}},
        {"plan slot", [](Desk& d) { d.show<frmMenuPlanner>(); }, "cboMeals_3", save},
        {"week name",
         [](Desk& d) {
             auto* planner = d.show<frmMenuPlanner>();
             d.platform.modalRunner.leaveOpen = true;
             d.press(planner, "mnuSaveWeek");
         },
         "txtWeekName",
         {"cmdOK"},
         true},
        {"line editor: item", lineEditor, "txtGroceryItem", lineSave},
        {"line editor: quantity", lineEditor, "txtQty", lineSave},
        {"line editor: size", lineEditor, "txtUnit", lineSave},
        {"line editor: aisle", lineEditor, "cboAisles", lineSave},
        {"line editor: price", lineEditor, "txtPrice", lineSave},
        {"line editor: comments", lineEditor, "txtComments", lineSave},
    };
    return fields;
}
