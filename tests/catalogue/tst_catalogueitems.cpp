// The catalogue window's editing: items, categories and aisles, and leaving unsaved changes.
#include "CatalogueFixture.h"
#include "store/Catalogue.h"
#include "store/Loaders.h"
#include "ui/Money.h"

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
        f.pickCategory("Dairy");
        QCOMPARE(f.listed(), (QStringList{"Butter", "Milk Chocolate"}));
        f.selectItem("Milk Chocolate");
        QCOMPARE(f.window->txtAisleDescription->text(), QString("Dairy and Eggs"));

        // The typed name differs from the listed one in case only: it replaces the stored row
        // and, starting no listed name exactly, joins the list.
        f.type(f.window->txtItemName, "MILK CHOCOLATE");
        f.type(f.window->txtItemPrice, "3.99");
        f.save();
        QVERIFY(f.boxes().shown.isEmpty());
        QCOMPARE(f.items(), (QStringList{"Butter|1 gal|Z9|3.59|<null>",
                                         "MILK CHOCOLATE|1 gal|b1|3.99|<null>"}));
        QCOMPARE(f.listed().size(), 3);

        // "Milk Chocolate" starts like "Milk", so the new item is stored but not listed.
        f.type(f.window->txtItemName, "Milk");
        f.save();
        QVERIFY(f.items().contains("Milk|1 gal|b1|3.99|<null>"));
        QCOMPARE(f.listed().size(), 3);

        // Renaming adds a row beside the old one, keeping an aisle that has no row of its own.
        f.selectItem("Butter");
        f.type(f.window->txtItemName, "Salted Butter");
        f.save();
        QVERIFY(f.items().contains("Butter|1 gal|Z9|3.59|<null>"));
        QVERIFY(f.items().contains("Salted Butter|1 gal|Z9|3.59|<null>"));

        const QStringList before = f.items();
        f.type(f.window->txtItemName, "Butter");
        f.type(f.window->cboAisles, "C7");
        f.save();
        QCOMPARE(f.boxes().texts(), QStringList{"Grocery Item already exsit!"});
        QCOMPARE(f.items(), before);
        QVERIFY(f.aisles().contains("C7|<null>"));
    }

    void priceMustBeAPlainNumber() {
        CatalogueFixture f;
        f.pickCategory("Frozen");
        f.type(f.window->txtItemName, "Peas");
        f.type(f.window->txtItemPrice, "$1.50");
        f.type(f.window->cboAisles, "B4");
        f.type(f.window->txtAisleDescription, "Frozen Foods");
        f.save();
        QCOMPARE(f.boxes().texts(), QStringList{"You must enter Numbers only! Item not saved!"});
        QCOMPARE(f.boxes().shown.first().title, QString("Price Error!"));
        QVERIFY(f.items("Frozen").isEmpty());
        QVERIFY(!f.aisles().contains("B4|Frozen Foods"));
        QCOMPARE(f.window->changedFlag, 1);

        f.type(f.window->txtItemPrice, "1.50");
        f.save();
        f.type(f.window->txtItemName, "Corn");
        f.type(f.window->txtItemPrice, "");
        QTest::keyClick(f.window->txtItemName, Qt::Key_Return);
        QCOMPARE(f.boxes().shown.size(), 1);
        QCOMPARE(f.items("Frozen"),
                 (QStringList{"Peas|<null>|B4|1.50|<null>", "Corn|<null>|B4|<null>|<null>"}));
        QVERIFY(f.aisles().contains("B4|Frozen Foods"));
    }

    void priceRules() {
        for (const char* good : {"1.50", " 2 ", "-1", ".5", "1,234.50", "1e3"})
            QVERIFY2(IsAcceptablePrice(good), good);
        for (const char* bad : {"$1.50", "1.50$", "1.5.0", "abc", ".", "-", "1 2", "12,34"})
            QVERIFY2(!IsAcceptablePrice(bad), bad);
    }

    void unsavedChangesAreOfferedBeforeLeavingThem() {
        CatalogueFixture f;
        f.pickCategory("Frozen");
        f.type(f.window->txtItemName, "Peas");
        f.answer({MsgAnswer::No});
        f.pickCategory("Dairy");
        QCOMPARE(f.boxes().texts(),
                 QStringList{"Your data has changed. Do you want to save changes?"});
        QVERIFY(f.items("Frozen").isEmpty());
        QCOMPARE(f.listed().size(), 3);

        // Yes on Close saves, under the category now shown.
        f.type(f.window->txtItemName, "Cream");
        f.answer({MsgAnswer::Yes});
        QTest::mouseClick(f.window->cmdClose, Qt::LeftButton);
        QCOMPARE(f.boxes().shown.size(), 2);
        QVERIFY(Rows(f.store(), "Dairy", {"Item"}).contains("Cream"));
        QVERIFY(!f.window || !f.window->isVisible());

        f.open();
        f.type(f.window->txtItemName, "Whey");
        f.answer({MsgAnswer::No});
        QTest::keyClick(f.window->txtItemName, Qt::Key_Escape);
        QCOMPARE(f.boxes().shown.size(), 3);
        QVERIFY(!f.window || !f.window->isVisible());

        // The title bar's close box leaves without asking.
        f.open();
        f.type(f.window->txtItemName, "Whey");
        f.window->close();
        QCOMPARE(f.boxes().shown.size(), 3);

        // A save the store cannot write says so, and leaving keeps what is typed.
        const QString question("Your data has changed. Do you want to save changes?");
        const QString failed("The Grocery Item could not be saved!");
        f.open();
        f.pickCategory("Dairy");
        f.store().run(
            "CREATE TRIGGER refuse BEFORE INSERT ON Dairy BEGIN SELECT RAISE(ABORT, 'x'); "
            "END");
        f.type(f.window->txtItemName, "Kefir");
        f.save();
        QTest::mouseClick(f.window->cmdClose, Qt::LeftButton);
        f.trigger("mnuCategory");
        QVERIFY(f.window && f.window->isVisible());
        QCOMPARE(f.window->txtItemName->text(), QString("Kefir"));
        QCOMPARE(f.window->changedFlag, 1);
        QCOMPARE(f.boxes().texts().mid(3),
                 QStringList({failed, question, failed, question, failed}));
        QCOMPARE(f.boxes().shown.last().title, QString("Error!"));
        QVERIFY(!Rows(f.store(), "Dairy", {"Item"}).contains("Kefir"));
    }

    void creatingCategories() {
        CatalogueFixture f;
        f.answer({MsgAnswer::No, MsgAnswer::Yes});
        newCategory(f, "Bakery");
        QVERIFY(!f.store().tableExists("Bakery"));
        newCategory(f, "Dairy");
        QCOMPARE(f.boxes().texts().last(), QString("Category already exsits!"));
        QCOMPARE(LoadCategories(f.store()), (QStringList{"Dairy", "Frozen"}));

        for (const QString& name : QStringList{"Snacks and Chips", "Mom's \"Best\" [kids]"}) {
            f.answer({MsgAnswer::Yes});
            newCategory(f, name);
            QCOMPARE(f.boxes().texts().last(),
                     "Do you want to create a new Category Named " + name + " ?");
            QVERIFY(LoadCategories(f.store()).contains(name));
            QVERIFY(f.store().tableExists(name));
            f.type(f.window->txtItemName, "Rolls");
            f.save();
            QCOMPARE(Rows(f.store(), name, {"Item"}), QStringList{"Rolls"});
        }
    }

    void namesTheStoreCannotKeepAreRefusedBeforeAnyWrite_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("other case") << "dairy";
        QTest::newRow("own table") << "GroceryList";
    }
    void namesTheStoreCannotKeepAreRefusedBeforeAnyWrite() {
        QFETCH(QString, name);
        CatalogueFixture f;
        f.answer({MsgAnswer::Yes});
        newCategory(f, name, "Chips");
        QCOMPARE(f.boxes().shown.size(), 2);
        QCOMPARE(LoadCategories(f.store()), (QStringList{"Dairy", "Frozen"}));
        QVERIFY(Rows(f.store(), "GroceryList", {"Item"}).isEmpty());
        QCOMPARE(f.items().size(), 3);
    }

    void deletingItemsAndCategories() {
        CatalogueFixture f;
        f.store().run("INSERT INTO Frozen (Item) VALUES ('Peas')");
        f.pickCategory("Dairy");
        f.selectItem("Butter");
        f.answer({MsgAnswer::No, MsgAnswer::Yes});
        f.trigger("mnuDeleteItem");
        QCOMPARE(f.items().size(), 3);
        f.trigger("mnuDeleteItem");
        QCOMPARE(f.boxes().texts().last(), QString("Do you want to Delete item Butter ?"));
        QCOMPARE(Rows(f.store(), "Dairy", {"Item"}), (QStringList{"Milk", "Milk Chocolate"}));
        QCOMPARE(f.listed(), (QStringList{"Milk", "Milk Chocolate"}));

        // The store matches table names in any case; the category must not go with it.
        f.window->cboCategory->setEditText("dairy");
        f.answer({MsgAnswer::Yes});
        f.trigger("mnuDeleteCategory");
        QCOMPARE(f.items().size(), 2);
        QCOMPARE(LoadCategories(f.store()), (QStringList{"Dairy", "Frozen"}));

        f.pickCategory("Dairy");
        f.answer({MsgAnswer::No});
        f.trigger("mnuDeleteCategory");
        QVERIFY(f.boxes().texts().last().startsWith("Category Dairy contains Grocery Items!"));
        QCOMPARE(f.items().size(), 2);

        f.pickCategory("Frozen");
        f.answer({MsgAnswer::Yes});
        f.trigger("mnuDeleteCategory");
        QCOMPARE(f.boxes().texts().last(), QString("Do you want to Delete Category Frozen ?"));
        QCOMPARE(LoadCategories(f.store()), QStringList{"Dairy"});
        QVERIFY(!f.store().tableExists("Frozen"));
    }

    void aisles() {
        CatalogueFixture f;
        f.pick(f.window->cboAisles, "B1");
        QCOMPARE(f.window->txtAisleDescription->text(), QString("Dairy and Eggs"));
        f.pick(f.window->cboAisles, "B4");
        QVERIFY(f.window->txtAisleDescription->text().isEmpty());

        f.type(f.window->cboAisles, "b1");
        f.type(f.window->txtAisleDescription, "Milk and Cheese");
        f.save();
        QCOMPARE(f.aisles(), (QStringList{"B4|<null>", "b1|Milk and Cheese"}));

        // Without an item name only the aisle is saved, trimmed.
        f.pickCategory("Dairy");
        f.type(f.window->cboAisles, "  c9 ");
        f.type(f.window->txtAisleDescription, "Cleaning ");
        f.save();
        QCOMPARE(f.items().size(), 3);
        QCOMPARE(f.aisles().last(), QString("c9|Cleaning"));

        // Deleting with an empty box asks nothing but reloads the aisles.
        f.store().run("INSERT INTO Aisles (Aisle) VALUES ('C2')");
        f.window->cboAisles->setEditText("");
        f.window->txtAisleDescription->setText("left over");
        f.trigger("mnuDeleteAisle");
        QVERIFY(f.boxes().shown.isEmpty());
        QVERIFY(f.window->txtAisleDescription->text().isEmpty());
        QCOMPARE(f.window->cboAisles->count(), 4);

        f.window->cboAisles->setEditText("c2 ");
        f.answer({MsgAnswer::Yes});
        f.trigger("mnuDeleteAisle");
        QCOMPARE(f.aisles(), (QStringList{"B4|<null>", "b1|Milk and Cheese", "c9|Cleaning"}));
    }
};

QTEST_MAIN(TestCatalogueItems)
#include "tst_catalogueitems.moc"
