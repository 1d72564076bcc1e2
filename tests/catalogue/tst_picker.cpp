// How the catalogue window opens: from the main window, as a picker for a meal or a grocery
// list, and its all-items list.
#include "CatalogueFixture.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "catalogue/frmAllItems.h"
#include "meals/frmAddMeal.h"

#include <QLabel>
#include <QScreen>

// Stands in for the window the picker adds to: only its list matters.
struct Target : QWidget {
    QListWidget* list = new QListWidget(this);
    explicit Target(const char* listName) {
        list->setObjectName(listName);
        setGeometry(100, 80, 500, 400);
        show();
    }
};

class TestPicker : public QObject {
    Q_OBJECT

private slots:
    void pickingForAMeal() {
        CatalogueFixture f;
        Target meal("lstItems");
        meal.list->addItem("2 Milk\t\t\tDairy");
        f.window->prepareForMeal(&meal);
        QVERIFY(f.window->isNarrow());
        QCOMPARE(f.window->pos(), meal.pos() + QPoint(0, 40));
        for (const char* name : {"mnuCategory", "mnuNewMeal", "mnuNewAisle", "mnuDeleteCategory",
                                 "mnuDeleteItem", "mnuDeleteAisle"})
            QVERIFY(!f.window->findChild<QAction*>(name)->isEnabled());

        // A longer name beside a shorter one is no duplicate; a typed quantity replaces "1".
        f.pickCategory("Dairy");
        f.selectItem("Milk Chocolate");
        QTRY_COMPARE(f.window->txtQty->selectedText(), QString("1"));
        QTest::keyClicks(f.window->txtQty, "12");
        QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
        const QStringList rows{"2 Milk\t\t\tDairy", "12 Milk Chocolate\t\t\tDairy"};
        QCOMPARE(Lines(meal.list), rows);

        f.selectItem("Butter");
        for (const char* quantity : {"0", "1.5", ""}) {
            f.window->txtQty->setText(quantity);
            QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
        }
        QCOMPARE(f.boxes().texts(), QStringList(3, "Please enter a quantity from 1 to 999!"));
        QCOMPARE(Lines(meal.list), rows);
    }

    void pickingForAGroceryList() {
        CatalogueFixture f;
        Target list("lstGroceryList");
        list.list->addItem("Butter\t1\tYes\t\t\t\tDairy\t");
        f.window->prepareForList(list.list);
        f.pickCategory("Dairy");
        f.selectItem("Butter");
        QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
        QCOMPARE(f.boxes().texts(), QStringList{"Item Already in Grocery List!"});
        QCOMPARE(list.list->property("Tag").toString(), QString());

        f.selectItem("Milk");
        f.window->txtQty->setText("2.5");
        QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
        QCOMPARE(Lines(list.list).last(), QString("Milk\t2.5\t   \t1 gal\tB1\t3.59\tDairy\t"));
        QCOMPARE(list.list->property("Tag").toString(), QString("Dirty"));

        // Wide mode is for editing; back to narrow, adding needs a selection and still goes
        // to the same list.
        QTest::mouseClick(f.window->cmdExpand, Qt::LeftButton);
        QVERIFY(!f.window->cmdAddtoMeal->isEnabled());
        QVERIFY(f.window->findChild<QAction*>("mnuDeleteItem")->isEnabled());
        QTest::mouseClick(f.window->cmdExpand, Qt::LeftButton);
        QVERIFY(f.window->cmdAddtoMeal->isEnabled());
        f.selectItem("Milk Chocolate");
        QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
        QVERIFY(Lines(list.list).last().startsWith("Milk Chocolate\t"));

        f.window->lstGroceryItem->clearSelection();
        QTest::mouseClick(f.window->cmdExpand, Qt::LeftButton);
        QTest::mouseClick(f.window->cmdExpand, Qt::LeftButton);
        QVERIFY(!f.window->cmdAddtoMeal->isEnabled());
    }

    void allItemsListsDeletesAndOpens() {
        CatalogueFixture f;
        f.store().run("INSERT INTO Frozen (Item) VALUES ('butter')");
        f.store().run("INSERT INTO Groups VALUES ('Lost')"); // no table behind it
        f.data.platform.modalRunner.steps.push_back([&](QDialog* window) {
            auto* browser = qobject_cast<frmAllItems*>(window);
            QCOMPARE(Lines(browser->lstGroceryItem),
                     (QStringList{"Butter\t\tDairy", "butter\t\tFrozen", "Milk\t\tDairy",
                                  "Milk Chocolate\t\tDairy"}));
            QCOMPARE(browser->lblTotalItems->text(), QString("Total Grocery Items: 4"));
            browser->DeleteSelectedItem();
            QVERIFY(f.boxes().shown.isEmpty());
            browser->lstGroceryItem->setCurrentRow(1);
            f.answer({MsgAnswer::No, MsgAnswer::Yes});
            QTest::keyClick(browser->lstGroceryItem, Qt::Key_Delete);
            QVERIFY(browser->isVisible());
            browser->findChild<QAction*>("mnuDelete")->trigger();
            QVERIFY(!browser->isVisible());
        });
        f.trigger("mnuView");
        QCOMPARE(f.boxes().texts(), (QStringList{"Do you want to Delete item butter ?",
                                                 "Do you want to Delete item butter ?"}));
        QVERIFY(f.items("Frozen").isEmpty());
        QCOMPARE(f.items().size(), 3);

        f.data.platform.modalRunner.steps.push_back([&](QDialog* window) {
            auto* browser = qobject_cast<frmAllItems*>(window);
            browser->lstGroceryItem->setCurrentRow(2);
            emit browser->lstGroceryItem->itemDoubleClicked(browser->lstGroceryItem->item(2));
        });
        f.trigger("mnuView");
        QCOMPARE(f.listed(), (QStringList{"Butter", "Milk", "Milk Chocolate"}));
        QCOMPARE(f.window->txtItemName->text(), QString("Milk Chocolate"));
    }

    void openedFromTheMainWindowAndTheMealEditor() {
        CatalogueFixture f;
        delete f.window;
        auto main = Main(f.data.app);
        f.data.app.settings.DropDown = 0;
        // From the main window it is centred and only for editing.
        f.data.platform.modalRunner.steps.push_back([&](QDialog* window) {
            auto* catalogue = qobject_cast<frmAddGrocery*>(window);
            QVERIFY(!catalogue->cmdExpand->isEnabled());
            const QRect screen = catalogue->screen()->geometry();
            QVERIFY(qAbs(catalogue->frameGeometry().center().x() - screen.center().x()) <= 8);
        });
        main->findChild<QAction*>("mnuGrocery")->trigger();
        QCOMPARE(f.data.platform.modalRunner.opened, QStringList{"frmAddGrocery"});

        // From the meal editor, the items picked land in the meal being edited.
        main->cmdCreateMeals->click();
        auto* editor = main->findChild<frmAddMeal*>("frmAddMeal");
        QVERIFY(editor);
        QTest::keyClicks(editor->txtMealName, "Hot Cocoa");
        f.data.platform.modalRunner.steps.push_back([&](QDialog* window) {
            f.window = qobject_cast<frmAddGrocery*>(window);
            f.pickCategory("Dairy");
            f.selectItem("Milk Chocolate");
            QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
            f.selectItem("Milk");
            QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
            f.selectItem("Butter");
            f.window->txtQty->setText("2");
            QTest::mouseClick(f.window->cmdAddtoMeal, Qt::LeftButton);
            f.window->cmdClose->click();
        });
        editor->ChangeFlag = 0;
        QTest::mouseClick(editor->cmdAddItem, Qt::LeftButton);
        QCOMPARE(f.boxes().texts(), QStringList{"Item Already in Meal!"});
        QCOMPARE(Lines(editor->lstItems),
                 (QStringList{"1 Milk Chocolate\t\t\tDairy", "2 Butter\t\t\tDairy"}));
        QCOMPARE(editor->ChangeFlag, 1);
        f.window = nullptr;
    }
};

QTEST_MAIN(TestPicker)
#include "tst_picker.moc"
