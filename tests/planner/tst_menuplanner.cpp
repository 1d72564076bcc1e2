// The weekly menu planner, driven through its controls from the main window.
#include "Program.h"
#include "Texts.h"
#include "meals/frmAddMeal.h"
#include "planner/frmMenuPlanner.h"
#include "planner/frmSavedWeek.h"
#include "planner/frmWeekName.h"
#include "store/MealPlan.h"
#include "store/SavedWeeks.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// The running program; the planner opened from its main window.
struct Session : Program {
    QPointer<frmMenuPlanner> planner;

    // Two item rows, as the meal editor writes a meal.
    void addMeal(const QString& meal, int breakfast, int lunch, int dinner) {
        for (const QString item : {"Eggs", "Milk"})
            store().run("INSERT INTO Meals VALUES (?1, ?2, ?3, ?4, ?5, 'Dairy', '1')", meal,
                        breakfast, lunch, dinner, item);
    }
    QStringList storedPlan() { return ReadMealPlan(store()); }

    void open() {
        planner = Program::open<frmMenuPlanner>("cmdMenuPlanner");
        // Active as the user's window, so focus and shortcuts behave as on a desk.
        QApplication::setActiveWindow(planner);
        QVERIFY(QTest::qWaitForWindowActive(planner));
    }
    QComboBox* slot(int k) const { return planner->cboMeals[k]; }
    QStringList slotTexts() const {
        QStringList texts;
        for (QComboBox* box : planner->cboMeals)
            texts << box->currentText();
        return texts;
    }
    void returnToMain() { press(planner, "cmdClose"); }
    bool backAtMain() const { return !planner && main->isVisible(); }

    // Save Week As, typing `name` in the name prompt and pressing OK.
    void saveWeekAs(const QString& name) {
        whenModal<frmWeekName>([name](frmWeekName* prompt) {
            QTest::keyClicks(prompt->txtWeekName, name);
            prompt->cmdOK->click();
        });
        press(planner, "mnuSaveWeek");
    }
};

} // namespace

class TestMenuPlanner : public QObject {
    Q_OBJECT

private slots:
    void slotsOfferTheirMealsAndKeepTheirPlace() {
        Session s;
        s.addMeal("Pancakes", 1, 0, 0);
        s.addMeal("soup", 0, 1, 0);
        s.addMeal("Omelette", 1, 0, 1);
        // Rows of one meal that disagree about its types still list it once per slot.
        s.addMeal("Toast", 1, 0, 0);
        s.addMeal("Toast", 1, 1, 0);
        s.open();
        for (int k = 0; k < 21; ++k) {
            QStringList entries;
            for (int i = 0; i < s.slot(k)->count(); ++i)
                entries << s.slot(k)->itemText(i);
            QCOMPARE(entries, k < 7    ? QStringList({"Omelette", "Pancakes", "Toast", ""})
                              : k < 14 ? QStringList({"soup", "Toast", ""})
                                       : QStringList({"Omelette", ""}));
        }
        // A plan never saved shows empty slots. Each slot gets a text of its own, so one
        // stored in another's row shows: picked, emptied, or typed with what is no meal or
        // only the start of one, which is not completed.
        QCOMPARE(s.slotTexts(), QStringList(21, QString()));
        QStringList plan;
        for (int k = 0; k < 21; ++k)
            s.type(s.slot(k), plan.emplace_back(QString("Slot %1").arg(k)));
        s.choose(s.slot(5), plan[5] = "Pancakes");
        s.choose(s.slot(20), "");
        s.type(s.slot(13), plan[13] = "Toa");
        plan[20] = "None";
        s.planner->cmdSave->click();
        QCOMPARE(s.storedPlan(), plan);
        s.returnToMain();
        s.open();
        plan[20] = "";
        QCOMPARE(s.slotTexts(), plan);
        s.returnToMain();

        // Fewer rows than slots leave the rest empty; showing them is no change.
        const QStringList rows{"Pancakes", "none", "None"};
        WriteMealPlan(s.store(), rows);
        s.open();
        QCOMPARE(s.slotTexts(), QStringList({"Pancakes", "none"}) + QStringList(19, QString()));
        s.returnToMain();
        QVERIFY(s.boxes.shown.isEmpty());
        QCOMPARE(s.storedPlan(), rows);

        // Add/Edit Meal asks about changes and hands over to the meal editor.
        s.open();
        s.type(s.slot(0), "Porridge");
        s.planner->cmdAdd->click();
        s.settle();
        QCOMPARE(s.boxes.texts(), QStringList{kSaveQuestion});
        QCOMPARE(s.storedPlan()[0], QString("Porridge"));
        auto* editor = s.main->findChild<frmAddMeal*>("frmAddMeal");
        QVERIFY(!s.planner && editor && editor->isVisible() && !s.main->isVisible());
    }

    void longMealNamesReadWhole() {
        Session s;
        const QString name("Oatmeal and Fruit with Honey");
        s.addMeal(name, 1, 0, 0);
        WriteMealPlan(s.store(), {name});
        s.open();
        QComboBox* slot = s.slot(0);
        QCOMPARE(slot->toolTip(), name);
        QVERIFY(slot->view()->minimumWidth() > slot->fontMetrics().horizontalAdvance(name));
        // Tab selects the whole name, which shows its end; a slot left shows its start.
        slot->setFocus(Qt::TabFocusReason);
        QTest::keyClick(slot, Qt::Key_Tab);
        QCOMPARE(slot->lineEdit()->cursorPosition(), 0);
    }

    void savingAndLeaving() {
        Session s;
        s.addMeal("Waffles", 1, 0, 0);
        QStringList plan(21, "Old");
        WriteMealPlan(s.store(), plan);
        s.open();
        // A pick is a change: the close box asks, and No keeps the stored plan.
        s.choose(s.slot(3), "Waffles");
        s.boxes.answers = {MsgAnswer::No};
        s.planner->close();
        s.settle();
        QVERIFY(s.backAtMain());
        QCOMPARE(s.storedPlan(), plan);

        // Print and Ctrl+S save without asking.
        s.open();
        s.choose(s.slot(3), plan[3] = "Waffles");
        s.planner->cmdPrint->click();
        QCOMPARE(s.storedPlan(), plan);
        s.type(s.slot(4), plan[4] = "Typed");
        QTest::keySequence(s.slot(4), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(s.storedPlan(), plan);
        QCOMPARE(s.boxes.texts(), QStringList{kSaveQuestion});

        // Clear asks; No keeps the slots, and what Yes empties is stored only if saved.
        s.boxes.answers = {MsgAnswer::No};
        s.planner->cmdClear->click();
        QCOMPARE(s.slotTexts(), plan);
        s.boxes.answers = {MsgAnswer::Yes, MsgAnswer::No};
        s.planner->findChild<QAction*>("mnuClear")->trigger();
        QCOMPARE(s.slotTexts(), QStringList(21, QString()));
        s.returnToMain();
        QVERIFY(s.backAtMain());
        QCOMPARE(s.storedPlan(), plan);

        // A save the store refuses keeps the window and its slots, whichever way out, until a
        // save goes through.
        s.open();
        s.store().run("CREATE TRIGGER refuse BEFORE INSERT ON MealIndex WHEN NEW.ItemIndex = "
                      "'Boom' BEGIN SELECT RAISE(ABORT, 'x'); END");
        s.type(s.slot(2), plan[2] = "Changed");
        s.type(s.slot(10), plan[10] = "Boom");
        s.planner->cmdAdd->click();
        s.returnToMain();
        QVERIFY(s.planner && s.planner->isVisible() && !s.main->findChild<frmAddMeal*>());
        s.store().run("DROP TRIGGER refuse");
        s.returnToMain();
        QVERIFY(s.backAtMain());
        QCOMPARE(s.storedPlan(), plan);
        QCOMPARE(s.boxes.texts().mid(4), QStringList({kSaveQuestion, kMenuNotSaved, kSaveQuestion,
                                                      kMenuNotSaved, kSaveQuestion}));
    }

    void savedWeeks() {
        Session s;
        s.addMeal("Pancakes", 1, 0, 0);
        s.addMeal("Stew", 0, 0, 1);
        s.open();
        s.choose(s.slot(0), "Pancakes");
        s.type(s.slot(9), "Leftovers");
        s.choose(s.slot(14), "Stew");
        QStringList week = s.slotTexts();

        // The name is kept without the blanks around it, quotes and brackets as typed; the
        // plan itself stays unsaved. Blanks alone are no name.
        const QString name = "Mom's \"Best\" [week]";
        s.saveWeekAs("   ");
        s.saveWeekAs("  " + name + " ");
        QCOMPARE(LoadWeekNames(s.store()), QStringList{name});
        QCOMPARE(ReadWeek(s.store(), name), week);
        QVERIFY(s.planner->isModified() && s.storedPlan().isEmpty());

        // Saving under that name again asks; No keeps the week as it was.
        s.type(s.slot(9), "Soup");
        s.boxes.answers = {MsgAnswer::No};
        s.saveWeekAs(name);
        QCOMPARE(ReadWeek(s.store(), name), week);
        s.boxes.answers = {MsgAnswer::Yes};
        s.saveWeekAs(name);
        week[9] = "Soup";
        QCOMPARE(ReadWeek(s.store(), name), week);

        // A meal deleted since opens as the text it was saved as. Opening over unsaved changes
        // asks about them; the week opened is a change, stored only when saved as usual.
        s.boxes.answers = {MsgAnswer::No};
        s.returnToMain();
        s.store().run("DELETE FROM Meals WHERE Meal = 'Stew'");
        s.open();
        s.type(s.slot(3), "Typed");
        s.boxes.answers = {MsgAnswer::No};
        s.whenModal<frmSavedWeek>([](frmSavedWeek* chooser) {
            chooser->lstWeeks->setCurrentRow(0);
            emit chooser->lstWeeks->itemDoubleClicked(chooser->lstWeeks->item(0));
        });
        s.press(s.planner, "mnuOpenWeek");
        QCOMPARE(s.slotTexts(), week);
        QVERIFY(s.planner->isModified() && s.storedPlan().isEmpty());
        s.planner->cmdSave->click();
        week.replaceInStrings(QRegularExpression("^$"), "None");
        QCOMPARE(s.storedPlan(), week);

        // Deleting asks; No keeps the week.
        s.boxes.answers = {MsgAnswer::No, MsgAnswer::Yes};
        for (int count : {1, 0}) {
            s.whenModal<frmSavedWeek>([count](frmSavedWeek* w) {
                w->lstWeeks->setCurrentRow(0);
                w->cmdDelete->click();
                QCOMPARE(w->lstWeeks->count(), count);
            });
            s.press(s.planner, "mnuOpenWeek");
        }
        QVERIFY(LoadWeekNames(s.store()).isEmpty());
        const QString replace =
            "A week named " + name + " is saved already. Do you want to replace it?";
        const QString remove = "Do you want to Delete week " + name + " ?";
        QCOMPARE(s.boxes.texts(), QStringList({"Please type a name for the Week!", replace, replace,
                                               kSaveQuestion, kSaveQuestion, remove, remove}));
    }
};

QTEST_MAIN(TestMenuPlanner)
#include "tst_menuplanner.moc"
