// The meal editor driven through its controls, as the user would, over a real data file.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "meals/MealItemRow.h"
#include "meals/frmAddMeal.h"
#include "store/DataStore.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList kMealFields{"Meal", "Breakfast", "Lunch", "Dinner", "Item", "Category", "Qty"};

// The main window, started as the program starts, with the meal editor opened from it.
struct Session {
    TestData data;
    std::unique_ptr<frmMain> main;
    QPointer<frmAddMeal> editor;
    FakeMessageBoxes& boxes = data.platform.messageBoxes;

    explicit Session(const QStringList& meals = {}) {
        {
            auto store = DataStore::open(data.dataFile());
            for (const QString& meal : meals)
                addRow(*store, meal.split('|'));
        }
        main = Main(data.app);
        main->cmdCreateMeals->click();
        editor = main->findChild<frmAddMeal*>("frmAddMeal");
    }

    // Meal|Breakfast|Lunch|Dinner|Item|Category|Qty
    static void addRow(DataStore& store, const QStringList& f) {
        store.run("INSERT INTO Meals VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)", f[0], f[1].toInt(),
                  f[2].toInt(), f[3].toInt(), f[4], f[5], f[6]);
    }
    DataStore& store() { return data.app.store(); }
    QStringList rows() { return Rows(store(), "Meals", kMealFields); }
    QStringList listed(QListWidget* list) const {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
    QString lastMessage() const {
        return boxes.shown.isEmpty() ? QString()
                                     : boxes.shown.last().text + " / " + boxes.shown.last().title;
    }

    void pick(const QString& meal) {
        const QList<QListWidgetItem*> found = editor->lstMeals->findItems(meal, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(meal));
        QTest::mouseClick(editor->lstMeals->viewport(), Qt::LeftButton, {},
                          editor->lstMeals->visualItemRect(found.first()).center());
    }
    void type(const QString& text) {
        editor->txtMealName->clear();
        QTest::keyClicks(editor->txtMealName, text);
    }
    void key(int row, Qt::Key key) {
        editor->lstItems->setCurrentRow(row);
        QTest::keyClick(editor->lstItems, key);
    }
};

} // namespace

class TestMealEditor : public QObject {
    Q_OBJECT

private slots:
    void opensFromTheMainWindowAndReturnsToIt() {
        Session s({"Toast|1|0|0|Bread|Bakery|2", "Chili|0|0|1|Beans|Canned|1"});
        QVERIFY(s.editor && s.editor->isVisible());
        QVERIFY(!s.main->isVisible());
        QCOMPARE(s.editor->windowTitle(), QString("Add/Edit Meals!"));
        QCOMPARE(s.listed(s.editor->lstMeals), QStringList({"Chili", "Toast"}));
        QVERIFY(!s.editor->cmdAddItem->isEnabled() && !s.editor->cmdRemoveItem->isEnabled());
        QCOMPARE(s.editor->txtMealName->maxLength(), 25);

        s.editor->findChild<QAction*>("mnuList")->trigger();
        QCOMPARE(s.data.platform.documentOpener.opened, QStringList{s.data.app.manualPath()});

        s.editor->findChild<QAction*>("mnuClose")->trigger();
        QVERIFY(s.boxes.shown.isEmpty());
        QVERIFY(!s.editor || !s.editor->isVisible());
        QVERIFY(s.main->isVisible());
    }

    void pickingLoadsTheMealAndSavingReplacesIt() {
        Session s({"Toast|1|1|0|Bread|Bakery|2", "Toast|1|1|0|Butter|Dairy|1",
                   "Chili|0|0|1|Beans|Canned|1"});
        s.type("Something typed first");
        s.boxes.answers = {MsgAnswer::No};
        s.pick("Toast");
        QCOMPARE(s.boxes.shown.size(), 1);
        QCOMPARE(s.editor->txtMealName->text(), QString("Toast"));
        QVERIFY(s.editor->chkBreakfast->isChecked() && s.editor->chkLunch->isChecked());
        QVERIFY(!s.editor->chkDinner->isChecked());
        QCOMPARE(s.listed(s.editor->lstItems),
                 QStringList({BuildMealItemRow("2", "Bread", "Bakery"),
                              BuildMealItemRow("1", "Butter", "Dairy")}));
        QVERIFY(s.editor->cmdAddItem->isEnabled());
        QCOMPARE(s.editor->ChangeFlag, 0);

        // A picked name is no duplicate, even after a name was typed earlier.
        s.boxes.shown.clear();
        QTest::mouseClick(s.editor->chkDinner, Qt::LeftButton);
        QCOMPARE(s.editor->ChangeFlag, 1);
        s.editor->cmdSaveMeal->click();
        QVERIFY(s.boxes.shown.isEmpty());
        QCOMPARE(s.rows(), QStringList({"Chili|0|0|1|Beans|Canned|1", "Toast|1|1|1|Bread|Bakery|2",
                                        "Toast|1|1|1|Butter|Dairy|1"}));
        QCOMPARE(s.editor->ChangeFlag, 0);
        QVERIFY(!s.editor->cmdAddItem->isEnabled());

        // Typing a listed name is refused.
        s.editor->cmdNewMeal->click();
        s.type("Toast");
        s.editor->chkLunch->click();
        s.editor->lstItems->addItem(BuildMealItemRow("1", "Jam", "Spreads"));
        s.editor->cmdSaveMeal->click();
        QCOMPARE(s.lastMessage(), QString("Meal already Exist! / Meal Error!"));
        QCOMPARE(s.rows().size(), 3);
    }

    void savingChecksInOrder() {
        Session s({"Toast|1|0|0|Bread|Bakery|2"});
        s.type("   ");
        s.editor->cmdSaveMeal->click();
        QCOMPARE(s.lastMessage(), QString("You must Name this Meal! / Error!"));
        s.type(" Toast ");
        s.editor->cmdSaveMeal->click();
        QCOMPARE(s.lastMessage(), QString("Meal already Exist! / Meal Error!"));
        s.type("  Omelette ");
        s.editor->cmdSaveMeal->click();
        QCOMPARE(s.lastMessage(), QString("You must check a meal type! / Error!"));
        s.editor->chkBreakfast->click();
        s.editor->cmdSaveMeal->click();
        QCOMPARE(s.lastMessage(),
                 QString("You must have at least one Item in this Meal! / Save Meal!"));
        QCOMPARE(s.boxes.shown.size(), 4);
        QCOMPARE(s.rows().size(), 1);

        // Names and the parts of each row are stored without their blanks; long categories cut.
        s.editor->lstItems->addItem(BuildMealItemRow("3", " Eggs ", " Dairy "));
        s.editor->lstItems->addItem(
            BuildMealItemRow("1", "Peppers", "Fresh Vegetables and Herbs!"));
        s.editor->cmdSaveMeal->click();
        QCOMPARE(s.boxes.shown.size(), 4);
        QCOMPARE(s.rows(), QStringList({"Toast|1|0|0|Bread|Bakery|2", "Omelette|1|0|0|Eggs|Dairy|3",
                                        "Omelette|1|0|0|Peppers|Fresh Vegetables and Herb|1"}));
        QCOMPARE(s.listed(s.editor->lstMeals), QStringList({"Omelette", "Toast"}));
        QCOMPARE(s.editor->NameTypedFlag, 0);
    }

    void aNameInAnotherLetterCaseReplacesTheMeal() {
        Session s({"Crème Brûlée|0|0|1|Cream|Dairy|1", "Crème Brûlée|0|0|1|Sugar|Baking|2",
                   "Toast|1|0|0|Bread|Bakery|2"});
        s.type("CRÈME BRÛLÉE");
        s.editor->chkDinner->click();
        s.editor->lstItems->addItem(BuildMealItemRow("4", "Eggs", "Dairy"));
        s.editor->cmdSaveMeal->click();
        QVERIFY(s.boxes.shown.isEmpty());
        QCOMPARE(s.rows(),
                 QStringList({"Toast|1|0|0|Bread|Bakery|2", "CRÈME BRÛLÉE|0|0|1|Eggs|Dairy|4"}));
    }

    void quantityKeysChangeTheSelectedRow() {
        const QString longCategory = "Frozen Vegetables and Fruit Bars";
        Session s({"Stew|0|0|1|Beef|Meat|999", "Stew|0|0|1|Salt|Spices|1",
                   "Stew|0|0|1|Peas|" + longCategory + "|5"});
        s.pick("Stew");
        s.key(0, Qt::Key_Plus);
        QCOMPARE(s.editor->ChangeFlag, 1);
        s.key(1, Qt::Key_Minus);
        s.key(2, Qt::Key_Equal);
        s.key(0, Qt::Key_Minus);
        s.key(1, Qt::Key_A);
        QCOMPARE(s.listed(s.editor->lstItems),
                 QStringList({BuildMealItemRow("998", "Beef", "Meat"),
                              BuildMealItemRow("1", "Salt", "Spices"),
                              BuildMealItemRow("6", "Peas", longCategory.left(25))}));
    }

    void removingAnItemAsksFirst() {
        Session s({"Stew|0|0|1|Beef|Meat|2", "Stew|0|0|1|Salt|Spices|1"});
        s.pick("Stew");
        s.editor->cmdRemoveItem_Click();
        QCOMPARE(s.lastMessage(), QString("Please Select an Item to Remove! / Information!"));
        s.editor->lstItems->setCurrentRow(0);
        QVERIFY(s.editor->cmdRemoveItem->isEnabled());
        s.boxes.answers = {MsgAnswer::No, MsgAnswer::Yes};
        s.editor->cmdRemoveItem->click();
        QCOMPARE(s.lastMessage(),
                 QString("Do you want to remove this Item from the Meal? / Confirm Remove!"));
        QCOMPARE(s.editor->lstItems->count(), 2);
        s.editor->cmdRemoveItem->click();
        QCOMPARE(s.listed(s.editor->lstItems),
                 QStringList{BuildMealItemRow("1", "Salt", "Spices")});
        QVERIFY(!s.editor->cmdRemoveItem->isEnabled());
        QCOMPARE(s.editor->ChangeFlag, 1);

        // Clicking the name box leaves only adding possible.
        s.editor->lstItems->setCurrentRow(0);
        QTest::mouseClick(s.editor->txtMealName, Qt::LeftButton);
        QVERIFY(s.editor->cmdAddItem->isEnabled() && !s.editor->cmdRemoveItem->isEnabled());
    }

    void addingItemsNeedsAName() {
        Session s;
        s.editor->txtMealName_Click();
        s.editor->cmdAddItem->click();
        QCOMPARE(s.lastMessage(),
                 QString("You Must Select or Name this meal First! / Information!"));
        QCOMPARE(s.editor->ChangeFlag, 0);
        s.type("Lunch Box");
        s.editor->ChangeFlag = 0;
        s.editor->cmdAddItem->click();
        QCOMPARE(s.boxes.shown.size(), 1);
        QCOMPARE(s.editor->ChangeFlag, 1);
    }

    void aPlannedMealCannotBeDeleted() {
        Session s(
            {"Chili|0|0|1|Beans|Canned|1", "Chili|0|0|1|Beef|Meat|1", "CHILI|0|0|1|Rice|Grains|1"});
        for (int slot = 0; slot < 21; ++slot)
            s.store().run("INSERT INTO MealIndex VALUES (?1)", slot == 16 ? "Chili" : "None");

        s.editor->cmdDeleteMeal->click();
        QCOMPARE(s.lastMessage(), QString("Please Select a Meal to Delete! / Information!"));
        s.pick("Chili");
        s.editor->cmdDeleteMeal->click();
        QCOMPARE(
            s.lastMessage(),
            QString(
                "This Meal is in Use! Remove from Menu Planner before deleting! / Information!"));
        QCOMPARE(s.rows().size(), 3);

        s.store().run("UPDATE MealIndex SET ItemIndex = 'None'");
        s.boxes.answers = {MsgAnswer::No};
        s.editor->cmdDeleteMeal->click();
        QCOMPARE(s.lastMessage(), QString("Do you want to Delete this Meal? / Confirm Delete!"));
        QCOMPARE(s.rows().size(), 3);
        s.editor->cmdDeleteMeal->click();
        QCOMPARE(s.rows(), QStringList{"CHILI|0|0|1|Rice|Grains|1"});
        QCOMPARE(s.listed(s.editor->lstMeals), QStringList{"CHILI"});
        QVERIFY(s.editor->txtMealName->text().isEmpty() && s.editor->lstItems->count() == 0);
    }

    void pickingAnotherMealOffersToSaveFirst() {
        Session s({"Toast|1|0|0|Bread|Bakery|2", "Chili|0|0|1|Beans|Canned|1"});
        s.pick("Toast");
        s.key(0, Qt::Key_Plus);
        s.boxes.answers = {MsgAnswer::No};
        s.pick("Chili");
        QCOMPARE(
            s.lastMessage(),
            QString("Your data has changed. Do you want to save changes? / Save Information!"));
        QCOMPARE(s.editor->txtMealName->text(), QString("Chili"));
        QCOMPARE(s.editor->ChangeFlag, 0);
        QCOMPARE(s.rows().first(), QString("Toast|1|0|0|Bread|Bakery|2"));

        s.key(0, Qt::Key_Plus);
        s.pick("Toast"); // Yes
        QCOMPARE(s.rows().last(), QString("Chili|0|0|1|Beans|Canned|2"));
        QCOMPARE(s.listed(s.editor->lstItems),
                 QStringList{BuildMealItemRow("2", "Bread", "Bakery")});
    }

    void aFailedSaveKeepsTheStoredMeal() {
        Session s({"Salad|0|1|0|Lettuce|Produce|1", "Salad|0|1|0|Tomato|Produce|2"});
        s.store().run("CREATE TRIGGER t BEFORE INSERT ON Meals WHEN NEW.Item = 'Boom' "
                      "BEGIN SELECT RAISE(ABORT, 'x'); END");
        s.pick("Salad");
        // First, so that the failure comes after the old rows are gone.
        s.editor->lstItems->insertItem(0, BuildMealItemRow("1", "Boom", "Produce"));
        s.editor->ChangeFlag = 1;
        s.editor->cmdSaveMeal->click();
        QCOMPARE(s.rows(),
                 QStringList({"Salad|0|1|0|Lettuce|Produce|1", "Salad|0|1|0|Tomato|Produce|2"}));
        QCOMPARE(s.editor->ChangeFlag, 1);
    }

    void theCloseBoxWithYesSavesAndStaysOpen() {
        Session s({"Toast|1|0|0|Bread|Bakery|2"});
        s.pick("Toast");
        s.editor->chkLunch->click();
        s.editor->close();
        QVERIFY(s.editor->isVisible());
        QVERIFY(!s.main->isVisible());
        QCOMPARE(s.rows(), QStringList{"Toast|1|1|0|Bread|Bakery|2"});
        QCOMPARE(s.editor->ChangeFlag, 0);

        s.editor->chkLunch->click();
        s.boxes.answers = {MsgAnswer::No};
        s.editor->close();
        QVERIFY(!s.editor || !s.editor->isVisible());
        QVERIFY(s.main->isVisible());
        QCOMPARE(s.rows(), QStringList{"Toast|1|1|0|Bread|Bakery|2"});
    }

    void returnToMainWithYesSavesAndCloses_data() {
        QTest::addColumn<bool>("complete");
        QTest::newRow("valid meal") << true;
        QTest::newRow("refused by a check") << false;
    }
    void returnToMainWithYesSavesAndCloses() {
        QFETCH(bool, complete);
        Session s;
        s.type("Porridge");
        if (complete) {
            s.editor->chkBreakfast->click();
            s.editor->lstItems->addItem(BuildMealItemRow("1", "Oats", "Grains"));
        }
        s.editor->cmdClose->click();
        QCOMPARE(s.boxes.texts().first(),
                 QString("Your data has changed. Do you want to save changes?"));
        QCOMPARE(s.boxes.shown.size(), complete ? 1 : 2);
        QCOMPARE(s.rows(), complete ? QStringList{"Porridge|1|0|0|Oats|Grains|1"} : QStringList{});
        QVERIFY(!s.editor || !s.editor->isVisible());
        QVERIFY(s.main->isVisible());
    }
};

QTEST_MAIN(TestMealEditor)
#include "tst_mealeditor.moc"
