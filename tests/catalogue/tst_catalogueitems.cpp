// The catalogue window's editing: items, categories and aisles, and leaving unsaved changes.
#include "CatalogueFixture.h"
#include "store/Loaders.h"

class TestCatalogueItems : public QObject {
    Q_OBJECT

    void newCategory(CatalogueFixture& f, const QString& name, const QString& item = {}) {
        f.trigger("mnuCategory");
        f.type(f.window->cboCategory, name);
        f.type(f.window->txtItemName, item);
        f.save();
    }

private slots:
    void savingItems() {
        CatalogueFixture f;
        f.store().run("DELETE FROM Dairy WHERE Item = 'Milk'");
        f.store().run("UPDATE Dairy SET Aisle = 'b1' WHERE Item = 'Milk Chocolate'");
        f.store().run("UPDATE Dairy SET Aisle = 'Z9' WHERE Item = 'Butter'");
        // A picked aisle shows its description, or none; without an item name only the aisle
        // is saved.
        f.pick(f.window->cboAisles, "B1");
        QCOMPARE(f.window->txtAisleDescription->text(), QString("Dairy and Eggs"));
        f.pick(f.window->cboAisles, "B4");
        QVERIFY(f.window->txtAisleDescription->text().isEmpty());
        f.type(f.window->cboAisles, "C9");
        f.type(f.window->txtAisleDescription, "Cleaning");
        f.save();
        QVERIFY(f.aisles().contains("C9|Cleaning"));
        // An aisle named in another letter case still shows its description.
        f.pickCategory("Dairy");
        f.selectItem("Milk Chocolate");
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
        f.selectItem("Butter");
        f.type(f.window->txtItemName, "Salted Butter");
        f.save();
        f.type(f.window->txtItemName, "Butter");
        f.type(f.window->cboAisles, "C7");
        f.save();
        QCOMPARE(f.boxes.texts(), QStringList{"Grocery Item already exsit!"});
        QCOMPARE(f.items(),
                 (QStringList{"Butter|1 gal|Z9|3.59|<null>", "MILK CHOCOLATE|1 gal|b1|3.99|<null>",
                              "Milk|1 gal|b1|3.99|<null>", "Salted Butter|1 gal|Z9|3.59|<null>"}));
        QVERIFY(f.aisles().contains("C7|<null>"));

        // A price that is no plain number saves nothing, not even the aisle, and stays a change.
        f.pickCategory("Frozen");
        f.type(f.window->txtItemName, "Peas");
        f.type(f.window->txtItemPrice, "$1.50");
        f.type(f.window->cboAisles, "B4");
        f.type(f.window->txtAisleDescription, "Frozen Foods");
        f.save();
        QCOMPARE(f.boxes.texts().last(), QString("You must enter Numbers only! Item not saved!"));
        QVERIFY(f.items("Frozen").isEmpty() && f.aisles().contains("B4|<null>"));
        QVERIFY(f.window->isModified());
        // Emptied, the price is stored as none; Return saves as the Save button does.
        f.type(f.window->txtItemPrice, "");
        QTest::keyClick(f.window->txtItemName, Qt::Key_Return);
        QCOMPARE(f.boxes.shown.size(), 2);
        QCOMPARE(f.items("Frozen"), QStringList{"Peas|<null>|B4|<null>|<null>"});
        QVERIFY(f.aisles().contains("B4|Frozen Foods"));
    }

    void unsavedChangesAreOfferedBeforeLeavingThem() {
        const QString question("Your data has changed. Do you want to save changes?");
        const QString failed("The Grocery Item could not be saved!");
        CatalogueFixture f;
        f.pickCategory("Frozen");
        f.type(f.window->txtItemName, "Peas");
        f.boxes.answers = {MsgAnswer::No};
        f.pickCategory("Dairy");
        QVERIFY(f.items("Frozen").isEmpty());
        QCOMPARE(f.listed().size(), 3);
        // Yes on Close saves, under the category now shown; the title bar's close box leaves
        // without asking.
        f.type(f.window->txtItemName, "Cream");
        QTest::mouseClick(f.window->cmdClose, Qt::LeftButton);
        QVERIFY(!f.window || !f.window->isVisible());
        QVERIFY(Rows(f.store(), "Dairy", {"Item"}).contains("Cream"));
        f.open();
        f.type(f.window->txtItemName, "Whey");
        f.window->close();
        QCOMPARE(f.boxes.texts(), QStringList(2, question));

        // A save the store cannot write says so, and no way out loses what is typed.
        f.open();
        f.pickCategory("Dairy");
        f.store().run("CREATE TRIGGER refuse BEFORE INSERT ON Dairy BEGIN "
                      "SELECT RAISE(ABORT, 'x'); END");
        f.type(f.window->txtItemName, "Kefir");
        f.save();
        QTest::mouseClick(f.window->cmdClose, Qt::LeftButton);
        f.trigger("mnuCategory");
        QVERIFY(f.window && f.window->isVisible());
        QCOMPARE(f.window->txtItemName->text(), QString("Kefir"));
        QCOMPARE(f.boxes.texts().mid(2), QStringList({failed, question, failed, question, failed}));
        QVERIFY(!Rows(f.store(), "Dairy", {"Item"}).contains("Kefir"));
    }

    void creatingCategories() {
        CatalogueFixture f;
        const QString awkward("Mom's \"Best\" [kids]");
        // No creates nothing; an existing name is told (typed over the entry it names, it is
        // also picked, which asks about the change first); a new one takes its first item.
        f.boxes.answers = {MsgAnswer::No};
        newCategory(f, "Bakery");
        newCategory(f, "Dairy");
        newCategory(f, awkward, "Rolls");
        QCOMPARE(f.boxes.texts().mid(3),
                 QStringList({"Category already exsits!",
                              "Do you want to create a new Category Named " + awkward + " ?"}));
        QCOMPARE(Rows(f.store(), awkward, {"Item"}), QStringList{"Rolls"});

        // Names the store cannot keep apart from a category or its own tables: nothing written.
        for (const char* name : {"dairy", "GroceryList"}) {
            f.open();
            newCategory(f, name, "Chips");
        }
        QCOMPARE(f.boxes.shown.size(), 9);
        QCOMPARE(LoadCategories(f.store()), (QStringList{"Dairy", "Frozen", awkward}));
        QVERIFY(Rows(f.store(), "GroceryList", {"Item"}).isEmpty());
        QCOMPARE(f.items().size(), 3);
    }

    void deletingItemsAndCategories() {
        CatalogueFixture f;
        f.store().run("INSERT INTO Frozen (Item) VALUES ('Peas')");
        f.pickCategory("Dairy");
        f.selectItem("Butter");
        f.boxes.answers = {MsgAnswer::No};
        f.trigger("mnuDeleteItem");
        QCOMPARE(f.items().size(), 3);
        f.trigger("mnuDeleteItem");
        QCOMPARE(f.listed(), (QStringList{"Milk", "Milk Chocolate"}));
        QCOMPARE(Rows(f.store(), "Dairy", {"Item"}), f.listed());

        // The store matches table names in any case; the category must not go with it.
        f.window->cboCategory->setEditText("dairy");
        f.trigger("mnuDeleteCategory");
        QCOMPARE(f.items().size(), 2);
        // Several items get a warning, one a plain question.
        f.pickCategory("Dairy");
        f.boxes.answers = {MsgAnswer::No};
        f.trigger("mnuDeleteCategory");
        f.pickCategory("Frozen");
        f.trigger("mnuDeleteCategory");
        QCOMPARE(LoadCategories(f.store()), QStringList{"Dairy"});
        QCOMPARE(f.items().size(), 2);
        QVERIFY(!f.store().tableExists("Frozen"));
        const QStringList asked = f.boxes.texts();
        QCOMPARE(asked[1], QString("Do you want to Delete item Butter ?"));
        QVERIFY(asked[3].startsWith("Category Dairy contains Grocery Items!"));
        QCOMPARE(asked[4], QString("Do you want to Delete Category Frozen ?"));

        // Deleting an aisle with an empty box asks nothing but reloads the aisles; a named one
        // goes whatever its letter case.
        f.store().run("INSERT INTO Aisles (Aisle) VALUES ('C2')");
        f.window->txtAisleDescription->setText("left over");
        f.trigger("mnuDeleteAisle");
        QCOMPARE(f.boxes.shown.size(), 5);
        QVERIFY(f.window->txtAisleDescription->text().isEmpty());
        QCOMPARE(f.window->cboAisles->count(), 3);
        f.window->cboAisles->setEditText("c2 ");
        f.trigger("mnuDeleteAisle");
        QCOMPARE(f.aisles(), (QStringList{"B1|Dairy and Eggs", "B4|<null>"}));
    }
};

QTEST_MAIN(TestCatalogueItems)
#include "tst_catalogueitems.moc"
