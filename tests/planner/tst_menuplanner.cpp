// The weekly menu planner, driven through its named controls from the main window.
#include "TestData.h"
#include "app/Colors.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "meals/frmAddMeal.h"
#include "planner/frmMenuPlanner.h"
#include "store/DataStore.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList kDayNames{"Monday", "Tuesday",  "Wednesday", "Thursday",
                            "Friday", "Saturday", "Sunday"};
const QStringList kMealNames{"Breakfast", "Lunch", "Dinner"};
const QString kSaveQuestion("Your data has changed. Do you want to save changes?");

void addMeal(DataStore& store, const QString& meal, bool breakfast, bool lunch, bool dinner) {
    // Two item rows, as the meal editor writes a meal.
    for (const char* item : {"Eggs", "Milk"})
        store.run(QStringLiteral("INSERT INTO Meals (Meal, Breakfast, Lunch, Dinner, Item, "
                                 "Category, Qty) VALUES (?1, ?2, ?3, ?4, ?5, 'Dairy', '1')"),
                  meal, int(breakfast), int(lunch), int(dinner), QString(item));
}

void storePlan(DataStore& store, const QStringList& rows) {
    store.run(QStringLiteral("DELETE FROM MealIndex"));
    for (const QString& row : rows)
        store.run(QStringLiteral("INSERT INTO MealIndex (ItemIndex) VALUES (?1)"), row);
}

QStringList storedPlan(DataStore& store) {
    return Rows(store, QStringLiteral("MealIndex"), {QStringLiteral("ItemIndex")});
}

QStringList entries(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

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

    DataStore& store() { return data.app.store(); }
    QStringList questions() const { return data.platform.messageBoxes.texts(); }

    frmMenuPlanner* open() {
        main->findChild<QPushButton*>("cmdMenuPlanner")->click();
        planner = main->findChild<frmMenuPlanner*>();
        // Active as the user's window, so focus, completion and shortcuts behave as on a desk.
        QApplication::setActiveWindow(planner);
        if (!QTest::qWaitForWindowActive(planner))
            qWarning("the planner did not become active");
        return planner;
    }
    QComboBox* slot(int k) const {
        return planner->findChild<QComboBox*>(QStringLiteral("cboMeals_%1").arg(k));
    }
    QStringList slotTexts() const {
        QStringList texts;
        for (int k = 0; k < 21; ++k)
            texts << slot(k)->currentText();
        return texts;
    }
    void click(const char* button) { planner->findChild<QPushButton*>(button)->click(); }
    // Closed windows are discarded once the event loop gets to them.
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void returnToMain() {
        click("cmdClose");
        settle();
    }
};

} // namespace

class TestMenuPlanner : public QObject {
    Q_OBJECT

private slots:
    void opensInPlaceOfTheMainWindow() {
        Session s;
        QVERIFY(s.open());
        QCOMPARE(s.planner->windowTitle(), QString("Pantrelle!"));
        QVERIFY(s.planner->isVisible());
        QVERIFY(!s.main->isVisible());
        QCOMPARE(s.planner->findChild<QGroupBox*>("Frame1")->palette().color(QPalette::Window),
                 ColorFromValue(s.data.app.settings.BackGroundColor));

        s.returnToMain();
        QVERIFY(!s.planner);
        QVERIFY(s.main->isVisible());
        QVERIFY(s.questions().isEmpty());

        s.main->findChild<QAction*>("mnuPlanner")->trigger();
        QVERIFY(s.main->findChild<frmMenuPlanner*>()->isVisible());
        QVERIFY(!s.main->isVisible());
    }

    void slotsSitUnderTheirDayAndMeal() {
        Session s;
        s.open();
        auto labelsWith = [&](const QString& text) {
            QList<QLabel*> found;
            for (QLabel* label : s.planner->findChildren<QLabel*>())
                if (label->text() == text)
                    found << label;
            std::sort(found.begin(), found.end(),
                      [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
            return found;
        };
        const QColor weekday = ColorFromValue(0x8000000F);
        const QColor weekend = ColorFromValue(0x00C0FFFF);
        for (int k = 0; k < 21; ++k) {
            const int day = k % 7;
            const bool isWeekend = day >= 5;
            QComboBox* box = s.slot(k);
            const QList<QLabel*> dayLabel = labelsWith(kDayNames[day]);
            QCOMPARE(dayLabel.size(), 1);
            QCOMPARE(box->x(), dayLabel[0]->x());
            QVERIFY(box->y() > dayLabel[0]->y());
            // Each meal name labels a row of both blocks, the weekday block first.
            const QList<QLabel*> mealLabels = labelsWith(kMealNames[k / 7]);
            QCOMPARE(mealLabels.size(), 2);
            const int rowMiddle = mealLabels[isWeekend ? 1 : 0]->geometry().center().y();
            QVERIFY2(box->y() <= rowMiddle && rowMiddle <= box->geometry().bottom(),
                     qPrintable(box->objectName()));
            QCOMPARE(box->palette().color(QPalette::Base), isWeekend ? weekend : weekday);
        }
    }

    void slotsOfferTheMealsOfTheirType() {
        Session s;
        addMeal(s.store(), "Pancakes", true, false, false);
        addMeal(s.store(), "soup", false, true, false);
        addMeal(s.store(), "Omelette", true, false, true);
        addMeal(s.store(), "apple pie", false, false, true);
        // Rows of one meal that disagree about its types still list it once per slot.
        addMeal(s.store(), "Toast", true, false, false);
        addMeal(s.store(), "Toast", true, true, false);
        s.open();

        const QStringList breakfast{"Omelette", "Pancakes", "Toast", ""};
        const QStringList lunch{"soup", "Toast", ""};
        const QStringList dinner{"apple pie", "Omelette", ""};
        for (int k = 0; k < 21; ++k) {
            const QStringList expected = k < 7 ? breakfast : k < 14 ? lunch : dinner;
            QCOMPARE(entries(s.slot(k)), expected);
            QCOMPARE(s.slot(k)->currentText(), QString());
        }
    }

    void planIsStoredAndRestoredBySlot() {
        Session s;
        addMeal(s.store(), "Pancakes", true, false, false);
        addMeal(s.store(), "Chili", false, true, true);
        s.open();
        // Every slot gets its own day and meal typed in; then some are picked or emptied.
        QStringList expected;
        for (int k = 0; k < 21; ++k) {
            expected << kDayNames[k % 7] + " " + kMealNames[k / 7];
            type(s.slot(k), expected.last());
        }
        struct Edit {
            int slot;
            bool pick;
            QString text;
        };
        // A slot typed with the start of a meal's name keeps what was typed.
        const Edit edits[] = {{5, true, "Pancakes"},        {19, true, "Chili"}, {20, true, ""},
                              {12, false, "  Eating out "}, {13, false, "Chi"},  {6, false, ""}};
        for (const Edit& edit : edits) {
            if (edit.pick)
                choose(s.slot(edit.slot), edit.text);
            else
                type(s.slot(edit.slot), edit.text);
            expected[edit.slot] = edit.text.isEmpty() ? "None" : edit.text;
        }

        s.click("cmdSave");
        QCOMPARE(storedPlan(s.store()), expected);
        s.returnToMain();
        QVERIFY(s.questions().isEmpty());

        s.open();
        expected.replaceInStrings(QRegularExpression("^None$"), QString());
        QCOMPARE(s.slotTexts(), expected);
        QCOMPARE(s.slot(5)->currentIndex(), 0);
    }

    void storedRowsAreReadByPosition() {
        Session s;
        addMeal(s.store(), "Pancakes", true, false, false);
        // Never saved: all slots empty, and the first save writes the whole plan.
        s.open();
        QCOMPARE(s.slotTexts(), QStringList(21, QString()));
        s.click("cmdSave");
        QCOMPARE(storedPlan(s.store()), QStringList(21, "None"));
        s.returnToMain();

        // Texts come back as stored, meal or not and in any slot; only "None" is hidden.
        QStringList rows{"Pancakes", "Leftovers", "none", "None"};
        storePlan(s.store(), rows);
        s.open();
        QCOMPARE(s.slotTexts().mid(0, 5), (QStringList{"Pancakes", "Leftovers", "none", "", ""}));
        QCOMPARE(s.slotTexts().mid(4), QStringList(17, QString()));
        // Showing them is no change: leaving asks nothing and stores nothing.
        s.returnToMain();
        QVERIFY(s.questions().isEmpty());
        QCOMPARE(storedPlan(s.store()), rows);

        // Rows past the 21st belong to no slot.
        rows.clear();
        for (int k = 0; k < 23; ++k)
            rows << QString::number(k);
        storePlan(s.store(), rows);
        s.open();
        QCOMPARE(s.slotTexts(), rows.mid(0, 21));
    }

    void userChangesAskToSaveOnLeaving_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("save");
        QTest::newRow("picked, Yes") << "pick" << true;
        QTest::newRow("picked, No") << "pick" << false;
        QTest::newRow("typed, Yes") << "type" << true;
        QTest::newRow("arrow key, No") << "arrow" << false;
    }
    void userChangesAskToSaveOnLeaving() {
        QFETCH(QString, how);
        QFETCH(bool, save);
        Session s;
        addMeal(s.store(), "Stew", false, false, true);
        addMeal(s.store(), "Curry", false, false, true);
        storePlan(s.store(), QStringList(21, "None"));
        s.open();
        if (how == "pick")
            choose(s.slot(16), "Stew");
        else if (how == "type")
            type(s.slot(16), "Stew");
        else
            QTest::keyClick(s.slot(16), Qt::Key_Down);
        const QString chosen = s.slot(16)->currentText();
        QVERIFY(!chosen.isEmpty());

        s.data.platform.messageBoxes.answers = {save ? MsgAnswer::Yes : MsgAnswer::No};
        // The close box ends like Return to Main.
        s.planner->close();
        s.settle();
        QCOMPARE(s.data.platform.messageBoxes.shown.size(), 1);
        const ShownMessage& asked = s.data.platform.messageBoxes.shown.first();
        QCOMPARE(asked.text, kSaveQuestion);
        QCOMPARE(asked.title, QString("Save Information!"));
        QCOMPARE(asked.buttons, MsgButtons::YesNo);
        QVERIFY(!s.planner);
        QVERIFY(s.main->isVisible());
        QCOMPARE(storedPlan(s.store())[16], save ? chosen : QString("None"));
    }

    void clearEmptiesTheSlotsOnlyOnYes() {
        Session s;
        QStringList plan(21, "Soup");
        plan[1] = "None";
        storePlan(s.store(), plan);
        s.open();
        const QStringList shown = s.slotTexts();

        s.data.platform.messageBoxes.answers = {MsgAnswer::No};
        s.click("cmdClear");
        const ShownMessage asked = s.data.platform.messageBoxes.shown.last();
        QCOMPARE(asked.text, QString("Do You want to Clear all Items from the Menu?"));
        QCOMPARE(asked.title, QString("Confirm Clear!"));
        QCOMPARE(asked.buttons, MsgButtons::YesNo);
        QCOMPARE(s.slotTexts(), shown);

        s.data.platform.messageBoxes.answers = {MsgAnswer::Yes};
        s.planner->findChild<QAction*>("mnuClear")->trigger();
        QCOMPARE(s.slotTexts(), QStringList(21, QString()));
        // Nothing is stored until saved; declining on the way out keeps the old plan.
        s.data.platform.messageBoxes.answers = {MsgAnswer::No};
        s.returnToMain();
        QCOMPARE(s.questions().size(), 3);
        QCOMPARE(s.questions().last(), kSaveQuestion);
        QCOMPARE(storedPlan(s.store()), plan);
        QVERIFY(s.main->isVisible());
    }

    void printAndShortcutsSaveWithoutAsking_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Print button") << QKeySequence();
        QTest::newRow("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S);
        QTest::newRow("Ctrl+P") << QKeySequence(Qt::CTRL | Qt::Key_P);
    }
    void printAndShortcutsSaveWithoutAsking() {
        QFETCH(QKeySequence, keys);
        Session s;
        addMeal(s.store(), "Waffles", true, false, false);
        storePlan(s.store(), QStringList(21, "Old"));
        s.open();
        choose(s.slot(3), "Waffles");
        if (keys.isEmpty())
            s.click("cmdPrint");
        else
            QTest::keySequence(s.slot(3), keys);
        QStringList expected(21, "Old");
        expected[3] = "Waffles";
        QCOMPARE(storedPlan(s.store()), expected);
        QVERIFY(s.questions().isEmpty());
    }

    void failedSaveKeepsThePreviousPlan() {
        Session s;
        QStringList plan;
        for (int k = 0; k < 21; ++k)
            plan << QString("Meal %1").arg(k);
        storePlan(s.store(), plan);
        s.store().run(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON MealIndex "
                                     "WHEN NEW.ItemIndex = 'Boom' BEGIN SELECT RAISE(ABORT, 'x'); "
                                     "END"));
        s.open();
        type(s.slot(2), "Changed");
        type(s.slot(10), "Boom");
        s.click("cmdSave");
        QCOMPARE(storedPlan(s.store()), plan);
        QVERIFY(s.questions().isEmpty());

        // Still unsaved: leaving asks, and a second failure does not keep the window open.
        s.returnToMain();
        QCOMPARE(s.questions(), QStringList{kSaveQuestion});
        QVERIFY(!s.planner);
        QVERIFY(s.main->isVisible());
        QCOMPARE(storedPlan(s.store()), plan);

        s.open();
        type(s.slot(10), "Fine");
        s.click("cmdSave");
        plan[10] = "Fine";
        QCOMPARE(storedPlan(s.store()), plan);
    }

    void addEditMealLeavesWithTheSaveQuestion() {
        Session s;
        s.open();
        type(s.slot(0), "Porridge");
        s.click("cmdAdd");
        s.settle();
        QCOMPARE(s.questions(), QStringList{kSaveQuestion});
        QVERIFY(!s.planner);
        QCOMPARE(storedPlan(s.store())[0], QString("Porridge"));
        // The meal editor takes the planner's place; the main window stays hidden.
        auto* editor = s.main->findChild<frmAddMeal*>("frmAddMeal");
        QVERIFY(editor && editor->isVisible());
        QVERIFY(!s.main->isVisible());
    }
};

QTEST_MAIN(TestMenuPlanner)
#include "tst_menuplanner.moc"
