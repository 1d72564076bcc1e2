// The catalogue window as a picker for a meal and for a grocery list, and the all-items list.
#include "CatalogueFixture.h"
#include "catalogue/frmAllItems.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Stands in for the window the picker adds to: only the list matters to it.
struct Target {
    QWidget window;
    QListWidget* list;
    explicit Target(const char* listName) : list(new QListWidget(&window)) {
        list->setObjectName(listName);
        window.setGeometry(100, 80, 500, 400);
        window.show();
    }
    QStringList rows() const {
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result << list->item(i)->text();
        return result;
    }
};

} // namespace

class TestPicker : public QObject {
    Q_OBJECT

private slots:
    void narrowBesideTheMealEditor() {
        CatalogueFixture f;
        Target meal("lstItems");
        f.window->prepareForMeal(&meal.window);
        QVERIFY(f.window->isNarrow());
        QCOMPARE(f.window->cmdExpand->text(), QString(">"));
        QCOMPARE(f.window->x(), meal.window.x());
        QCOMPARE(f.window->y(), meal.window.y() + 40);
        for (const char* name : {"mnuCategory", "mnuNewMeal", "mnuNewAisle", "mnuDeleteCategory",
                                 "mnuDeleteItem", "mnuDeleteAisle"})
            QVERIFY(!f.window->findChild<QAction*>(name)->isEnabled());
        for (const char* name : {"mnuDropDown", "mnuClose", "mnuView"})
            QVERIFY(f.window->findChild<QAction*>(name)->isEnabled());

        QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton); // disabled: nothing happens
        f.pickCategory("Dairy");
        f.selectItem("Milk Chocolate");
        QVERIFY(f.window->cmdAddtoMeal->isEnabled());
        QCOMPARE(f.window->txtQty->text(), QString("1"));
        QTRY_COMPARE(f.window->txtQty->selectedText(), QString("1"));
        QTest::keyClicks(f.window->txtQty, "12");
        QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
        QCOMPARE(meal.rows(), QStringList{"12 Milk Chocolate\t\t\tDairy"});

        // "Milk" is taken as already there: as many characters as it has are compared.
        f.selectItem("Milk");
        QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
        QCOMPARE(f.boxes().texts(), QStringList{"Item Already in Meal!"});
        QCOMPARE(meal.rows().size(), 1);
    }

    void longerNameIsAddedBesideAShorterOne() {
        CatalogueFixture f;
        Target meal("lstItems");
        meal.list->addItem("2 Milk\t\t\tDairy");
        f.window->prepareForMeal(&meal.window);
        f.pickCategory("Dairy");
        f.selectItem("Milk Chocolate");
        QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
        QVERIFY(f.boxes().shown.isEmpty());
        QCOMPARE(meal.rows().last(), QString("1 Milk Chocolate\t\t\tDairy"));
    }

    void mealQuantityMustBeACount_data() {
        QTest::addColumn<QString>("quantity");
        QTest::newRow("zero") << "0";
        QTest::newRow("blank inside") << "1 2";
        QTest::newRow("word") << "ab";
        QTest::newRow("empty") << "";
        QTest::newRow("decimal") << "1.5";
    }
    void mealQuantityMustBeACount() {
        QFETCH(QString, quantity);
        CatalogueFixture f;
        Target meal("lstItems");
        f.window->prepareForMeal(&meal.window);
        f.pickCategory("Dairy");
        f.selectItem("Butter");
        f.window->txtQty->setText(quantity);
        QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
        QCOMPARE(f.boxes().texts(), QStringList{"Please enter a quantity from 1 to 999!"});
        QVERIFY(meal.rows().isEmpty());
    }

    void switchingWidthsFollowsTheSelection() {
        CatalogueFixture f;
        Target meal("lstItems");
        f.window->prepareForMeal(&meal.window);
        QTest::mouseClick(f.window->cmdExpand, Qt::LeftButton);
        QVERIFY(!f.window->isNarrow());
        QCOMPARE(f.window->clientWidthTwips(), frmAddGrocery::kWideWidth);
        QCOMPARE(f.window->x(), meal.window.x());
        QVERIFY(f.window->findChild<QAction*>("mnuDeleteItem")->isEnabled());

        f.pickCategory("Dairy");
        QTest::mouseClick(f.window->cmdExpand, Qt::LeftButton);
        QVERIFY(f.window->isNarrow());
        QVERIFY(!f.window->cmdAddtoMeal->isEnabled());

        f.selectItem("Butter");
        QTest::mouseClick(f.window->cmdExpand, Qt::LeftButton);
        QVERIFY(!f.window->cmdAddtoMeal->isEnabled());
        QVERIFY(!f.window->txtQty->isEnabled());
        QTest::mouseClick(f.window->cmdExpand, Qt::LeftButton);
        QVERIFY(f.window->cmdAddtoMeal->isEnabled());
        QVERIFY(f.window->txtQty->isEnabled());
    }

    void addingToAGroceryList() {
        CatalogueFixture f;
        Target list("lstGroceryList");
        list.list->addItem("Butter\t1\tYes\t\t\t\tDairy\t");
        f.window->prepareForList(&list.window);
        QVERIFY(f.window->isNarrow());
        QCOMPARE(f.window->cmdAddtoMeal->text(), QString("Add to List"));
        QCOMPARE(f.window->x(), list.window.x() + 467);

        f.pickCategory("Dairy");
        QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
        QCOMPARE(f.boxes().texts(), QStringList{"First select an Item to Add!"});

        f.selectItem("Butter");
        QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
        QCOMPARE(f.boxes().shown.last().text, QString("Item Already in Grocery List!"));
        QCOMPARE(list.list->property("Tag").toString(), QString());

        f.selectItem("Milk");
        f.window->txtQty->setText("2.5");
        QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
        QCOMPARE(list.rows().last(), QString("Milk\t2.5\t   \t1 gal\tB1\t3.59\tDairy\t"));
        QCOMPARE(list.list->property("Tag").toString(), QString("Dirty"));

        // The target survives a trip to wide mode and back.
        QTest::mouseClick(f.window->cmdExpand, Qt::LeftButton);
        QVERIFY(!f.window->cmdAddtoMeal->isEnabled());
        QTest::mouseClick(f.window->cmdExpand, Qt::LeftButton);
        QCOMPARE(f.window->cmdAddtoMeal->text(), QString("Add to List"));
    }

    void allItemsListsAndCountsEveryCategory() {
        CatalogueFixture f;
        f.store().run("INSERT INTO Frozen (Item) VALUES ('butter')");
        f.store().run("INSERT INTO Groups VALUES ('Lost')"); // no table behind it
        frmAllItems browser(f.data.app, f.window);
        QStringList lines;
        for (int i = 0; i < browser.lstGroceryItem->count(); ++i)
            lines << browser.lstGroceryItem->item(i)->text();
        QCOMPARE(lines, (QStringList{"Butter\t\tDairy", "butter\t\tFrozen", "Milk\t\tDairy",
                                     "Milk Chocolate\t\tDairy"}));
        QCOMPARE(browser.lblTotalItems->text(), QString("Total Grocery Items: 4"));
    }

    void allItemsDeletesFromTheLinesCategory() {
        CatalogueFixture f;
        f.store().run("INSERT INTO Frozen (Item) VALUES ('Butter')");
        f.data.platform.modalRunner.steps.push_back([&](QDialog* window) {
            auto* browser = qobject_cast<frmAllItems*>(window);
            browser->DeleteSelectedItem(); // nothing selected: nothing asked
            QVERIFY(f.boxes().shown.isEmpty());
            browser->lstGroceryItem->setCurrentRow(1);
            f.answer({MsgAnswer::No, MsgAnswer::Yes});
            QTest::keyClick(browser->lstGroceryItem, Qt::Key_Delete);
            QVERIFY(browser->isVisible());
            browser->findChild<QAction*>("mnuDelete")->trigger();
            QVERIFY(!browser->isVisible());
        });
        f.window->findChild<QAction*>("mnuView")->trigger();
        QCOMPARE(f.boxes().texts(), (QStringList{"Do you want to Delete item Butter ?",
                                                 "Do you want to Delete item Butter ?"}));
        QVERIFY(f.items("Frozen").isEmpty());
        QCOMPARE(f.items().size(), 3);
    }

    void allItemsDoubleClickOpensTheItem() {
        CatalogueFixture f;
        f.data.platform.modalRunner.steps.push_back([&](QDialog* window) {
            auto* browser = qobject_cast<frmAllItems*>(window);
            browser->lstGroceryItem->setCurrentRow(2);
            emit browser->lstGroceryItem->itemDoubleClicked(browser->lstGroceryItem->item(2));
        });
        f.window->findChild<QAction*>("mnuView")->trigger();
        QCOMPARE(f.window->cboCategory->currentText(), QString("Dairy"));
        QCOMPARE(f.listed(), (QStringList{"Butter", "Milk", "Milk Chocolate"}));
        QCOMPARE(f.window->txtItemName->text(), QString("Milk Chocolate"));
        QCOMPARE(f.window->txtAisleDescription->text(), QString("Dairy and Eggs"));
    }
};

QTEST_MAIN(TestPicker)
#include "tst_picker.moc"
