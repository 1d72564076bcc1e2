// The catalogue window opened from the main window: items, categories and aisles, the list of
// all items, and leaving unsaved changes.
#include "Program.h"
#include "Texts.h"
#include "catalogue/frmAddGrocery.h"
#include "catalogue/frmAllItems.h"
#include "store/Catalogue.h"
#include "store/Loaders.h"
#include "ui/ListUtilities.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// The program over Dairy (Milk, Milk Chocolate, Butter), an empty Frozen category and two
// aisles, with the catalogue open.
struct Catalogue : Program {
    QPointer<frmAddGrocery> window;

    Catalogue()
        : Program([](DataStore& store) {
              CreateCategory(store, "Dairy");
              CreateCategory(store, "Frozen");
              for (const char* item : {"Milk", "Milk Chocolate", "Butter"})
                  store.run("INSERT INTO Dairy (Item, Size, Aisle, Price) VALUES (?1, '1 gal', "
                            "'B1', '3.59')",
                            QString(item));
              store.run("INSERT INTO Aisles VALUES ('B1', 'Dairy and Eggs'), ('B4', NULL)");
          }) {
        data.app.settings.DropDown = 0;
        platform.modalRunner.leaveOpen = true;
        open();
    }

    void open() { window = Program::open<frmAddGrocery>("cmdAddGrocery"); }
    void save() { press(window, "cmdSave"); }
    QStringList items(const QString& category = "Dairy") {
        return Rows(store(), category, {"Item", "Size", "Aisle", "Price", "Comments"});
    }
    QStringList aisles() { return Rows(store(), "Aisles", {"Aisle", "Description"}); }
    QStringList listed() const { return ListTexts(window->lstGroceryItem); }
};

} // namespace

class TestCatalogueItems : public QObject {
    Q_OBJECT

private slots:
    void savingItems() {
        Catalogue f;
        // Opened from the main window it only edits: no switch to picking.
        QVERIFY(!f.window->cmdExpand->isEnabled());
        f.store().run("DELETE FROM Dairy WHERE Item = 'Milk'");
        f.store().run("UPDATE Dairy SET Aisle = CASE Item WHEN 'Butter' THEN 'Z9' ELSE 'b1' END");
        // A picked aisle shows its description or none, also when an item names it in another
        // letter case.
        f.choose(f.window->cboAisles, "B1");
        f.choose(f.window->cboAisles, "B4");
        QVERIFY(f.window->txtAisleDescription->text().isEmpty());
        f.choose(f.window->cboCategory, "Dairy");
        f.choose(f.window->lstGroceryItem, "Milk Chocolate");
        QCOMPARE(f.window->txtAisleDescription->text(), QString("Dairy and Eggs"));

        // A name differing in case only replaces the stored row and, starting no listed name
        // exactly, joins the list; "Milk" starts "Milk Chocolate", so it is stored unlisted.
        f.type(f.window->txtItemName, "MILK CHOCOLATE");
        f.type(f.window->txtItemPrice, "3.99");
        f.save();
        f.type(f.window->txtItemName, "Milk");
        f.save();
        QCOMPARE(f.listed(), (QStringList{"Butter", "Milk Chocolate", "MILK CHOCOLATE"}));

        // Renaming adds a row beside the old one, keeping an aisle that has no row of its own;
        // a listed name typed again is refused, but its aisle is saved.
        f.choose(f.window->lstGroceryItem, "Butter");
        f.type(f.window->txtItemName, "Salted Butter");
        f.save();
        f.type(f.window->txtItemName, "Butter");
        f.type(f.window->cboAisles, "C7");
        f.save();
        QCOMPARE(f.items(),
                 (QStringList{"Butter|1 gal|Z9|3.59|<null>", "MILK CHOCOLATE|1 gal|b1|3.99|<null>",
                              "Milk|1 gal|b1|3.99|<null>", "Salted Butter|1 gal|Z9|3.59|<null>"}));
        QVERIFY(f.aisles().contains("C7|<null>"));

        // A price that is no plain number saves nothing, not even the aisle, and stays a change.
        f.choose(f.window->cboCategory, "Frozen");
        f.type(f.window->txtItemName, "Peas");
        f.type(f.window->txtItemPrice, "$1.50");
        f.type(f.window->cboAisles, "B4");
        f.type(f.window->txtAisleDescription, "Frozen Foods");
        f.save();
        QVERIFY(f.items("Frozen").isEmpty() && f.aisles().contains("B4|<null>"));
        QVERIFY(f.window->isModified());
        // Emptied, the price is stored as none; Return saves as the Save button does.
        f.type(f.window->txtItemPrice, "");
        QTest::keyClick(f.window->txtItemName, Qt::Key_Return);
        QCOMPARE(f.items("Frozen"), QStringList{"Peas|<null>|B4|<null>|<null>"});
        QVERIFY(f.aisles().contains("B4|Frozen Foods"));
        QCOMPARE(f.messages(), QStringList({"Grocery Item already exsit!",
                                            "You must enter Numbers only! Item not saved!"}));
    }

    void unsavedChangesAreOfferedBeforeLeavingThem() {
        Catalogue f;
        f.choose(f.window->cboCategory, "Frozen");
        f.type(f.window->txtItemName, "Peas");
        f.boxes.answers = {MsgAnswer::No};
        f.choose(f.window->cboCategory, "Dairy");
        QVERIFY(f.items("Frozen").isEmpty());
        QCOMPARE(f.listed().size(), 3);
        // Yes on Close saves, under the category now shown; the title bar's close box leaves
        // without asking.
        f.type(f.window->txtItemName, "Cream");
        f.press(f.window, "cmdClose");
        QVERIFY(!f.window);
        QVERIFY(Rows(f.store(), "Dairy", {"Item"}).contains("Cream"));
        f.open();
        f.type(f.window->txtItemName, "Whey");
        f.window->close();
        QCOMPARE(f.messages(), QStringList(2, kSaveQuestion));

        // An item the store cannot write stays typed, whichever way out.
        f.open();
        f.choose(f.window->cboCategory, "Dairy");
        f.store().run("CREATE TRIGGER refuse BEFORE INSERT ON Dairy BEGIN "
                      "SELECT RAISE(ABORT, 'x'); END");
        f.type(f.window->txtItemName, "Kefir");
        f.press(f.window, "cmdClose");
        f.press(f.window, "mnuCategory");
        QVERIFY(f.window && f.window->isVisible());
        QCOMPARE(f.window->txtItemName->text(), QString("Kefir"));
        const QString failed("The Grocery Item could not be saved!");
        QCOMPARE(f.messages(), QStringList({kSaveQuestion, failed, kSaveQuestion, failed}));
    }

    void creatingCategories() {
        Catalogue f;
        const QString awkward("Mom's \"Best\" [kids]");
        // No creates nothing; an existing name is told; a new one takes its first item.
        f.boxes.answers = {MsgAnswer::No};
        for (const auto& [name, item] :
             {std::pair<QString, QString>{"Bakery", ""}, {"Dairy", ""}, {awkward, "Rolls"}}) {
            f.press(f.window, "mnuCategory");
            f.type(f.window->cboCategory, name);
            f.type(f.window->txtItemName, item);
            f.save();
        }
        const QString create("Do you want to create a new Category Named ");
        QCOMPARE(f.messages(), QStringList({create + "Bakery ?", create + "Dairy ?",
                                            "Category already exsits!", create + awkward + " ?"}));
        QCOMPARE(Rows(f.store(), awkward, {"Item"}), QStringList{"Rolls"});
        QCOMPARE(LoadCategories(f.store()), (QStringList{"Dairy", "Frozen", awkward}));
    }

    void deletingItemsCategoriesAndAisles() {
        Catalogue f;
        f.store().run("INSERT INTO Frozen (Item) VALUES ('butter'), ('Peas')");
        f.store().run("INSERT INTO Groups VALUES ('Lost')"); // no table behind it
        // The list of all items deletes (No keeps the item and the list), then opens an item in
        // the catalogue by a double click.
        f.whenModal<frmAllItems>([&f](frmAllItems* browser) {
            QCOMPARE(ListTexts(browser->lstGroceryItem),
                     (QStringList{"Butter\t\tDairy", "butter\t\tFrozen", "Milk\t\tDairy",
                                  "Milk Chocolate\t\tDairy", "Peas\t\tFrozen"}));
            browser->lstGroceryItem->setCurrentRow(1);
            f.boxes.answers = {MsgAnswer::No};
            QTest::keyClick(browser->lstGroceryItem, Qt::Key_Delete);
            f.press(browser, "mnuDelete");
        });
        f.whenModal<frmAllItems>([](frmAllItems* browser) {
            browser->lstGroceryItem->setCurrentRow(2);
            emit browser->lstGroceryItem->itemDoubleClicked(browser->lstGroceryItem->item(2));
        });
        f.press(f.window, "mnuView");
        f.press(f.window, "mnuView");
        QCOMPARE(f.messages(), QStringList(2, "Do you want to Delete item butter ?"));
        QCOMPARE(f.items("Frozen").size(), 1);
        QCOMPARE(f.listed(), (QStringList{"Butter", "Milk", "Milk Chocolate"}));
        QCOMPARE(f.window->txtItemName->text(), QString("Milk Chocolate"));

        f.choose(f.window->cboCategory, "Dairy");
        f.choose(f.window->lstGroceryItem, "Butter");
        f.boxes.answers = {MsgAnswer::No};
        f.press(f.window, "mnuDeleteItem");
        QCOMPARE(f.items().size(), 3);
        f.press(f.window, "mnuDeleteItem");
        QCOMPARE(f.listed(), (QStringList{"Milk", "Milk Chocolate"}));
        QCOMPARE(Rows(f.store(), "Dairy", {"Item"}), f.listed());

        // Several items get a warning, one a plain question.
        f.choose(f.window->cboCategory, "Dairy");
        f.boxes.answers = {MsgAnswer::No};
        f.press(f.window, "mnuDeleteCategory");
        f.choose(f.window->cboCategory, "Frozen");
        f.press(f.window, "mnuDeleteCategory");
        QCOMPARE(LoadCategories(f.store()), (QStringList{"Dairy", "Lost"}));
        QCOMPARE(f.items().size(), 2);
        QVERIFY(!f.store().tableExists("Frozen"));
        const QStringList asked = f.messages();
        QCOMPARE(asked[1], QString("Do you want to Delete item Butter ?"));
        QVERIFY(asked[2].startsWith("Category Dairy contains Grocery Items!"));
        QCOMPARE(asked[3], QString("Do you want to Delete Category Frozen ?"));

        // Deleting an aisle with an empty box asks nothing but reloads the aisles; a named one
        // goes whatever its letter case.
        f.store().run("INSERT INTO Aisles (Aisle) VALUES ('C2')");
        f.window->txtAisleDescription->setText("left over");
        f.press(f.window, "mnuDeleteAisle");
        QVERIFY(f.messages().isEmpty() && f.window->txtAisleDescription->text().isEmpty());
        QCOMPARE(f.window->cboAisles->count(), 3);
        f.window->cboAisles->setEditText("c2 ");
        f.press(f.window, "mnuDeleteAisle");
        QCOMPARE(f.aisles(), (QStringList{"B1|Dairy and Eggs", "B4|<null>"}));
    }
};

QTEST_MAIN(TestCatalogueItems)
#include "tst_catalogueitems.moc"
