// The catalogue window's item editing: selection, save rules, deletion and leaving.
#include "CatalogueFixture.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "catalogue/CatalogueStore.h"

#include <QAction>
#include <QPushButton>
#include <QScreen>

class TestCatalogueItems : public QObject {
    Q_OBJECT

private slots:
    void selectingAnItemFillsItsFields() {
        CatalogueFixture f;
        f.store().run("UPDATE Dairy SET Comments = 'Skim' WHERE Item = 'Milk'");
        f.pickCategory("Dairy");
        QCOMPARE(f.listed(), (QStringList{"Butter", "Milk", "Milk Chocolate"}));
        f.selectItem("Milk");
        QCOMPARE(f.window->txtItemName->text(), QString("Milk"));
        QCOMPARE(f.window->txtItemUnit->text(), QString("1 gal"));
        QCOMPARE(f.window->txtItemPrice->text(), QString("3.59"));
        QCOMPARE(f.window->cboAisles->currentText(), QString("B1"));
        QCOMPARE(f.window->txtAisleDescription->text(), QString("Dairy and Eggs"));
        QCOMPARE(f.window->txtComments->text(), QString("Skim"));
        QVERIFY(f.boxes().shown.isEmpty());
        QCOMPARE(f.window->changedFlag, 0);

        // Deleted behind the window's back: the fields stay empty.
        f.store().run("DELETE FROM Dairy WHERE Item = 'Butter'");
        f.selectItem("Butter");
        QVERIFY(f.window->txtItemName->text().isEmpty());
        QVERIFY(f.window->cboAisles->currentText().isEmpty());
    }

    void anAisleWithoutItsOwnRowIsKept() {
        CatalogueFixture f;
        f.store().run("UPDATE Dairy SET Aisle = 'b1' WHERE Item = 'Milk'");
        f.store().run("UPDATE Dairy SET Aisle = 'Z9' WHERE Item = 'Butter'");
        f.pickCategory("Dairy");
        f.selectItem("Milk");
        QCOMPARE(f.window->cboAisles->currentText(), QString("b1"));
        QCOMPARE(f.window->txtAisleDescription->text(), QString("Dairy and Eggs"));
        f.selectItem("Butter");
        QCOMPARE(f.window->cboAisles->currentText(), QString("Z9"));
        QVERIFY(f.window->txtAisleDescription->text().isEmpty());
        // Saving the item again keeps its aisle.
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
        QVERIFY(f.items().contains("Butter|1 gal|Z9|3.59|<null>"));
    }

    void savingReplacesByNameInAnyCase() {
        CatalogueFixture f;
        f.pickCategory("Dairy");
        f.selectItem("Milk");
        f.type(f.window->txtItemName, "MILK");
        f.type(f.window->txtItemPrice, "3.99");
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
        QVERIFY(f.boxes().shown.isEmpty());
        QCOMPARE(f.items(),
                 (QStringList{"Milk Chocolate|1 gal|B1|3.59|<null>", "Butter|1 gal|B1|3.59|<null>",
                              "MILK|1 gal|B1|3.99|<null>"}));
        // "MILK" starts no listed name exactly as typed, so it is added to the list.
        QCOMPARE(f.listed().size(), 4);
        QCOMPARE(f.window->changedFlag, 0);
        QCOMPARE(f.window->nameTypedFlag, 0);
    }

    void typedNameAlreadyListedIsRefused() {
        CatalogueFixture f;
        f.pickCategory("Dairy");
        f.type(f.window->txtItemName, "Butter");
        f.type(f.window->cboAisles, "C7");
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
        QCOMPARE(f.boxes().texts(), QStringList{"Grocery Item already exsit!"});
        QCOMPARE(f.boxes().shown.first().title, QString("Information!"));
        QCOMPARE(f.items().size(), 3);
        // The refusal concerns the item only: the aisle is saved all the same.
        QVERIFY(Rows(f.store(), "Aisles", {"Aisle"}).contains("C7"));
    }

    void listIsExtendedOnlyWhenNoNameStartsLikeTheSavedOne() {
        CatalogueFixture f;
        f.store().run("DELETE FROM Dairy WHERE Item = 'Milk'");
        f.pickCategory("Dairy");
        f.type(f.window->txtItemName, "Milk");
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
        QVERIFY(f.items().contains("Milk|<null>|<null>|<null>|<null>"));
        QCOMPARE(f.listed(), (QStringList{"Butter", "Milk Chocolate"}));

        f.type(f.window->txtItemName, "Skim Milk");
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
        QCOMPARE(f.listed(), (QStringList{"Butter", "Milk Chocolate", "Skim Milk"}));
    }

    void renamingKeepsTheOldItem() {
        CatalogueFixture f;
        f.pickCategory("Dairy");
        f.selectItem("Milk");
        f.type(f.window->txtItemName, "Skim Milk");
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
        const QStringList names = Rows(f.store(), "Dairy", {"Item"});
        QVERIFY(names.contains("Milk"));
        QVERIFY(names.contains("Skim Milk"));
    }

    void priceMustBeAPlainNumber_data() {
        QTest::addColumn<QString>("price");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("dollar") << "$1.50" << false;
        QTest::newRow("word") << "cheap" << false;
        QTest::newRow("decimal") << "1.50" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("whole") << "2" << true;
    }
    void priceMustBeAPlainNumber() {
        QFETCH(QString, price);
        QFETCH(bool, accepted);
        CatalogueFixture f;
        f.pickCategory("Frozen");
        f.type(f.window->txtItemName, "Peas");
        f.type(f.window->txtItemPrice, price);
        f.type(f.window->cboAisles, "B4");
        f.type(f.window->txtAisleDescription, "Frozen Foods");
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
        if (accepted) {
            QVERIFY(f.boxes().shown.isEmpty());
            QCOMPARE(f.items("Frozen").size(), 1);
            QVERIFY(
                Rows(f.store(), "Aisles", {"Aisle", "Description"}).contains("B4|Frozen Foods"));
            QCOMPARE(f.window->changedFlag, 0);
        } else {
            QCOMPARE(f.boxes().texts(),
                     QStringList{"You must enter Numbers only! Item not saved!"});
            QCOMPARE(f.boxes().shown.first().title, QString("Price Error!"));
            QVERIFY(f.items("Frozen").isEmpty());
            QVERIFY(!Rows(f.store(), "Aisles", {"Description"}).contains("Frozen Foods"));
            QCOMPARE(f.window->changedFlag, 1);
            QCOMPARE(f.window->focusWidget(), f.window->txtItemPrice);
        }
    }

    void priceRules() {
        for (const char* good : {"1.50", " 2 ", "-1", "+3.", ".5", "1,234.50", "1e3", "0"})
            QVERIFY2(IsAcceptablePrice(good), good);
        for (const char* bad : {"$1.50", "1.50$", "1.5.0", "abc", ".", "-", "1 2", "12,34", "e5"})
            QVERIFY2(!IsAcceptablePrice(bad), bad);
    }

    void emptyNameSavesOnlyTheAisle() {
        CatalogueFixture f;
        f.pickCategory("Dairy");
        f.type(f.window->cboAisles, "  c9 ");
        f.type(f.window->txtAisleDescription, "Cleaning ");
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
        QCOMPARE(f.items().size(), 3);
        QCOMPARE(Rows(f.store(), "Aisles", {"Aisle", "Description"}).last(),
                 QString("c9|Cleaning"));
        QCOMPARE(f.window->cboAisles->currentText(), QString("  c9 "));
        QVERIFY(f.window->cboAisles->findText("c9") >= 0);
    }

    void savingWithoutACategoryIsRefused() {
        CatalogueFixture f;
        f.type(f.window->txtItemName, "Peas");
        QTest::mouseClick(f.window->cmdSave, Qt::LeftButton);
        QCOMPARE(f.boxes().texts(), QStringList{"You must Select a Catagory for this Item!"});
        QCOMPARE(f.boxes().shown.first().title, QString("Pantrelle"));
        QVERIFY(f.listed().isEmpty());
    }

    void unsavedChangesAreOfferedBeforeLeavingThem() {
        CatalogueFixture f;
        f.pickCategory("Frozen");
        f.type(f.window->txtItemName, "Peas");
        QCOMPARE(f.window->changedFlag, 1);
        f.answer({MsgAnswer::No});
        f.pickCategory("Dairy");
        QCOMPARE(f.boxes().texts(),
                 QStringList{"Your data has changed. Do you want to save changes?"});
        QCOMPARE(f.boxes().shown.first().title, QString("Save Information!"));
        QCOMPARE(f.boxes().shown.first().buttons, MsgButtons::YesNo);
        QVERIFY(f.items("Frozen").isEmpty());
        QCOMPARE(f.listed().size(), 3);
        QCOMPARE(f.window->changedFlag, 0);

        // Yes on Close saves, under the category now shown.
        f.type(f.window->txtItemName, "Cream");
        f.answer({MsgAnswer::Yes});
        QTest::mouseClick(f.window->cmdClose, Qt::LeftButton);
        QCOMPARE(f.boxes().shown.size(), 2);
        QVERIFY(Rows(f.store(), "Dairy", {"Item"}).contains("Cream"));
        QVERIFY(!f.window || !f.window->isVisible());
    }

    void escAsksButTheCloseBoxDoesNot() {
        CatalogueFixture f;
        f.pickCategory("Dairy");
        f.type(f.window->txtItemName, "Cream");
        f.answer({MsgAnswer::No});
        QTest::keyClick(f.window->txtItemName, Qt::Key_Escape);
        QCOMPARE(f.boxes().shown.size(), 1);
        QVERIFY(!f.window || !f.window->isVisible());

        f.open();
        f.pickCategory("Dairy");
        f.type(f.window->txtItemName, "Cream");
        f.window->close();
        QCOMPARE(f.boxes().shown.size(), 1);
        QVERIFY(!Rows(f.store(), "Dairy", {"Item"}).contains("Cream"));
    }

    void closeWithARefusedPriceStoresNothing() {
        CatalogueFixture f;
        f.pickCategory("Dairy");
        f.type(f.window->txtItemName, "Cream");
        f.type(f.window->txtItemPrice, "$2");
        f.answer({MsgAnswer::Yes});
        QTest::mouseClick(f.window->cmdClose, Qt::LeftButton);
        QCOMPARE(f.boxes().texts(),
                 (QStringList{"Your data has changed. Do you want to save changes?",
                              "You must enter Numbers only! Item not saved!"}));
        QCOMPARE(f.items().size(), 3);
        QVERIFY(!f.window || !f.window->isVisible());
    }

    void enterSaves() {
        CatalogueFixture f;
        f.pickCategory("Frozen");
        f.type(f.window->txtItemName, "Peas");
        QTest::keyClick(f.window->txtItemName, Qt::Key_Return);
        QCOMPARE(Rows(f.store(), "Frozen", {"Item"}), QStringList{"Peas"});
        f.type(f.window->txtItemName, "Corn");
        QTest::keyClick(f.window->cboAisles, Qt::Key_Return);
        QCOMPARE(Rows(f.store(), "Frozen", {"Item"}), (QStringList{"Peas", "Corn"}));
    }

    void deletingAnItem() {
        CatalogueFixture f;
        f.pickCategory("Dairy");
        QTest::qWait(0);
        f.window->findChild<QAction*>("mnuDeleteItem")->trigger();
        QCOMPARE(f.boxes().texts(), QStringList{"You Must Select an Item to Delete!"});

        f.selectItem("Butter");
        f.answer({MsgAnswer::No});
        f.window->findChild<QAction*>("mnuDeleteItem")->trigger();
        QCOMPARE(f.boxes().shown.last().text, QString("Do you want to Delete item Butter ?"));
        QCOMPARE(f.items().size(), 3);

        f.answer({MsgAnswer::Yes});
        f.window->findChild<QAction*>("mnuDeleteItem")->trigger();
        QCOMPARE(Rows(f.store(), "Dairy", {"Item"}), (QStringList{"Milk", "Milk Chocolate"}));
        QCOMPARE(f.listed(), (QStringList{"Milk", "Milk Chocolate"}));
        QVERIFY(f.window->txtItemName->text().isEmpty());
    }

    void newItemClearsEverythingWithoutAsking() {
        CatalogueFixture f;
        f.pickCategory("Dairy");
        f.selectItem("Milk");
        f.type(f.window->txtComments, "x");
        f.window->findChild<QAction*>("mnuNewMeal")->trigger();
        QVERIFY(f.boxes().shown.isEmpty());
        QVERIFY(f.window->cboCategory->currentText().isEmpty());
        QVERIFY(f.listed().isEmpty());
        QVERIFY(f.window->txtItemName->text().isEmpty());
        QCOMPARE(f.window->focusWidget(), f.window->cboCategory);
    }

    void autoDropDownSwitch() {
        CatalogueFixture f;
        QAction* entry = f.window->findChild<QAction*>("mnuDropDown");
        QCOMPARE(entry->text(), QString("Enable Auto Drop Down"));
        entry->trigger();
        QCOMPARE(f.data.app.settings.DropDown, 1);
        QCOMPARE(entry->text(), QString("Disable Auto Drop Down"));
        f.window->cboCategory->hidePopup();
        entry->trigger();
        QCOMPARE(f.data.app.settings.DropDown, 0);

        f.data.app.settings.DropDown = 1;
        f.open();
        QCOMPARE(f.window->findChild<QAction*>("mnuDropDown")->text(),
                 QString("Disable Auto Drop Down"));
        QTRY_VERIFY(f.window->cboCategory->view()->isVisible());
        f.window->cboCategory->hidePopup();
    }

    void mainWindowOpensItCentredAsAnEditorOnly() {
        TestData data;
        auto main = Main(data.app);
        data.app.settings.DropDown = 0;
        bool checked = false;
        data.platform.modalRunner.steps.push_back([&](QDialog* window) {
            auto* catalogue = qobject_cast<frmAddGrocery*>(window);
            QVERIFY(catalogue);
            QVERIFY(!catalogue->cmdExpand->isEnabled());
            QVERIFY(!catalogue->isNarrow());
            QCOMPARE(catalogue->clientWidthTwips(), frmAddGrocery::kWideWidth);
            QVERIFY(!catalogue->cmdAddtoMeal->isEnabled());
            const QRect screen = catalogue->screen()->geometry();
            QVERIFY(qAbs(catalogue->frameGeometry().center().x() - screen.center().x()) <= 8);
            QVERIFY(main->isVisible());
            checked = true;
        });
        main->findChild<QAction*>("mnuGrocery")->trigger();
        QVERIFY(checked);
        QCOMPARE(data.platform.modalRunner.opened, QStringList{"frmAddGrocery"});
    }
};

QTEST_MAIN(TestCatalogueItems)
#include "tst_catalogueitems.moc"
