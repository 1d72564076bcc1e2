// The grocery list window, its saved-list chooser and its line editor, driven through their
// controls from the main window over a real data file.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "catalogue/frmAddGrocery.h"
#include "grocerylist/frmAddItems.h"
#include "grocerylist/frmGroceryList.h"
#include "grocerylist/frmSavedList.h"
#include "store/Catalogue.h"
#include "store/DataStore.h"
#include "store/GroceryLists.h"
#include "ui/ListUtilities.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

const QString kSaveQuestion("Your data has changed. Do you want to save changes?");
const QString kRemoveQuestion("Do you want to remove the Selected Grocery Item(s)?");

// A double-click on a line, as the mouse makes it: a click, then the second press.
void doubleClick(QAbstractItemView* list, int row) {
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList column(const QAbstractItemView* list, int field) {
    QStringList values;
    for (const QString& line : ListTexts(list))
        values << line.section('\t', field, field);
    return values;
}

// A running program whose grocery list window shows the list "Weekly", saved last.
struct Session {
    TestData data;
    std::unique_ptr<frmMain> main;
    QPointer<frmGroceryList> window;
    FakeMessageBoxes& boxes = data.platform.messageBoxes;

    Session() {
        {
            auto store = DataStore::open(data.dataFile());
            CreateCategory(*store, "Dairy");
            for (const char* item : {"Milk", "Butter", "Cheese", "Eggs"})
                store->run("INSERT INTO Dairy VALUES (?1, '1 lb', 'B1', '2.00', '')",
                           QString(item));
            SaveGroceryList(*store, "Weekly",
                            {{"Milk", "2", true, "1 gal", "B1", "3.50", "Dairy", ""},
                             {"Bread", "10", false, "loaf", "a3", "2.25", "Bakery", ""},
                             {"Eggs", "9", false, "dozen", "B2", "2", "Dairy", QString(30, 'c')}});
        }
        main = Main(data.app);
        main->cmdGroceryList->click();
        window = main->findChild<frmGroceryList*>();
    }

    DataStore& store() { return data.app.store(); }
    QListView* list() { return window->lstGroceryList; }
    QModelIndex line(int row) { return list()->model()->index(row, 0); }
    bool changed() { return window->isModified(); }
    QStringList items() { return column(list(), 0); }
    QStringList saved(const QString& name) {
        QStringList names;
        for (const GroceryListLine& line : ReadGroceryList(store(), name))
            names << line.item + " " + line.quantity;
        return names;
    }
    void select(std::initializer_list<int> rows) {
        list()->clearSelection();
        for (int row : rows)
            list()->selectionModel()->setCurrentIndex(line(row), QItemSelectionModel::Select);
    }
    // Shows `lines`, saved under `name`, as the current list.
    void show(const QString& name, const QList<GroceryListLine>& lines) {
        SaveGroceryList(store(), name, lines);
        window->showSavedList(name);
    }
    void key(int row, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        select({row});
        QTest::keyClick(list(), key, modifiers);
    }
    // Makes the next list save fail half way, as a full disk would.
    void failSaves() {
        store().run("CREATE TRIGGER full BEFORE INSERT ON GroceryList "
                    "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    }
};

} // namespace

class TestGroceryList : public QObject {
    Q_OBJECT

private slots:
    void opensTheListSavedLastAndAsksOnLeaving() {
        Session s;
        QVERIFY(s.window->isVisible() && !s.main->isVisible());
        QCOMPARE(s.items(), (QStringList{"Bread", "Eggs", "Milk"}));
        QCOMPARE(column(s.list(), 2), (QStringList{"", "", "Yes"}));
        QCOMPARE(s.window->txtGroceryListName->text(), QString("Weekly"));
        QCOMPARE(s.window->lblItems->text() + " " + s.window->lblPrice->text(),
                 QString("Total Items 3 Total Estimated Price $47.50"));
        // Coupons come up modal, the about box beside the list.
        s.window->findChild<QAction*>("mnuCoupons")->trigger();
        QCOMPARE(s.data.platform.modalRunner.opened, QStringList{"frmCoupons"});
        s.window->findChild<QAction*>("mnuAbout")->trigger();
        auto* about = s.window->findChild<QDialog*>("AboutBox");
        QVERIFY(about && about->isVisible() && !about->isModal());
        about->close();

        // No discards the changes; by the close box, Yes saves under the name typed.
        s.key(0, Qt::Key_Plus);
        s.boxes.answers = {MsgAnswer::No};
        s.window->cmdExit->click();
        QVERIFY(s.main->isVisible());
        QCOMPARE(s.saved("Weekly"), (QStringList{"Milk 2", "Bread 10", "Eggs 9"}));
        QTRY_VERIFY(!s.window);
        s.main->cmdGroceryList->click();
        s.window = s.main->findChild<frmGroceryList*>();
        QCOMPARE(column(s.list(), 1), (QStringList{"10", "9", "2"}));
        QTest::keyClicks(s.window->txtGroceryListName, " 2");
        s.window->close();
        QCOMPARE(s.saved("Weekly 2").size(), 3);
        QCOMPARE(s.boxes.texts(), (QStringList{kSaveQuestion, kSaveQuestion}));
        QVERIFY(s.main->isVisible());
    }

    void sortingSavesFirstAndNeverLosesLines() {
        Session s;
        s.window->txtGroceryListName->clear();
        s.key(0, Qt::Key_Plus);
        QVERIFY(s.changed());

        // Saved under the default name, then shown by quantity as numbers: 9 before 11.
        s.window->cmdQty->click();
        QCOMPARE(s.window->txtGroceryListName->text(), QString("Grocery List"));
        QCOMPARE(s.items(), (QStringList{"Milk", "Eggs", "Bread"}));
        QCOMPARE(column(s.list(), 1), (QStringList{"2", "9", "11"}));
        QVERIFY(!s.changed());
        QCOMPARE(Rows(s.store(), "dbIndex", {"GroceryListName"}), QStringList{"Grocery List"});
        s.window->cmdAisle->click();
        QCOMPARE(s.items(), (QStringList{"Bread", "Milk", "Eggs"}));
        s.window->cmdPrice->click();
        QCOMPARE(s.items(), (QStringList{"Eggs", "Bread", "Milk"}));
        // The comment was cut to 25 characters by the save.
        QCOMPARE(ListTexts(s.list()).first().section('\t', 7), QString(25, 'c'));

        // A failed save says so and leaves the lines, the marker and the settings alone.
        s.key(1, Qt::Key_Minus);
        const QStringList before = ListTexts(s.list());
        s.failSaves();
        s.window->cmdGroceryItem->click();
        QCOMPARE(s.boxes.texts().size(), 1);
        QVERIFY(s.boxes.texts().first().startsWith("The Grocery List could not be saved!"));
        QCOMPARE(ListTexts(s.list()), before);
        QVERIFY(s.changed());
        QCOMPARE(Rows(s.store(), "dbIndex", {"GroceryListName"}), QStringList{"Grocery List"});
        QCOMPARE(s.saved("Grocery List"), (QStringList{"Bread 11", "Milk 2", "Eggs 9"}));

        // Nor does leaving with Yes close the window over the unsaved lines.
        s.window->cmdExit->click();
        QVERIFY(s.window && s.window->isVisible());
        QCOMPARE(s.boxes.texts().mid(1, 1), QStringList{kSaveQuestion});
    }

    void keysAndTheCouponButtonChangeTheCurrentLine() {
        Session s;
        s.key(2, Qt::Key_Equal); // the +/= key
        s.key(2, Qt::Key_Plus, Qt::KeypadModifier);
        s.key(0, Qt::Key_Minus);
        QCOMPARE(column(s.list(), 1), (QStringList{"9", "9", "4"}));
        QCOMPARE(s.window->lblPrice->text(), QString("Total Estimated Price $52.25"));
        QVERIFY(s.changed());

        // Coupon: none becomes "Yes", then none again; the long comment is cut.
        s.select({1});
        s.window->cmdCoupon->click();
        QCOMPARE(ListTexts(s.list())[1], "Eggs\t9\tYes\tdozen\tB2\t2\tDairy\t" + QString(25, 'c'));
        s.window->cmdCoupon->click();
        QCOMPARE(column(s.list(), 2)[1], QString());
        // Ctrl+click leaves the current line unselected: the button does nothing then.
        QTest::mouseClick(s.list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          s.list()->visualRect(s.line(1)).center());
        QVERIFY(!s.list()->selectionModel()->isSelected(s.line(1)) &&
                s.list()->currentIndex().row() == 1);
        s.window->cmdCoupon->click();
        QCOMPARE(column(s.list(), 2)[1], QString());

        // A character typed marks the list changed, and nothing else.
        s.window->cmdSave->click();
        QVERIFY(!s.changed());
        QTest::keyClick(s.list(), Qt::Key_Z);
        QVERIFY(s.changed());
        QVERIFY(s.boxes.shown.isEmpty());
    }

    void removingAndClearing() {
        Session s;
        QList<GroceryListLine> five;
        for (const char* item : {"A", "B", "C", "D", "E"})
            five.append({item, "1", false, "", "", "1", "Dairy", ""});
        s.show("five", five);
        s.select({1, 3, 4});
        s.boxes.answers = {MsgAnswer::Cancel, MsgAnswer::Ok};
        s.window->cmdRemoveItems->click();
        QCOMPARE(s.items().size(), 5);
        s.window->findChild<QAction*>("mnuRemove")->trigger();
        QCOMPARE(s.items(), (QStringList{"A", "C"}));
        QCOMPARE(s.window->lblItems->text(), QString("Total Items 2"));
        QCOMPARE(s.boxes.texts(), QStringList(2, kRemoveQuestion));

        s.list()->clearSelection();
        QTest::keyClick(s.list(), Qt::Key_Delete);
        QCOMPARE(s.boxes.texts().last(), QString("You must select one or more items!"));
        QCOMPARE(s.items().size(), 2);

        s.boxes.shown.clear();
        s.window->cmdClear->click();
        QCOMPARE(s.boxes.texts(), QStringList{"Do you want to clear all Grocery Items?"});
        QCOMPARE(s.items(), QStringList());
        QCOMPARE(s.window->txtGroceryListName->text(), QString());
        QCOMPARE(s.window->lblPrice->text(), QString("Total Estimated Price $0.00"));
        QVERIFY(s.changed());
        s.window->cmdClear->click(); // an empty list asks nothing
        QCOMPARE(s.boxes.shown.size(), 1);

        // Saving the empty list under the default name drops what was saved under it.
        SaveGroceryList(s.store(), "Grocery List", {{"Old", "1", false, "", "", "", "", ""}});
        s.window->cmdSave->click();
        QCOMPARE(s.saved("Grocery List"), QStringList());
        QCOMPARE(s.saved("Weekly").size(), 3);
    }

    void savedListsAreChosenOpenedAndDeleted() {
        Session s;
        const QString odd = "Mom's \"big\" [shop]";
        SaveGroceryList(s.store(), odd, {{"Tea", "1", true, "", "", "", "", ""}});
        SaveGroceryList(s.store(), "apples", {{"Apple", "3", false, "", "", "", "", ""}});
        s.data.app.settings.GroceryListName = "Weekly";
        s.key(0, Qt::Key_Plus); // unsaved, and discarded by opening another list

        QPointer<frmSavedList> chooser;
        auto open = [&](std::function<void(frmSavedList*)> step) {
            s.data.platform.modalRunner.steps.push_back([&, step](QDialog* window) {
                chooser = qobject_cast<frmSavedList*>(window);
                step(chooser);
            });
            s.window->cmdSelectList->click();
        };
        QStringList names;
        open([&](frmSavedList* c) {
            names = ListTexts(c->lstGroceryList);
            c->cmdSelect->click();
            QVERIFY(c->isVisible());
            c->lstGroceryList->setCurrentRow(1);
            doubleClick(c->lstGroceryList, 1);
        });
        QCOMPARE(names, (QStringList{"apples", odd, "Weekly"}));
        QCOMPARE(s.boxes.texts(), QStringList{"Please Select a Grocery List!"});
        QVERIFY(!chooser || !chooser->isVisible());
        QCOMPARE(ListTexts(s.list()), QStringList{"Tea\t1\tYes\t\t\t\t\t"});
        QCOMPARE(s.window->txtGroceryListName->text(), odd);
        QVERIFY(s.changed());
        QCOMPARE(s.window->lblItems->text(), QString("Total Items 1"));
        s.window->cmdUnit->click(); // a name with quotes and brackets sorts like any other
        QCOMPARE(s.saved(odd), QStringList{"Tea 1"});

        // Deleting another list leaves the window alone; deleting the open one empties it.
        open([&](frmSavedList* c) {
            c->lstGroceryList->setCurrentRow(0);
            c->findChild<QAction*>("mnuDelete")->trigger();
            QCOMPARE(ListTexts(c->lstGroceryList), (QStringList{odd, "Weekly"}));
            c->findChild<QAction*>("mnuDelete")->trigger(); // nothing chosen now
            c->lstGroceryList->setCurrentRow(0);
            c->findChild<QAction*>("mnuDelete")->trigger();
            QCOMPARE(ListTexts(c->lstGroceryList), QStringList{"Weekly"});
        });
        QCOMPARE(s.items(), QStringList());
        QCOMPARE(s.window->txtGroceryListName->text(), QString());
        QCOMPARE(s.data.app.settings.GroceryListName, QString());

        // The Open entry without a choice opens the empty list named "".
        s.window->showSavedList("Weekly");
        open([&](frmSavedList* c) { c->findChild<QAction*>("mnuOpen")->trigger(); });
        QCOMPARE(s.items(), QStringList());
        QCOMPARE(s.saved("Weekly").size(), 3);
    }

    void theLineEditorRewritesTheLineAndTheCatalogue() {
        Session s;
        auto edit = [&](int row, std::function<void(frmAddItems*)> step) {
            s.data.platform.modalRunner.steps.push_back(
                [step](QDialog* window) { step(qobject_cast<frmAddItems*>(window)); });
            s.select({row});
            doubleClick(s.list(), row);
        };
        // Milk (a coupon line): untick the coupon, empty the quantity, change the price.
        edit(2, [](frmAddItems* d) {
            QCOMPARE(d->txtGroceryItem->text(), QString("Milk"));
            QVERIFY(d->ChkCoupon->isChecked());
            d->VScroll1->setValue(5);
            QCOMPARE(d->txtQty->text(), QString("5"));
            d->txtQty->setText("0");
            QCOMPARE(d->txtQty->text(), QString("1"));
            d->txtQty->setText("7");
            d->txtQty->clear(); // no number: the bar stays
            QCOMPARE(d->VScroll1->value(), 7);
            d->ChkCoupon->click();
            d->txtPrice->setText("4.25");
            d->cmdOk->click();
        });
        QCOMPARE(ListTexts(s.list())[2], QString("Milk\t1\t\t1 gal\tB1\t4.25\tDairy\t"));
        QVERIFY(s.changed());
        QCOMPARE(s.window->lblPrice->text(), QString("Total Estimated Price $44.75"));
        // Replaced in the catalogue whatever the letter case of the stored name.
        s.store().run("UPDATE Dairy SET Item = 'MILK' WHERE Item = 'Milk'");
        edit(2, [](frmAddItems* d) { d->cmdOk->click(); });
        QCOMPARE(Rows(s.store(), "Dairy", {"Item", "Price"}),
                 (QStringList{"Butter|2.00", "Cheese|2.00", "Eggs|2.00", "Milk|4.25"}));

        // Renaming: a new catalogue row, the old one kept; the coupon ticked writes "Yes".
        edit(1, [](frmAddItems* d) {
            QCOMPARE(d->txtComments->text(), QString(25, 'c'));
            d->txtGroceryItem->setText("Brown Eggs");
            d->ChkCoupon->click();
            d->cmdOk->click();
        });
        QCOMPARE(column(s.list(), 2)[1], QString("Yes"));
        QCOMPARE(Rows(s.store(), "Dairy", {"Item", "Size", "Price"}),
                 (QStringList{"Butter|1 lb|2.00", "Cheese|1 lb|2.00", "Eggs|1 lb|2.00",
                              "Milk|1 gal|4.25", "Brown Eggs|dozen|2"}));

        // An empty name is refused; Close and Esc change nothing.
        const QStringList before = ListTexts(s.list());
        edit(0, [&](frmAddItems* d) {
            d->txtGroceryItem->clear();
            d->cmdOk->click();
            QCOMPARE(s.boxes.shown.last().title, QString("Pantrelle"));
            d->txtGroceryItem->setText("Rye");
            QTest::keyClick(d, Qt::Key_Escape);
            QVERIFY(!d->isVisible());
        });
        QCOMPARE(ListTexts(s.list()), before);

        // A line naming one of the program's own tables changes on screen only.
        s.show("own", {{"Tea", "1", false, "", "", "1", "GroceryList", ""}});
        edit(0, [](frmAddItems* d) { d->cmdOk->click(); });
        QCOMPARE(ListTexts(s.list())[0], QString("Tea\t1\t\t\t\t1\tGroceryList\t"));
        QCOMPARE(s.saved("Weekly").size(), 3);
        QCOMPARE(Rows(s.store(), "GroceryList", {"Item"}).size(), 4);
        const QStringList shown = ListTexts(s.list());

        // Opened on a current line that is not selected: empty, and OK writes nothing.
        s.data.platform.modalRunner.steps.push_back([](QDialog* window) {
            auto* d = qobject_cast<frmAddItems*>(window);
            QCOMPARE(d->txtGroceryItem->text(), QString());
            d->txtGroceryItem->setText("Ghost");
            d->cmdOk->click();
        });
        s.list()->selectionModel()->setCurrentIndex(s.line(0), QItemSelectionModel::Deselect);
        s.window->lstGroceryList_DblClick();
        QCOMPARE(ListTexts(s.list()), shown);
    }

    void addingFromTheCatalogue() {
        Session s;
        // Another letter case is another item.
        s.show("mixed", {{"Milk", "2", false, "", "", "", "", ""},
                         {"cheese", "1", false, "", "", "", "", ""}});
        s.data.platform.modalRunner.steps.push_back([&](QDialog* window) {
            auto* picker = qobject_cast<frmAddGrocery*>(window);
            QVERIFY(picker->isNarrow());
            QCOMPARE(picker->cmdAddtoMeal->text(), QString("Add to List"));
            picker->cboCategory->setCurrentText("Dairy");
            picker->loadCategoryItems();
            for (const char* item : {"Milk", "Cheese"}) {
                picker->lstGroceryItem->setCurrentItem(
                    picker->lstGroceryItem->findItems(item, Qt::MatchExactly).first());
                picker->cmdAddtoMeal->click();
            }
        });
        s.window->cmdAddFromCategories->click();
        QCOMPARE(s.boxes.texts(), QStringList{"Item Already in Grocery List!"});
        QCOMPARE(ListTexts(s.list()).last(), QString("Cheese\t1\t\t1 lb\tB1\t2.00\tDairy\t"));
        QVERIFY(s.changed());
        QCOMPARE(s.window->lblItems->text(), QString("Total Items 3"));
    }
};

QTEST_MAIN(TestGroceryList)
#include "tst_grocerylist.moc"
