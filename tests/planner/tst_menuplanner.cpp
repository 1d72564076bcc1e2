// The weekly menu planner, driven through its controls from the main window.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "meals/frmAddMeal.h"
#include "planner/frmMenuPlanner.h"
#include "store/DataStore.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kSaveQuestion("Your data has changed. Do you want to save changes?");
const QString kClearQuestion("Do You want to Clear all Items from the Menu?");
const QString kNotSaved("The Menu could not be saved! Your menu is still on the screen; please "
                        "try again.");

// Picks an entry of a slot's list as a click in its drop-down would.
void choose(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Replaces a slot's text by typing, the keys going to the box as they do from the keyboard.
void type(QComboBox* box, const QString& text) {
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// A running program with its main window; the planner opened from it.
struct Session {
    TestData data;
    std::unique_ptr<frmMain> main = Main(data.app);
    QPointer<frmMenuPlanner> planner;
    FakeMessageBoxes& boxes = data.platform.messageBoxes;

    DataStore& store() { return data.app.store(); }
    // Two item rows, as the meal editor writes a meal.
    void addMeal(const QString& meal, bool breakfast, bool lunch, bool dinner) {
        for (const char* item : {"Eggs", "Milk"})
            store().run("INSERT INTO Meals VALUES (?1, ?2, ?3, ?4, ?5, 'Dairy', '1')", meal,
                        int(breakfast), int(lunch), int(dinner), QString(item));
    }
    void storePlan(const QStringList& rows) {
        store().run("DELETE FROM MealIndex");
        for (const QString& row : rows)
            store().run("INSERT INTO MealIndex VALUES (?1)", row);
    }
    QStringList storedPlan() { return Rows(store(), "MealIndex", {"ItemIndex"}); }

    void open() {
        main->findChild<QPushButton*>("cmdMenuPlanner")->click();
        planner = main->findChild<frmMenuPlanner*>();
        // Active as the user's window, so focus and shortcuts behave as on a desk.
        QApplication::setActiveWindow(planner);
        if (!QTest::qWaitForWindowActive(planner))
            qWarning("the planner did not become active");
    }
    QComboBox* slot(int k) const { return planner->cboMeals[k]; }
    QStringList slotTexts() const {
        QStringList texts;
        for (QComboBox* box : planner->cboMeals)
            texts << box->currentText();
        return texts;
    }
    // Closed windows are discarded once the event loop gets to them.
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void returnToMain() {
        planner->cmdClose->click();
        settle();
    }
    bool backAtMain() const { return !planner && main->isVisible(); }
};

} // namespace

class TestMenuPlanner : public QObject {
    Q_OBJECT

private slots:
    void slotsOfferTheMealsOfTheirTypeAndStartEmpty() {
        Session s;
        s.addMeal("Pancakes", true, false, false);
        s.addMeal("soup", false, true, false);
        s.addMeal("Omelette", true, false, true);
        // Rows of one meal that disagree about its types still list it once per slot.
        s.addMeal("Toast", true, false, false);
        s.addMeal("Toast", true, true, false);
        s.open();
        for (int k = 0; k < 21; ++k) {
            QStringList entries;
            for (int i = 0; i < s.slot(k)->count(); ++i)
                entries << s.slot(k)->itemText(i);
            QCOMPARE(entries, k < 7    ? QStringList({"Omelette", "Pancakes", "Toast", ""})
                              : k < 14 ? QStringList({"soup", "Toast", ""})
                                       : QStringList({"Omelette", ""}));
        }
        // Never saved: all slots empty, and the first save writes the whole plan.
        QCOMPARE(s.slotTexts(), QStringList(21, QString()));
        s.planner->cmdSave->click();
        QCOMPARE(s.storedPlan(), QStringList(21, "None"));

        // Add/Edit Meal asks about changes and hands over to the meal editor.
        type(s.slot(0), "Porridge");
        s.planner->cmdAdd->click();
        s.settle();
        QCOMPARE(s.boxes.texts(), QStringList{kSaveQuestion});
        QVERIFY(!s.planner);
        QCOMPARE(s.storedPlan()[0], QString("Porridge"));
        auto* editor = s.main->findChild<frmAddMeal*>("frmAddMeal");
        QVERIFY(editor && editor->isVisible() && !s.main->isVisible());
    }

    void planIsStoredAndRestoredBySlot() {
        Session s;
        s.addMeal("Pancakes", true, false, false);
        s.addMeal("Chili", false, true, true);
        s.open();
        // Each slot gets a text of its own, so one stored in another's row shows.
        QStringList plan;
        for (int k = 0; k < 21; ++k) {
            plan << QString("Slot %1").arg(k);
            type(s.slot(k), plan.last());
        }
        // Picked, emptied, and typed with what is no meal or only the start of one.
        choose(s.slot(5), "Pancakes");
        choose(s.slot(20), "");
        type(s.slot(12), "  Eating out ");
        type(s.slot(13), "Chi");
        plan[5] = "Pancakes";
        plan[12] = "  Eating out ";
        plan[13] = "Chi";
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
        s.storePlan(rows);
        s.open();
        QCOMPARE(s.slotTexts(), QStringList({"Pancakes", "none"}) + QStringList(19, QString()));
        s.returnToMain();
        QVERIFY(s.boxes.shown.isEmpty());
        QCOMPARE(s.storedPlan(), rows);
    }

    void savingAndLeaving() {
        Session s;
        s.addMeal("Waffles", true, false, false);
        QStringList plan(21, "Old");
        s.storePlan(plan);
        s.open();
        // A pick is a change: the close box asks, and No keeps the stored plan.
        choose(s.slot(3), "Waffles");
        s.boxes.answers = {MsgAnswer::No};
        s.planner->close();
        s.settle();
        QVERIFY(s.backAtMain());
        QCOMPARE(s.storedPlan(), plan);

        // Print and Ctrl+S save without asking.
        s.open();
        choose(s.slot(3), "Waffles");
        s.planner->cmdPrint->click();
        plan[3] = "Waffles";
        QCOMPARE(s.storedPlan(), plan);
        type(s.slot(4), "Typed");
        QTest::keySequence(s.slot(4), QKeySequence(Qt::CTRL | Qt::Key_S));
        plan[4] = "Typed";
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

        // A save the store refuses part-way says so and leaves the previous plan whole; the
        // window and its slots then stay, whichever way out, until a save goes through.
        s.open();
        s.store().run("CREATE TRIGGER refuse BEFORE INSERT ON MealIndex WHEN NEW.ItemIndex = "
                      "'Boom' BEGIN SELECT RAISE(ABORT, 'x'); END");
        type(s.slot(2), "Changed");
        type(s.slot(10), "Boom");
        s.planner->cmdSave->click();
        QCOMPARE(s.storedPlan(), plan);
        s.planner->cmdAdd->click();
        s.returnToMain();
        QVERIFY(s.planner && s.planner->isVisible() && !s.main->findChild<frmAddMeal*>());
        QCOMPARE(s.slot(10)->currentText(), QString("Boom"));
        s.store().run("DROP TRIGGER refuse");
        s.returnToMain();
        QVERIFY(s.backAtMain());
        plan[2] = "Changed";
        plan[10] = "Boom";
        QCOMPARE(s.storedPlan(), plan);
        QCOMPARE(s.boxes.texts(), QStringList({kSaveQuestion, kClearQuestion, kClearQuestion,
                                               kSaveQuestion, kNotSaved, kSaveQuestion, kNotSaved,
                                               kSaveQuestion, kNotSaved, kSaveQuestion}));
    }
};

QTEST_MAIN(TestMenuPlanner)
#include "tst_menuplanner.moc"
