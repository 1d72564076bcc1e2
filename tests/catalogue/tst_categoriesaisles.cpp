// Creating and deleting categories, saving, picking and deleting aisles.
#include "CatalogueFixture.h"
#include "store/Loaders.h"

#include <QAction>
#include <QPushButton>

namespace {
const QString kCreate = "Do you want to create a new Category Named %1 ?";
}

class TestCategoriesAisles : public QObject {
    Q_OBJECT

    void newCategory(CatalogueFixture& f, const QString& name) {
        f.window->findChild<QAction*>("mnuCategory")->trigger();
        QCOMPARE(f.window->categoryTypedFlag, 1);
        f.type(f.window->cboCategory, name);
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
    }

private slots:
    void createsACategoryWithItsTable_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "Bakery";
        QTest::newRow("blanks") << "Snacks and Chips";
        QTest::newRow("quotes") << "Mom's \"Best\"";
        QTest::newRow("brackets") << "Kids [school]";
    }
    void createsACategoryWithItsTable() {
        QFETCH(QString, name);
        CatalogueFixture f;
        f.answer({MsgAnswer::Yes});
        newCategory(f, name);
        QCOMPARE(f.boxes().texts(), QStringList{kCreate.arg(name)});
        QCOMPARE(f.boxes().shown.first().title, QString("Information"));
        QVERIFY(LoadCategories(f.store()).contains(name));
        QVERIFY(f.store().tableExists(name));
        QCOMPARE(f.window->cboCategory->currentText(), name);
        QCOMPARE(f.window->categoryTypedFlag, 0);

        // Items then go into the new category.
        f.type(f.window->txtItemName, "Rolls");
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
        QCOMPARE(Rows(f.store(), name, {"Item"}), QStringList{"Rolls"});
        QCOMPARE(f.listed(), QStringList{"Rolls"});
    }

    void sameNameAgainIsRefused() {
        CatalogueFixture f;
        f.pickCategory("Dairy");
        f.answer({MsgAnswer::Yes});
        newCategory(f, "Dairy");
        QCOMPARE(f.boxes().texts(),
                 (QStringList{kCreate.arg("Dairy"), "Category already exsits!"}));
        QCOMPARE(f.boxes().shown.last().title, QString("Information!"));
        QCOMPARE(LoadCategories(f.store()), (QStringList{"Dairy", "Frozen"}));
    }

    void namesTheStoreCannotKeepAreRefusedBeforeAnyWrite_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("other case") << "dairy";
        QTest::newRow("own table") << "GroceryList";
        QTest::newRow("internal") << "sqlite_x";
        QTest::newRow("leading blank") << " Fruit";
    }
    void namesTheStoreCannotKeepAreRefusedBeforeAnyWrite() {
        QFETCH(QString, name);
        CatalogueFixture f;
        f.answer({MsgAnswer::Yes});
        newCategory(f, name);
        QCOMPARE(f.boxes().shown.size(), 2);
        QCOMPARE(f.boxes().shown.last().title, QString("Information!"));
        QCOMPARE(LoadCategories(f.store()), (QStringList{"Dairy", "Frozen"}));
        // The item typed with it is not stored anywhere either.
        f.type(f.window->txtItemName, "Chips");
        f.answer({MsgAnswer::Yes});
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
        QCOMPARE(Rows(f.store(), "GroceryList", {"Item"}), QStringList{});
        QCOMPARE(f.items().size(), 3);
    }

    void answeringNoCreatesNothing() {
        CatalogueFixture f;
        f.answer({MsgAnswer::No});
        newCategory(f, "Bakery");
        QCOMPARE(LoadCategories(f.store()), (QStringList{"Dairy", "Frozen"}));
        QVERIFY(f.listed().isEmpty());
        QCOMPARE(f.window->cboCategory->count(), 2);
        QCOMPARE(f.window->categoryTypedFlag, 0);
    }

    void deletingACategoryAsksAccordingToItsSize() {
        CatalogueFixture f;
        f.pickCategory("Frozen");
        f.answer({MsgAnswer::Yes});
        f.window->findChild<QAction*>("mnuDeleteCategory")->trigger();
        QCOMPARE(f.boxes().texts(), QStringList{"Do you want to Delete Category Frozen ?"});
        QCOMPARE(LoadCategories(f.store()), QStringList{"Dairy"});
        QVERIFY(!f.store().tableExists("Frozen"));
        QCOMPARE(f.window->cboCategory->count(), 1);

        f.pickCategory("Dairy");
        f.answer({MsgAnswer::No});
        f.window->findChild<QAction*>("mnuDeleteCategory")->trigger();
        QCOMPARE(
            f.boxes().shown.last().text,
            QString("Category Dairy contains Grocery Items!\r\n\r\nIf you delete this Category "
                    "all Grocery Items associated with it will be deleted also! \r\n\r\n"
                    "Do you want to continue?"));
        QCOMPARE(f.items().size(), 3);

        f.window->cboCategory->setEditText("");
        f.window->findChild<QAction*>("mnuDeleteCategory")->trigger();
        QCOMPARE(f.boxes().shown.last().text, QString("No Item to Delete! Select Item from List."));
    }

    void deletingACategoryNamedInAnotherCaseLeavesTheRealOne() {
        CatalogueFixture f;
        f.window->cboCategory->setEditText("dairy");
        f.answer({MsgAnswer::Yes});
        f.window->findChild<QAction*>("mnuDeleteCategory")->trigger();
        QVERIFY(f.store().tableExists("Dairy"));
        QCOMPARE(f.items().size(), 3);
        QCOMPARE(LoadCategories(f.store()), (QStringList{"Dairy", "Frozen"}));
    }

    void aisleSaveReplacesTheSameNameInAnotherCase() {
        CatalogueFixture f;
        f.type(f.window->cboAisles, "b1");
        f.type(f.window->txtAisleDescription, "Milk and Cheese");
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
        QCOMPARE(Rows(f.store(), "Aisles", {"Aisle", "Description"}),
                 (QStringList{"B4|<null>", "b1|Milk and Cheese"}));
        QCOMPARE(f.window->cboAisles->count(), 2);
        QCOMPARE(f.window->cboAisles->currentText(), QString("b1"));
    }

    void pickingAnAisleShowsItsDescription() {
        CatalogueFixture f;
        f.pick(f.window->cboAisles, "B1");
        QCOMPARE(f.window->txtAisleDescription->text(), QString("Dairy and Eggs"));
        f.pick(f.window->cboAisles, "B4");
        QVERIFY(f.window->txtAisleDescription->text().isEmpty());
    }

    void deletingAnAisle() {
        CatalogueFixture f;
        f.window->txtAisleDescription->setText("left over");
        f.window->findChild<QAction*>("mnuDeleteAisle")->trigger();
        QVERIFY(f.boxes().shown.isEmpty());
        QVERIFY(f.window->txtAisleDescription->text().isEmpty());
        QCOMPARE(Rows(f.store(), "Aisles", {"Aisle"}).size(), 2);

        f.pick(f.window->cboAisles, "B4");
        f.answer({MsgAnswer::No});
        f.window->findChild<QAction*>("mnuDeleteAisle")->trigger();
        QCOMPARE(f.boxes().texts(), QStringList{"Do you want to delete aisle B4 ?"});
        QCOMPARE(Rows(f.store(), "Aisles", {"Aisle"}).size(), 2);

        f.window->cboAisles->setEditText("b4 ");
        f.answer({MsgAnswer::Yes});
        f.window->findChild<QAction*>("mnuDeleteAisle")->trigger();
        QCOMPARE(Rows(f.store(), "Aisles", {"Aisle"}), QStringList{"B1"});
        QCOMPARE(f.window->cboAisles->count(), 1);
    }

    void newAisleStartsFromEmptyBoxes() {
        CatalogueFixture f;
        f.pickCategory("Dairy");
        f.selectItem("Milk");
        f.window->findChild<QAction*>("mnuNewAisle")->trigger();
        QVERIFY(f.window->cboCategory->currentText().isEmpty());
        QVERIFY(f.window->txtItemName->text().isEmpty());
        QVERIFY(f.window->cboAisles->currentText().isEmpty());
        QCOMPARE(f.window->focusWidget(), f.window->cboAisles);
    }
};

QTEST_MAIN(TestCategoriesAisles)
#include "tst_categoriesaisles.moc"
