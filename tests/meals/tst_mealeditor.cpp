// The meal editor and its catalogue picker, opened from the main window and driven through
// their controls over a real data file.
#include "Program.h"
#include "Texts.h"
#include "catalogue/frmAddGrocery.h"
#include "domain/MealItemRow.h"
#include "meals/frmAddMeal.h"
#include "store/Catalogue.h"
#include "ui/ListUtilities.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// The program with the meal editor open, over a catalogue to pick from and the meals given
// as rows "Meal|Breakfast|Lunch|Dinner|Item|Category|Qty".
struct Meals : Program {
    QPointer<frmAddMeal> editor;

    explicit Meals(const QStringList& meals = {})
        : Program([&meals](DataStore& store) {
              for (const char* category : {"Dairy", "Fresh Vegetables and Herbs!", "Canned"})
                  CreateCategory(store, category);
              for (const char* item : {" Free Range Eggs ", "Eggs", "Milk", "Milk Chocolate"})
                  store.run("INSERT INTO Dairy (Item) VALUES (?1)", QString(item));
              store.run("INSERT INTO \"Fresh Vegetables and Herbs!\" (Item) VALUES ('Peppers')");
              store.run("INSERT INTO Canned (Item) VALUES ('Boom')");
              for (const QString& meal : meals) {
                  const QStringList f = meal.split('|');
                  store.run("INSERT INTO Meals VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)", f[0], f[1],
                            f[2], f[3], f[4], f[5], f[6]);
              }
          }),
          editor(open<frmAddMeal>("cmdCreateMeals")) {}

    QStringList rows() {
        return Rows(store(), "Meals",
                    {"Meal", "Breakfast", "Lunch", "Dinner", "Item", "Category", "Qty"});
    }
    QStringList items() const { return ListTexts(editor->lstItems); }
    bool backAtMain() const { return !editor && main->isVisible(); }

    void pick(const QString& meal) { choose(editor->lstMeals, meal); }
    void type(const QString& text) { Program::type(editor->txtMealName, text); }
    void key(int row, Qt::Key key) {
        editor->lstItems->setCurrentRow(row);
        QTest::keyClick(editor->lstItems, key);
    }
    void save() { press(editor, "cmdSaveMeal"); }
    // Adds an item of the catalogue through its picker, as the user does.
    void add(const QString& category, const QString& item, const QString& quantity) {
        whenModal<frmAddGrocery>([=](frmAddGrocery* picker) {
            choose(picker->cboCategory, category);
            choose(picker->lstGroceryItem, item);
            picker->txtQty->setText(quantity);
            press(picker, "cmdAddtoMeal");
        });
        press(editor, "cmdAddItem");
    }
};

} // namespace

class TestMealEditor : public QObject {
    Q_OBJECT

private slots:
    void savingChecksTheMealInOrder() {
        Meals s({"Toast|1|0|0|Bread|Bakery|2", "Crème Brûlée|0|0|1|Cream|Dairy|1"});
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
        s.press(s.editor, "cmdNewMeal");
        s.type("CRÈME BRÛLÉE");
        s.editor->chkDinner->click();
        s.add("Dairy", "Eggs", "4");
        s.save();
        QCOMPARE(s.messages(), QStringList({"You must Name this Meal!", "Meal already Exist!",
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
        s.press(s.editor, "mnuClose");
        QCOMPARE(s.rows().last(), QString("Toast|1|1|0|Bread|Bakery|2"));
        QVERIFY(s.backAtMain());
    }

    void pickingFromTheCatalogue() {
        Meals s;
        s.type("Hot Cocoa");
        s.whenModal<frmAddGrocery>([&s](frmAddGrocery* picker) {
            QVERIFY(picker->isNarrow() && !picker->findChild<QAction*>("mnuCategory")->isEnabled());
            s.choose(picker->cboCategory, "Dairy");
            s.choose(picker->lstGroceryItem, "Milk");
            s.press(picker, "cmdAddtoMeal");
            // A longer name beside a shorter one is no duplicate; a typed quantity replaces "1".
            s.choose(picker->lstGroceryItem, "Milk Chocolate");
            QTRY_COMPARE(picker->txtQty->selectedText(), QString("1"));
            QTest::keyClicks(picker->txtQty, "12");
            s.press(picker, "cmdAddtoMeal");
            // A name that starts a listed one is.
            s.editor->lstItems->setCurrentRow(0);
            s.press(s.editor, "cmdRemoveItem");
            s.choose(picker->lstGroceryItem, "Milk");
            s.press(picker, "cmdAddtoMeal");
            s.choose(picker->lstGroceryItem, "Eggs");
            for (const char* quantity : {"0", "1.5", "", "2"}) {
                picker->txtQty->setText(quantity);
                s.press(picker, "cmdAddtoMeal");
            }
        });
        s.press(s.editor, "cmdAddItem");
        QCOMPARE(s.messages(), QStringList({"Do you want to remove this Item from the Meal?",
                                            "Item Already in Meal!"}) +
                                   QStringList(3, "Please enter a quantity from 1 to 999!"));
        QCOMPARE(s.items(), (QStringList{"12 Milk Chocolate\t\t\tDairy", "2 Eggs\t\t\tDairy"}));
    }

    void editsToAPickedMeal() {
        const QString longCategory = "Frozen Vegetables and Fruit Bars";
        Meals s({"Stew|0|0|1|Beef|Meat|999", "Stew|0|0|1|Salt|Spices|1",
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

        // Edits the store refuses to save stay unsaved and on screen, also when another meal is
        // picked or the window is left.
        s.store().run("CREATE TRIGGER t BEFORE INSERT ON Meals WHEN NEW.Item = 'Boom' "
                      "BEGIN SELECT RAISE(ABORT, 'x'); END");
        s.key(0, Qt::Key_Plus);
        s.add("Canned", "Boom", "1");
        const QStringList edited = s.items();
        s.pick("Stew");
        s.editor->close();
        s.press(s.editor, "cmdClose");
        QVERIFY(s.editor->isVisible());
        QCOMPARE(s.items(), edited);
        QCOMPARE(s.messages(),
                 QStringList({kSaveQuestion, kSaveQuestion, kMealNotSaved, kSaveQuestion,
                              kMealNotSaved, kSaveQuestion, kMealNotSaved}));

        // A planned meal stays until the saved plan no longer names it.
        s.press(s.editor, "cmdDeleteMeal");
        QVERIFY(s.messages().last().startsWith("This Meal is in Use!"));
        QCOMPARE(s.rows(), stored);
        s.store().run("UPDATE MealIndex SET ItemIndex = 'None'");
        s.press(s.editor, "cmdDeleteMeal");
        QCOMPARE(s.rows(), stored.mid(0, 3) + stored.mid(4));
        QCOMPARE(ListTexts(s.editor->lstMeals), QStringList({"CHILI", "Stew"}));

        // Return to Main with Yes stays when a check refuses the save, keeping the meal; No
        // leaves it.
        s.type("Porridge");
        s.press(s.editor, "cmdClose");
        QCOMPARE(s.messages().last(), QString("You must check a meal type!"));
        QCOMPARE(s.editor->txtMealName->text(), QString("Porridge"));
        s.boxes.answers = {MsgAnswer::No};
        s.press(s.editor, "cmdClose");
        QVERIFY(s.backAtMain());
    }
};

QTEST_MAIN(TestMealEditor)
#include "tst_mealeditor.moc"
