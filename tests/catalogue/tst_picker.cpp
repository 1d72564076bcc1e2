// The catalogue window as a picker for a meal or a grocery list, and its all-items list.
#include "CatalogueFixture.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "catalogue/frmAllItems.h"
#include "meals/frmAddMeal.h"

class TestPicker : public QObject {
    Q_OBJECT

private slots:
    void pickingForTheMealEditor() {
        CatalogueFixture f;
        delete f.window;
        auto main = Main(f.data.app);
        f.data.app.settings.DropDown = 0;
        auto& steps = f.data.platform.modalRunner.steps;
        // From the main window it is only for editing.
        steps.push_back([](QDialog* window) {
            QVERIFY(!qobject_cast<frmAddGrocery*>(window)->cmdExpand->isEnabled());
        });
        main->findChild<QAction*>("mnuGrocery")->trigger();
        QCOMPARE(f.data.platform.modalRunner.opened, QStringList{"frmAddGrocery"});

        main->cmdCreateMeals->click();
        auto* editor = main->findChild<frmAddMeal*>("frmAddMeal");
        QTest::keyClicks(editor->txtMealName, "Hot Cocoa");
        steps.push_back([&](QDialog* window) {
            f.window = qobject_cast<frmAddGrocery*>(window);
            QVERIFY(f.window->isNarrow() &&
                    !f.window->findChild<QAction*>("mnuCategory")->isEnabled());
            f.pickCategory("Dairy");
            f.selectItem("Milk");
            f.add();
            // A longer name beside a shorter one is no duplicate; a typed quantity replaces "1".
            f.selectItem("Milk Chocolate");
            QTRY_COMPARE(f.window->txtQty->selectedText(), QString("1"));
            QTest::keyClicks(f.window->txtQty, "12");
            f.add();
            // A name that starts a listed one is.
            editor->lstItems->setCurrentRow(0);
            editor->cmdRemoveItem->click();
            f.selectItem("Milk");
            f.add();
            f.selectItem("Butter");
            for (const char* quantity : {"0", "1.5", "", "2"}) {
                f.window->txtQty->setText(quantity);
                f.add();
            }
            f.window->cmdClose->click();
        });
        QTest::mouseClick(editor->cmdAddItem, Qt::LeftButton);
        QCOMPARE(f.boxes.texts(), QStringList({"Do you want to remove this Item from the Meal?",
                                               "Item Already in Meal!"}) +
                                      QStringList(3, "Please enter a quantity from 1 to 999!"));
        QCOMPARE(ListTexts(editor->lstItems),
                 (QStringList{"12 Milk Chocolate\t\t\tDairy", "2 Butter\t\t\tDairy"}));
        f.window = nullptr;
    }

    void pickingForAGroceryListSwitchesModes() {
        CatalogueFixture f;
        QList<PickedItem> picked;
        delete f.window;
        f.window = new frmAddGrocery(f.data.app, CatalogueMode::ListPicker, nullptr,
                                     [&](const PickedItem& item) {
                                         picked.append(item);
                                         return true;
                                     });
        f.window->show();
        QWidget list;
        f.window->prepareForList(&list);
        f.pickCategory("Dairy");
        // Wide mode is for editing; back to narrow, adding waits for a selection and still
        // goes to the same list.
        QTest::mouseClick(f.window->cmdExpand, Qt::LeftButton);
        QVERIFY(!f.window->cmdAddtoMeal->isEnabled());
        QVERIFY(f.window->findChild<QAction*>("mnuDeleteItem")->isEnabled());
        QTest::mouseClick(f.window->cmdExpand, Qt::LeftButton);
        QVERIFY(!f.window->cmdAddtoMeal->isEnabled());
        f.selectItem("Milk Chocolate");
        f.add();
        QCOMPARE(picked.size(), 1);
        QCOMPARE(picked[0].category + "|" + picked[0].quantity, QString("Dairy|1"));
        QCOMPARE(picked[0].item.name + "|" + picked[0].item.size + "|" + picked[0].item.aisle +
                     "|" + picked[0].item.price + "|" + picked[0].item.comments,
                 QString("Milk Chocolate|1 gal|B1|3.59|"));
    }

    void allItemsListsDeletesAndOpens() {
        CatalogueFixture f;
        f.store().run("INSERT INTO Frozen (Item) VALUES ('butter')");
        f.store().run("INSERT INTO Groups VALUES ('Lost')"); // no table behind it
        auto& steps = f.data.platform.modalRunner.steps;
        steps.push_back([&](QDialog* window) {
            auto* browser = qobject_cast<frmAllItems*>(window);
            QCOMPARE(ListTexts(browser->lstGroceryItem),
                     (QStringList{"Butter\t\tDairy", "butter\t\tFrozen", "Milk\t\tDairy",
                                  "Milk Chocolate\t\tDairy"}));
            // No keeps the item and the window.
            browser->lstGroceryItem->setCurrentRow(1);
            f.boxes.answers = {MsgAnswer::No};
            QTest::keyClick(browser->lstGroceryItem, Qt::Key_Delete);
            QVERIFY(browser->isVisible());
            browser->findChild<QAction*>("mnuDelete")->trigger();
        });
        f.trigger("mnuView");
        QCOMPARE(f.boxes.texts(), QStringList(2, "Do you want to Delete item butter ?"));
        QVERIFY(f.items("Frozen").isEmpty());
        QCOMPARE(f.items().size(), 3);

        // A double click opens the item in the catalogue.
        steps.push_back([](QDialog* window) {
            QListWidget* list = qobject_cast<frmAllItems*>(window)->lstGroceryItem;
            list->setCurrentRow(2);
            emit list->itemDoubleClicked(list->item(2));
        });
        f.trigger("mnuView");
        QCOMPARE(f.listed(), (QStringList{"Butter", "Milk", "Milk Chocolate"}));
        QCOMPARE(f.window->txtItemName->text(), QString("Milk Chocolate"));
    }
};

QTEST_MAIN(TestPicker)
#include "tst_picker.moc"
