// Every save, made through its window over a file layer that fails the Nth write, sync or
// truncate (or finds the disk full from the Nth write on), for N = 1, 2, 3 ... until the
// save goes through: each failure is told, the window keeps the change, and the file read
// back through the system's own layer still holds what it held before.
#include "FaultyVfs.h"
#include "StoreChecks.h"
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "catalogue/frmAddGrocery.h"
#include "coupons/frmLinks.h"
#include "grocerylist/frmAddItems.h"
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
#include "store/Settings.h"
#include "ui/ListUtilities.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

using FaultyVfs::Fault;

// The running program over a file holding a little of everything.
struct Desk {
    TestData data;
    std::unique_ptr<frmMain> main;
    FakeMessageBoxes& boxes = data.platform.messageBoxes;
    // A window a case opens itself rather than through another window.
    QPointer<Form> window;

    Desk() {
        {
            auto store = DataStore::open(data.dataFile());
            CreateCategory(*store, "Dairy");
            StoreCatalogueItem(*store, "Dairy", {"Milk", "1 gal", "B1", "3.59", ""});
            StoreCatalogueItem(*store, "Dairy", {"Butter", "1 lb", "", "2.00", ""});
            CreateCategory(*store, "Snacks");
            StoreCatalogueItem(*store, "Snacks", {"Chips", "", "", "", ""});
            SaveAisle(*store, "B1", "Dairy and Eggs");
            WriteMeal(*store, "Toast", {true, false, false}, {{"", "Bread", "Bakery", "2"}});
            WriteMealPlan(*store, QStringList{"Toast"} + QStringList(20, QString()));
            SaveGroceryList(*store, "Weekly",
                            {{"Milk", "2", "", "1 gal", "B1", "3.59", "Dairy", ""},
                             {"Bread", "1", "", "loaf", "", "2.25", "Bakery", ""}});
            WriteCouponLinks(*store, {"www.a.com"});
        }
        main = Main(data.app);
    }
    ~Desk() { delete window; }
    DataStore& store() { return data.app.store(); }
    template <typename W> W* shown() { return main->findChild<W*>(); }
    template <typename W> W* open(W* form) {
        window = form;
        form->show();
        return form;
    }
};

frmAddGrocery* catalogue(Desk& d) {
    return static_cast<frmAddGrocery*>(d.window.data());
}

void pick(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(combo->findText(text));
    emit combo->activated(combo->currentIndex());
}

void retype(QLineEdit* box, const QString& text) {
    box->clear();
    QTest::keyClicks(box, text);
}

// One save routine as a window runs it.
struct Case {
    // Opens the window and makes a change, short of saving it.
    std::function<void(Desk&)> edit;
    // What the user does to save: a button, a menu entry or closing the window.
    std::function<void(Desk&)> save;
    // The window still shows the change and still counts it as unsaved.
    std::function<bool(Desk&)> kept;
    // The change is in the file.
    std::function<bool(DataStore&)> stored;
    QString failure;
};

Case groceryList() {
    return {[](Desk& d) {
                d.main->cmdGroceryList->click();
                QListWidget* list = d.shown<frmGroceryList>()->lstGroceryList;
                list->setCurrentRow(0);
                QTest::keyClick(list, Qt::Key_Plus);
            },
            [](Desk& d) { d.shown<frmGroceryList>()->cmdSave->click(); },
            [](Desk& d) {
                const frmGroceryList* w = d.shown<frmGroceryList>();
                return w->isDirty() &&
                       ListTexts(w->lstGroceryList).first().startsWith("Bread\t2\t");
            },
            [](DataStore& s) { return ReadGroceryList(s, "Weekly").last().quantity == "2"; },
            "The Grocery List could not be saved! Your list is still on the screen; please try "
            "again."};
}

Case meal() {
    return {[](Desk& d) {
                d.main->cmdCreateMeals->click();
                frmAddMeal* w = d.shown<frmAddMeal>();
                w->lstMeals->setCurrentRow(0);
                w->lstItems->setCurrentRow(0);
                QTest::keyClick(w->lstItems, Qt::Key_Plus);
            },
            [](Desk& d) { d.shown<frmAddMeal>()->cmdSaveMeal->click(); },
            [](Desk& d) {
                const frmAddMeal* w = d.shown<frmAddMeal>();
                return w->ChangeFlag == 1 &&
                       ListTexts(w->lstItems) == QStringList{"3 Bread\t\t\tBakery"};
            },
            [](DataStore& s) { return ReadMealItems(s, {"Toast"}).first().quantity == "3"; },
            "The Meal could not be saved! Your meal is still on the screen; please try again."};
}

Case plan() {
    return {[](Desk& d) {
                d.main->cmdMenuPlanner->click();
                QTest::keyClicks(d.shown<frmMenuPlanner>()->cboMeals[3], "Stew");
            },
            [](Desk& d) { d.shown<frmMenuPlanner>()->cmdSave->click(); },
            [](Desk& d) {
                const frmMenuPlanner* w = d.shown<frmMenuPlanner>();
                return w->changed == 1 && w->cboMeals[3]->currentText() == "Stew";
            },
            [](DataStore& s) { return ReadMealPlan(s).value(3) == "Stew"; },
            "The Menu could not be saved! Your menu is still on the screen; please try again."};
}

Case links() {
    return {
        [](Desk& d) {
            auto* w = d.open(new frmLinks(d.data.app));
            QTest::keyClicks(w->txtLink, "www.b.com");
            w->cmdAdd->click();
        },
        [](Desk& d) { d.window->close(); },
        [](Desk& d) {
            auto* w = static_cast<frmLinks*>(d.window.data());
            return w->isVisible() && ListTexts(w->lstLink) == QStringList{"www.a.com", "www.b.com"};
        },
        [](DataStore& s) { return LoadCouponLinks(s).size() == 2; },
        "Your links could not be saved!"};
}

Case catalogueItem() {
    return {[](Desk& d) {
                auto* w = d.open(new frmAddGrocery(d.data.app));
                pick(w->cboCategory, "Dairy");
                w->lstGroceryItem->setCurrentRow(0); // Butter, which names no aisle
                retype(w->txtItemPrice, "4.25");
            },
            [](Desk& d) { catalogue(d)->cmdSave->click(); },
            [](Desk& d) {
                return catalogue(d)->changedFlag == 1 &&
                       catalogue(d)->txtItemPrice->text() == "4.25";
            },
            [](DataStore& s) { return FindCatalogueItem(s, "Dairy", "Butter")->price == "4.25"; },
            "The Grocery Item could not be saved!"};
}

Case aisle() {
    return {[](Desk& d) {
                auto* w = d.open(new frmAddGrocery(d.data.app));
                w->findChild<QAction*>("mnuNewAisle")->trigger();
                QTest::keyClicks(w->cboAisles, "C9");
                QTest::keyClicks(w->txtAisleDescription, "Frozen");
            },
            [](Desk& d) { catalogue(d)->cmdSave->click(); },
            [](Desk& d) {
                return catalogue(d)->changedFlag == 1 &&
                       catalogue(d)->cboAisles->currentText() == "C9";
            },
            [](DataStore& s) { return AisleDescription(s, "C9") == "Frozen"; },
            "The Aisle could not be saved!"};
}

Case newCategory() {
    return {[](Desk& d) {
                auto* w = d.open(new frmAddGrocery(d.data.app));
                w->findChild<QAction*>("mnuCategory")->trigger();
                QTest::keyClicks(w->cboCategory, "Frozen");
            },
            [](Desk& d) { catalogue(d)->cmdSave->click(); },
            [](Desk& d) {
                return catalogue(d)->categoryTypedFlag == 1 &&
                       catalogue(d)->cboCategory->currentText() == "Frozen";
            },
            [](DataStore& s) { return IsCategory(s, "Frozen") && s.tableExists("Frozen"); },
            "The Category could not be created!"};
}

Case deletedCategory() {
    return {[](Desk& d) {
                auto* w = d.open(new frmAddGrocery(d.data.app));
                pick(w->cboCategory, "Snacks");
            },
            [](Desk& d) { catalogue(d)->findChild<QAction*>("mnuDeleteCategory")->trigger(); },
            [](Desk& d) {
                return catalogue(d)->cboCategory->currentText() == "Snacks" &&
                       catalogue(d)->lstGroceryItem->count() == 1;
            },
            [](DataStore& s) { return !IsCategory(s, "Snacks") && !s.tableExists("Snacks"); },
            "The Category could not be deleted!"};
}

Case editDialog() {
    return {[](Desk& d) {
                d.main->cmdGroceryList->click();
                frmGroceryList* list = d.shown<frmGroceryList>();
                list->lstGroceryList->setCurrentRow(1); // Milk, of the Dairy category
                auto* w = d.open(new frmAddItems(d.data.app, list));
                retype(w->txtPrice, "3.99");
            },
            [](Desk& d) { static_cast<frmAddItems*>(d.window.data())->cmdOk->click(); },
            [](Desk& d) {
                auto* w = static_cast<frmAddItems*>(d.window.data());
                return w->isVisible() && w->txtPrice->text() == "3.99" &&
                       ListTexts(d.shown<frmGroceryList>()->lstGroceryList).last().contains("3.59");
            },
            [](DataStore& s) { return FindCatalogueItem(s, "Dairy", "Milk")->price == "3.99"; },
            "The Grocery Item could not be saved! Your changes are still on the screen; please "
            "try again."};
}

Case exitSettings() {
    return {[](Desk& d) { d.data.app.settings.BackGroundColor = 0x00123456; },
            [](Desk& d) {
                // The program ends after each try, so each starts from a shown window.
                d.main->show();
                d.main->close();
            },
            [](Desk&) { return true; },
            [](DataStore& s) { return ReadSettings(s).BackGroundColor == 0x00123456; },
            "Your settings could not be saved!"};
}

} // namespace

Q_DECLARE_METATYPE(Case)
Q_DECLARE_METATYPE(Fault)

class TestIoErrors : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        UseQuickKeys();
        FaultyVfs::install();
    }

    void failedWritesAreToldAndLeaveTheFileAsItWas_data() {
        QTest::addColumn<Case>("routine");
        QTest::addColumn<Fault>("fault");
        const std::pair<const char*, Case> cases[] = {
            {"SaveGroceryList", groceryList()},
            {"WriteMeal", meal()},
            {"WriteMealPlan", plan()},
            {"WriteCouponLinks", links()},
            {"StoreCatalogueItem", catalogueItem()},
            {"StoreCatalogueItem from the edit dialog", editDialog()},
            {"SaveAisle", aisle()},
            {"CreateCategory", newCategory()},
            {"DeleteCategory", deletedCategory()},
            {"WriteExitSettings", exitSettings()},
        };
        for (const auto& [name, routine] : cases) {
            QTest::addRow("%s, I/O error", name) << routine << Fault::IoError;
            QTest::addRow("%s, disk full", name) << routine << Fault::DiskFull;
        }
    }

    void failedWritesAreToldAndLeaveTheFileAsItWas() {
        QFETCH(Case, routine);
        QFETCH(Fault, fault);
        Desk desk;
        const QStringList before = DumpTables(desk.store());
        routine.edit(desk);
        int injected = 0;
        int told = 0;
        for (int n = 1;; ++n) {
            desk.data.app.openStore(FaultyVfs::kName);
            desk.boxes.shown.clear();
            FaultyVfs::arm(fault, n);
            routine.save(desk);
            const bool failed = FaultyVfs::disarm() > 0;
            desk.data.app.closeStore();

            const auto file = DataStore::open(desk.data.dataFile());
            QCOMPARE(IntegrityCheck(*file), QString("ok"));
            QStringList errors;
            for (const ShownMessage& shown : desk.boxes.shown)
                if (shown.title == "Error!")
                    errors << shown.text;
            if (!failed) {
                QCOMPARE(errors, QStringList());
                QVERIFY2(routine.stored(*file),
                         qPrintable(QString("after %1 faults").arg(injected)));
                break;
            }
            ++injected;
            told += errors == QStringList{routine.failure};
            QVERIFY2(errors == QStringList{routine.failure},
                     qPrintable(QString("fault %1: %2").arg(n).arg(errors.join(", "))));
            QVERIFY2(routine.kept(desk), qPrintable(QString("fault %1").arg(n)));
            QCOMPARE(DumpTables(*file), before);
        }
        qInfo("%d faults injected, %d told to the user", injected, told);
        QVERIFY(injected > 0);
    }
};

QTEST_MAIN(TestIoErrors)
#include "tst_ioerrors.moc"
