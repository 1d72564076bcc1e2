// The grocery list window, its saved-list chooser, its line editor and the catalogue as its
// picker, driven through their controls from the main window over a real data file.
#include "Program.h"
#include "Texts.h"
#include "catalogue/frmAddGrocery.h"
#include "grocerylist/frmAddItems.h"
#include "grocerylist/frmGroceryList.h"
#include "grocerylist/frmSavedList.h"
#include "store/Catalogue.h"
#include "store/GroceryLists.h"
#include "ui/ListUtilities.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QString kRemoveQuestion("Do you want to remove the Selected Grocery Item(s)?");

// The program over a Dairy catalogue, its grocery list window showing "Weekly", saved last.
struct Shop : Program {
    QPointer<frmGroceryList> window;

    Shop()
        : Program([](DataStore& store) {
              CreateCategory(store, "Dairy");
              for (const char* item : {"Milk", "Butter", "Cheese", "Eggs"})
                  store.run("INSERT INTO Dairy VALUES (?1, '1 lb', 'B1', '2.00', '')",
                            QString(item));
              SaveGroceryList(store, "Weekly",
                              {{"Milk", "2", true, "1 gal", "B1", "3.50", "Dairy", ""},
                               {"Bread", "10", false, "loaf", "a3", "2.25", "Pantry", ""},
                               {"Eggs", "9", false, "tray", "B2", "2", "Dairy", QString(30, 'c')}});
          }),
          window(open<frmGroceryList>("cmdGroceryList")) {}

    QListView* list() { return window->lstGroceryList; }
    QStringList lines() { return ListTexts(list()); }
    // One field of every line: 0 the item, 1 the quantity, 2 the coupon mark ...
    QStringList column(int field) {
        QStringList values;
        for (const QString& line : lines())
            values << line.section('\t', field, field);
        return values;
    }
    QList<GroceryListLine> saved(const QString& name) { return ReadGroceryList(store(), name); }
    void select(std::initializer_list<int> rows) {
        list()->clearSelection();
        for (int row : rows)
            list()->selectionModel()->setCurrentIndex(list()->model()->index(row, 0),
                                                      QItemSelectionModel::Select);
    }
    void key(int row, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        select({row});
        QTest::keyClick(list(), key, modifiers);
    }
    // Shows `lines`, saved under `name`, as the current list.
    void show(const QString& name, const QList<GroceryListLine>& lines) {
        SaveGroceryList(store(), name, lines);
        window->showSavedList(name);
    }
    // The line editor opened by a double-click on `row`, then what the user does in it.
    void edit(int row, std::function<void(frmAddItems*)> user) {
        whenModal(user);
        select({row});
        emit list()->doubleClicked(list()->model()->index(row, 0));
    }
};

} // namespace

class TestGroceryList : public QObject {
    Q_OBJECT

private slots:
    void opensTheListSavedLastAndAsksOnLeaving() {
        Shop s;
        QVERIFY(s.window->isVisible() && !s.main->isVisible());
        QCOMPARE(s.lines(), (QStringList{"Bread\t10\t\tloaf\ta3\t2.25\tPantry\t",
                                         "Eggs\t9\t\ttray\tB2\t2\tDairy\t" + QString(30, 'c'),
                                         "Milk\t2\tYes\t1 gal\tB1\t3.50\tDairy\t"}));
        QCOMPARE(s.window->lblItems->text() + ", " + s.window->lblPrice->text(),
                 QString("Total Items 3, Total Estimated Price $47.50"));
        // Coupons come up modal, the about box beside the list.
        s.press(s.window, "mnuCoupons");
        s.press(s.window, "mnuAbout");
        QCOMPARE(s.platform.modalRunner.opened, QStringList{"frmCoupons"});
        QCOMPARE(s.window->findChildren<QDialog*>("AboutBox").size(), 1);

        // No discards the changes; by the close box, Yes saves under the name typed.
        s.key(0, Qt::Key_Plus);
        s.boxes.answers = {MsgAnswer::No};
        s.press(s.window, "cmdExit");
        QVERIFY(!s.window && s.main->isVisible());
        QCOMPARE(s.saved("Weekly")[1].quantity, QString("10"));
        s.window = s.open<frmGroceryList>("cmdGroceryList");
        QTest::keyClicks(s.window->txtGroceryListName, " 2");
        s.window->close();
        QCOMPARE(s.saved("Weekly 2").size(), 3);
        QCOMPARE(s.messages(), QStringList(2, kSaveQuestion));
        QVERIFY(s.main->isVisible());
    }

    void headingsSaveFirstAndNeverLoseLines() {
        Shop s;
        s.window->txtGroceryListName->clear();
        s.key(0, Qt::Key_Plus);
        // Each heading saves, under the default name when none is typed, then sorts by its
        // column, numbers as numbers.
        const std::pair<const char*, QStringList> orders[] = {
            {"cmdQty", {"Milk", "Eggs", "Bread"}},
            {"cmdUnit", {"Milk", "Bread", "Eggs"}},
            {"cmdAisle", {"Bread", "Milk", "Eggs"}},
            {"cmdCategory", {"Eggs", "Milk", "Bread"}},
            {"cmdGroceryItem", {"Bread", "Eggs", "Milk"}},
            {"cmdPrice", {"Eggs", "Bread", "Milk"}}};
        for (const auto& [heading, items] : orders) {
            s.press(s.window, heading);
            QVERIFY2(s.column(0) == items, heading);
        }
        QCOMPARE(s.window->txtGroceryListName->text(), QString("Grocery List"));
        // The lines show as saved: the comment cut to 25 characters.
        QCOMPARE(s.lines().first().section('\t', 7), QString(25, 'c'));

        // A save that fails leaves the lines as they were, and the window open whichever way
        // out.
        s.key(1, Qt::Key_Minus);
        const QStringList before = s.lines();
        s.store().run("CREATE TRIGGER full BEFORE INSERT ON GroceryList "
                      "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        s.press(s.window, "cmdQty");
        QCOMPARE(s.lines(), before);
        s.press(s.window, "cmdExit");
        QVERIFY(s.window);
        s.window->close();
        QVERIFY(s.window && s.window->isVisible());
        QCOMPARE(s.messages(), QStringList({kListNotSaved, kSaveQuestion, kListNotSaved,
                                            kSaveQuestion, kListNotSaved}));
    }

    void keysAndTheCouponHeadingChangeTheCurrentLine() {
        Shop s;
        s.key(2, Qt::Key_Equal); // the +/= key
        s.key(2, Qt::Key_Plus, Qt::KeypadModifier);
        s.key(0, Qt::Key_Minus);
        QCOMPARE(s.column(1), (QStringList{"9", "9", "4"}));
        QCOMPARE(s.window->lblPrice->text(), QString("Total Estimated Price $52.25"));

        // Coupon marks the line, which shows as saved, then unmarks it; on a current line
        // left unselected by Ctrl+click it does nothing.
        s.select({1});
        s.press(s.window, "cmdCoupon");
        QCOMPARE(s.lines()[1], "Eggs\t9\tYes\ttray\tB2\t2\tDairy\t" + QString(25, 'c'));
        s.press(s.window, "cmdCoupon");
        QTest::mouseClick(s.list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          s.list()->visualRect(s.list()->model()->index(1, 0)).center());
        s.press(s.window, "cmdCoupon");
        QCOMPARE(s.column(2), (QStringList{"", "", "Yes"}));

        // A character typed is a change, and does nothing else.
        s.press(s.window, "cmdSave");
        QTest::keyClick(s.list(), Qt::Key_Z);
        s.boxes.answers = {MsgAnswer::No};
        s.press(s.window, "cmdExit");
        QCOMPARE(s.messages(), QStringList{kSaveQuestion});
    }

    void addingRemovingAndClearing() {
        Shop s;
        // The catalogue as a picker: wide it edits and adds nothing; narrow again, adding waits
        // for an item. Another letter case is another item.
        s.show("mixed", {{"Milk", "2", false, "", "", "", "", ""},
                         {"cheese", "1", false, "", "", "", "", ""}});
        s.whenModal<frmAddGrocery>([&s](frmAddGrocery* picker) {
            QCOMPARE(picker->cmdAddtoMeal->text(), QString("Add to List"));
            s.choose(picker->cboCategory, "Dairy");
            for (const bool wide : {true, false}) {
                s.press(picker, "cmdExpand");
                QVERIFY(!picker->cmdAddtoMeal->isEnabled());
                QCOMPARE(picker->findChild<QAction*>("mnuDeleteItem")->isEnabled(), wide);
            }
            for (const char* item : {"Milk", "Cheese", "Butter"}) {
                s.choose(picker->lstGroceryItem, item);
                s.press(picker, "cmdAddtoMeal");
            }
        });
        s.press(s.window, "cmdAddFromCategories");
        QCOMPARE(s.lines().mid(2), (QStringList{"Cheese\t1\t\t1 lb\tB1\t2.00\tDairy\t",
                                                "Butter\t1\t\t1 lb\tB1\t2.00\tDairy\t"}));
        QVERIFY(s.window->isModified());

        // Removing asks; several lines go at once, with a gap between them, and the list is
        // changed again.
        s.press(s.window, "cmdSave");
        QVERIFY(!s.window->isModified());
        QCOMPARE(s.column(0)[1], QString("Milk"));
        s.select({0, 2, 3});
        s.boxes.answers = {MsgAnswer::Cancel};
        s.press(s.window, "cmdRemoveItems");
        s.press(s.window, "mnuRemove");
        QCOMPARE(s.column(0), (QStringList{"Milk"}));
        QVERIFY(s.window->isModified());
        QCOMPARE(s.window->lblItems->text(), QString("Total Items 1"));
        s.list()->clearSelection();
        QTest::keyClick(s.list(), Qt::Key_Delete);

        // Clear asks, and empties the list and its name; an empty list asks nothing.
        s.press(s.window, "cmdClear");
        s.press(s.window, "cmdClear");
        QCOMPARE(s.lines(), QStringList());
        QCOMPARE(s.window->txtGroceryListName->text(), QString());
        QCOMPARE(s.window->lblPrice->text(), QString("Total Estimated Price $0.00"));
        QVERIFY(s.window->isModified());
        QCOMPARE(s.messages(), QStringList({"Item Already in Grocery List!", kRemoveQuestion,
                                            kRemoveQuestion, "You must select one or more items!",
                                            "Do you want to clear all Grocery Items?"}));
        // Saving the empty list under the default name drops what was saved under it.
        SaveGroceryList(s.store(), "Grocery List", {{"Old", "1", false, "", "", "", "", ""}});
        s.press(s.window, "cmdSave");
        QVERIFY(s.saved("Grocery List").isEmpty());
    }

    void savedListsAreChosenOpenedAndDeleted() {
        Shop s;
        const QString odd = "Mom's \"big\" [shop]";
        SaveGroceryList(s.store(), odd, {{"Tea", "1", true, "", "", "", "", ""}});
        SaveGroceryList(s.store(), "apples", {{"Apple", "3", false, "", "", "", "", ""}});
        s.key(0, Qt::Key_Plus); // unsaved, and discarded by opening another list

        QStringList names;
        s.whenModal<frmSavedList>([&names](frmSavedList* c) {
            names = ListTexts(c->lstGroceryList);
            c->cmdSelect->click();
            c->lstGroceryList->setCurrentRow(1);
            emit c->lstGroceryList->itemDoubleClicked(c->lstGroceryList->item(1));
        });
        s.press(s.window, "cmdSelectList");
        QCOMPARE(names, (QStringList{"apples", odd, "Weekly"}));
        QCOMPARE(s.messages(), QStringList{"Please Select a Grocery List!"});
        QCOMPARE(s.lines(), QStringList{"Tea\t1\tYes\t\t\t\t\t"});
        QCOMPARE(s.window->txtGroceryListName->text(), odd);

        // Deleting another list leaves the window alone; deleting the open one empties it.
        s.whenModal<frmSavedList>([&](frmSavedList* c) {
            c->lstGroceryList->setCurrentRow(0);
            s.press(c, "mnuDelete");
            QCOMPARE(ListTexts(c->lstGroceryList), (QStringList{odd, "Weekly"}));
            QCOMPARE(s.lines().size(), 1);
            s.press(c, "mnuDelete"); // nothing chosen now
            c->lstGroceryList->setCurrentRow(0);
            s.press(c, "mnuDelete");
            QCOMPARE(ListTexts(c->lstGroceryList), QStringList{"Weekly"});
        });
        s.press(s.window, "cmdSelectList");
        QCOMPARE(s.lines(), QStringList());
        QCOMPARE(s.window->txtGroceryListName->text(), QString());
        QCOMPARE(s.data.app.settings.GroceryListName, QString());

        // The Open entry without a choice opens the empty list named "".
        s.window->showSavedList("Weekly");
        s.whenModal<frmSavedList>([](frmSavedList* c) { Program::press(c, "mnuOpen"); });
        s.press(s.window, "cmdSelectList");
        QCOMPARE(s.lines(), QStringList());
    }

    void theLineEditorRewritesTheLineAndTheCatalogue() {
        Shop s;
        // Milk, a coupon line: the quantity box and its bar stay from 1 to 99 together.
        s.edit(2, [](frmAddItems* d) {
            d->VScroll1->setValue(150);
            QCOMPARE(d->txtQty->text(), QString("99"));
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
        QCOMPARE(s.lines()[2], QString("Milk\t1\t\t1 gal\tB1\t4.25\tDairy\t"));
        // Renaming adds a catalogue row beside the old one; the coupon ticked writes "Yes".
        s.edit(1, [](frmAddItems* d) {
            d->txtGroceryItem->setText("Brown Eggs");
            d->ChkCoupon->click();
            d->cmdOk->click();
        });
        QCOMPARE(s.column(2)[1], QString("Yes"));
        QCOMPARE(Rows(s.store(), "Dairy", {"Item", "Size", "Price"}),
                 (QStringList{"Butter|1 lb|2.00", "Cheese|1 lb|2.00", "Eggs|1 lb|2.00",
                              "Milk|1 gal|4.25", "Brown Eggs|tray|2"}));

        // An empty name is refused.
        const QStringList before = s.lines();
        s.edit(0, [](frmAddItems* d) {
            d->txtGroceryItem->clear();
            d->cmdOk->click();
        });
        QCOMPARE(s.lines(), before);
        QCOMPARE(s.messages(), QStringList{"You Must Input a Name for this Item!"});
        QVERIFY(s.window->isModified());

        // A line of one of the program's own tables changes on screen only.
        s.show("own", {{"Tea", "1", false, "", "", "1", "GroceryList", ""}});
        s.edit(0, [](frmAddItems* d) {
            d->txtPrice->setText("2");
            d->cmdOk->click();
        });
        QCOMPARE(s.lines(), QStringList{"Tea\t1\t\t\t\t2\tGroceryList\t"});
        QCOMPARE(Rows(s.store(), "GroceryList", {"Item"}).size(), 4);

        // Opened on a current line that is not selected, OK writes nothing.
        s.whenModal<frmAddItems>([](frmAddItems* d) {
            d->txtGroceryItem->setText("Ghost");
            d->cmdOk->click();
        });
        s.list()->selectionModel()->setCurrentIndex(s.list()->model()->index(0, 0),
                                                    QItemSelectionModel::Deselect);
        s.window->lstGroceryList_DblClick();
        QCOMPARE(s.lines(), QStringList{"Tea\t1\t\t\t\t2\tGroceryList\t"});
    }
};

QTEST_MAIN(TestGroceryList)
#include "tst_grocerylist.moc"
