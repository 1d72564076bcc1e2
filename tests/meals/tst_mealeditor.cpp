// The meal editor driven through its controls, as the user would, over a real data file.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "catalogue/frmAddGrocery.h"
#include "domain/MealItemRow.h"
#include "meals/frmAddMeal.h"
#include "store/Catalogue.h"
#include "store/DataStore.h"
#include "ui/ListUtilities.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kSaveQuestion("Your data has changed. Do you want to save changes?");
const QString kNotSaved("The Meal could not be saved! Your meal is still on the screen; please "
                        "try again.");

// The main window, started as the program starts, with the meal editor opened from it.
// Questions are answered Yes unless `boxes.answers` says otherwise.
struct Session {
    TestData data;
    std::unique_ptr<frmMain> main;
    QPointer<frmAddMeal> editor;
    FakeMessageBoxes& boxes = data.platform.messageBoxes;

    // Rows as "Meal|Breakfast|Lunch|Dinner|Item|Category|Qty".
    explicit Session(const QStringList& meals = {}) : main(Main(data.app)) {
        // The catalogue the picker offers.
        for (const char* category : {"Dairy", "Fresh Vegetables and Herbs!", "Canned"})
            CreateCategory(store(), category);
        for (const char* item : {" Free Range Eggs ", "Eggs"})
            store().run("INSERT INTO Dairy (Item) VALUES (?1)", QString(item));
        store().run("INSERT INTO \"Fresh Vegetables and Herbs!\" (Item) VALUES ('Peppers')");
        store().run("INSERT INTO Canned (Item) VALUES ('Boom')");
        for (const QString& meal : meals) {
            const QStringList f = meal.split('|');
            store().run("INSERT INTO Meals VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)", f[0], f[1], f[2],
                        f[3], f[4], f[5], f[6]);
        }
        main->cmdCreateMeals->click();
        editor = main->findChild<frmAddMeal*>("frmAddMeal");
    }

    DataStore& store() { return data.app.store(); }
    QStringList rows() {
        return Rows(store(), "Meals",
                    {"Meal", "Breakfast", "Lunch", "Dinner", "Item", "Category", "Qty"});
    }
    QStringList items() const { return ListTexts(editor->lstItems); }
    bool backAtMain() const { return (!editor || !editor->isVisible()) && main->isVisible(); }

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
    void save() { editor->cmdSaveMeal->click(); }
    // Adds an item of the catalogue through its picker, as the user does.
    void add(const QString& category, const QString& item, const QString& quantity) {
        data.platform.modalRunner.steps.push_back([=](QDialog* window) {
            auto* picker = qobject_cast<frmAddGrocery*>(window);
            picker->cboCategory->setCurrentIndex(picker->cboCategory->findText(category));
            emit picker->cboCategory->activated(picker->cboCategory->currentIndex());
            picker->lstGroceryItem->setCurrentItem(
                picker->lstGroceryItem->findItems(item, Qt::MatchExactly).first());
            picker->txtQty->setText(quantity);
            picker->cmdAddtoMeal->click();
        });
        editor->cmdAddItem->click();
    }
};

} // namespace

class TestMealEditor : public QObject {
    Q_OBJECT

private slots:
    void savingChecksTheMealInOrder() {
        Session s({"Toast|1|0|0|Bread|Bakery|2", "Crème Brûlée|0|0|1|Cream|Dairy|1"});
        // Each attempt mends what the one before was refused for; the stored parts of each item
        // row are read by position and trimmed.
        s.type("   ");
        s.save();
        s.type(" Toast ");
        s.save();
        s.type("  Omelette ");
        s.save();
        s.editor->chkBreakfast->click();
        s.save();
        s.add("Dairy", " Free Range Eggs ", "3");
        s.add("Fresh Vegetables and Herbs!", "Peppers", "1");
        s.save();

        // A name picked after one was typed, or typed in another letter case, replaces its meal.
        s.type("Toast");
        s.boxes.answers = {MsgAnswer::No, MsgAnswer::No};
        s.pick("Toast");
        s.editor->chkDinner->click();
        s.save();
        s.type("Anything");
        s.editor->cmdNewMeal->click();
        s.type("CRÈME BRÛLÉE");
        s.editor->chkDinner->click();
        s.add("Dairy", "Eggs", "4");
        s.save();
        QCOMPARE(s.boxes.texts(), QStringList({"You must Name this Meal!", "Meal already Exist!",
                                               "You must check a meal type!",
                                               "You must have at least one Item in this Meal!",
                                               kSaveQuestion, kSaveQuestion}));
        QCOMPARE(s.rows(),
                 QStringList({"Omelette|1|0|0|Free Range Eggs|Dairy|3",
                              "Omelette|1|0|0|Peppers|Fresh Vegetables and Herb|1",
                              "Toast|1|0|1|Bread|Bakery|2", "CRÈME BRÛLÉE|0|0|1|Eggs|Dairy|4"}));

        // The close box with Yes saves and stays open; the menu's Return to Main closes.
        s.pick("Toast");
        s.editor->chkLunch->click();
        s.editor->close();
        QVERIFY(s.editor->isVisible() && !s.main->isVisible());
        QCOMPARE(s.rows().last(), QString("Toast|1|1|1|Bread|Bakery|2"));
        s.editor->chkDinner->click();
        s.editor->findChild<QAction*>("mnuClose")->trigger();
        QCOMPARE(s.rows().last(), QString("Toast|1|1|0|Bread|Bakery|2"));
        QVERIFY(s.backAtMain());
    }

    void editsToAPickedMeal() {
        const QString longCategory = "Frozen Vegetables and Fruit Bars";
        Session s({"Stew|0|0|1|Beef|Meat|999", "Stew|0|0|1|Salt|Spices|1",
                   "Stew|0|0|1|Peas|" + longCategory + "|5", "Chili|0|0|1|Beans|Canned|1",
                   "CHILI|0|0|1|Rice|Grains|1"});
        s.store().run("INSERT INTO MealIndex VALUES ('Chili')");
        const QStringList stored = s.rows();
        // Quantities step between 1 and 999 with + (or =) and -.
        s.pick("Stew");
        s.key(0, Qt::Key_Plus);
        s.key(1, Qt::Key_Minus);
        s.key(2, Qt::Key_Equal);
        s.key(0, Qt::Key_Minus);
        s.key(1, Qt::Key_A);
        QCOMPARE(s.items(), QStringList({BuildMealItemRow("998", "Beef", "Meat"),
                                         BuildMealItemRow("1", "Salt", "Spices"),
                                         BuildMealItemRow("6", "Peas", longCategory.left(25))}));
        // Picking another meal asks first; No drops the edits.
        s.boxes.answers = {MsgAnswer::No};
        s.pick("Chili");
        QCOMPARE(s.items(), QStringList{"1 Beans\t\t\tCanned"});

        // A save the store refuses part-way says so and keeps the stored rows; the edits stay
        // unsaved and on screen, also when another meal is picked or the window is left.
        s.store().run("CREATE TRIGGER t BEFORE INSERT ON Meals WHEN NEW.Item = 'Boom' "
                      "BEGIN SELECT RAISE(ABORT, 'x'); END");
        s.key(0, Qt::Key_Plus);
        s.add("Canned", "Boom", "1");
        const QStringList edited = s.items();
        s.save();
        s.pick("Stew");
        s.editor->close();
        s.editor->cmdClose->click();
        QVERIFY(s.editor->isVisible());
        QCOMPARE(s.items(), edited);
        QCOMPARE(s.rows(), stored);
        QCOMPARE(s.boxes.texts(),
                 QStringList({kSaveQuestion, kNotSaved, kSaveQuestion, kNotSaved, kSaveQuestion,
                              kNotSaved, kSaveQuestion, kNotSaved}));

        // A planned meal stays until the saved plan no longer names it.
        s.editor->cmdDeleteMeal->click();
        QVERIFY(s.boxes.texts().last().startsWith("This Meal is in Use!"));
        QCOMPARE(s.rows(), stored);
        s.store().run("UPDATE MealIndex SET ItemIndex = 'None'");
        s.editor->cmdDeleteMeal->click();
        QCOMPARE(s.rows(), stored.mid(0, 3) + stored.mid(4));
        QCOMPARE(ListTexts(s.editor->lstMeals), QStringList({"CHILI", "Stew"}));

        // Return to Main with Yes stays when a check refuses the save, keeping the meal; No
        // leaves it.
        s.type("Porridge");
        s.editor->cmdClose->click();
        QCOMPARE(s.boxes.texts().last(), QString("You must check a meal type!"));
        QVERIFY(s.editor->isVisible());
        QCOMPARE(s.editor->txtMealName->text(), QString("Porridge"));
        s.boxes.answers = {MsgAnswer::No};
        s.editor->cmdClose->click();
        QVERIFY(s.backAtMain());
    }
};

QTEST_MAIN(TestMealEditor)
#include "tst_mealeditor.moc"
