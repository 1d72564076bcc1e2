// The grocery list made from the weekly menu: the cases a shopper checks by hand, through
// the window, and on seeded random kitchens one total line per item, adding up the week.
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "domain/ListFromMenu.h"
#include "domain/Money.h"
#include "grocerylist/frmGroceryList.h"
#include "store/Catalogue.h"
#include "store/DataStore.h"
#include "store/MealPlan.h"
#include "store/TableAccess.h"
#include "ui/ListUtilities.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

namespace {

const QString kLongName = "Extra Virgin Olive Oil Spr"; // 26 characters

// A data file whose meals, plan and list each case fills afresh.
struct Kitchen {
    TestData data;
    DataStore& store = data.open().store();

    Kitchen() {
        CreateCategory(store, "Dairy");
        for (const char* item : {"Milk", "Eggs", "Bread", "Yogurt"})
            store.run("INSERT INTO Dairy VALUES (?1, '1 each', 'B1', '2', ?2)", QString(item),
                      QString(30, 'c'));
    }
    void clear() {
        store.run("DELETE FROM Meals");
        store.run("DELETE FROM MealIndex");
    }
    // "Meal:Item/Category/Qty" rows.
    void meals(const QStringList& rows) {
        for (const QString& row : rows) {
            const QStringList f = row.split(QRegularExpression("[:/]"));
            store.run("INSERT INTO Meals VALUES (?1, 1, 1, 1, ?2, ?3, ?4)", f[0], f[1], f[2], f[3]);
        }
    }
    // The grocery list window over the list saved last, as the program opens it.
    frmGroceryList* open() {
        main = Main(data.app);
        main->cmdGroceryList->click();
        return main->findChild<frmGroceryList*>();
    }
    std::unique_ptr<frmMain> main;
};

// "Item quantity" of each line.
QStringList amounts(const QStringList& lines) {
    QStringList result;
    for (const QString& line : lines)
        result << line.section('\t', 0, 0) + " " + line.section('\t', 1, 1);
    return result;
}

} // namespace

class TestListFromMenu : public QObject {
    Q_OBJECT

private slots:
    void theCasesAShopperChecks_data() {
        QTest::addColumn<QStringList>("meals");
        QTest::addColumn<QStringList>("plan");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("quantities add up")
            << QStringList{"B:Milk/Dairy/1", "D:Milk/Dairy/2"} << QStringList{"B", "D"}
            << QStringList() << QStringList{"Milk 3"};
        QTest::newRow("repeats counted once each")
            << QStringList{"B:Eggs/Dairy/1", "L:Eggs/Dairy/1", "D:Eggs/Dairy/2"}
            << QStringList{"B", "L", "D"} << QStringList() << QStringList{"Eggs 4"};
        QTest::newRow("letter case is one item")
            << QStringList{"B:milk/Dairy/1", "D:Milk/Dairy/1"} << QStringList{"B", "D"}
            << QStringList() << QStringList{"Milk 2"};
        QTest::newRow("already listed in another case")
            << QStringList{"B:Yogurt/Dairy/1", "B:Eggs/Dairy/2"} << QStringList{"B"}
            << QStringList{"yogurt"} << QStringList{"yogurt 5", "Eggs 2"};
        QTest::newRow("a long name sums")
            << QStringList{"B:" + kLongName + "/Pantry/3", "D:" + kLongName + "/Pantry/12"}
            << QStringList{"B", "D"} << QStringList() << QStringList{kLongName + " 15"};
        QTest::newRow("the same breakfast all week")
            << QStringList{"Omelette:Eggs/Dairy/2", "Omelette:Salt//1"}
            << QStringList(7, "omelette") + QStringList(14, "None") << QStringList()
            << QStringList{"Eggs 14"};
    }
    void theCasesAShopperChecks() {
        QFETCH(QStringList, meals);
        QFETCH(QStringList, plan);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, expected);
        Kitchen k;
        k.meals(meals);
        WriteMealPlan(k.store, plan);
        QList<GroceryListLine> lines;
        for (const QString& item : listed)
            lines.append({item, "5", true, "", "", "", "Dairy", ""});
        SaveGroceryList(k.store, "Weekly", lines);
        k.data.app.settings.GroceryListName = "Weekly";
        frmGroceryList* window = k.open();
        window->cmdCreateList->click();
        QCOMPARE(amounts(ListTexts(window->lstGroceryList)), expected);
        QVERIFY(window->isModified());
        // Pressing again adds nothing.
        window->findChild<QAction*>("mnuCreate")->trigger();
        QCOMPARE(amounts(ListTexts(window->lstGroceryList)), expected);
        QVERIFY(k.data.platform.messageBoxes.shown.isEmpty());
    }

    void theTotalLineCarriesAFoundItemsFields() {
        Kitchen k;
        // Bread is in the catalogue, bread is not: the total is Bread's, its comment cut.
        k.meals({"B:Bread/Dairy/1", "D:bread/Dairy/1", "D:Ghost/Dairy/1"});
        WriteMealPlan(k.store, {"B", "D"});
        frmGroceryList* window = k.open();
        window->cmdCreateList->click();
        QCOMPARE(ListTexts(window->lstGroceryList),
                 (QStringList{"Bread\t2\t\t1 each\tB1\t2\tDairy\t" + QString(25, 'c'),
                              "Ghost\t1\t\t\t\t\tDairy\t"}));
    }

    void oneLinePerItemAddingUpTheWeek() {
        Kitchen k;
        const QStringList items{"Milk", "milk", " Eggs ", "Jam", kLongName, "Ghost"};
        const QStringList categories{"Dairy", " Dairy ", "Pantry", ""};
        const QStringList quantities{"1", "2", "2.5", "10", ""};
        QRandomGenerator random(20261206);
        const auto pick = [&](const QStringList& from) {
            return from[random.bounded(int(from.size()))];
        };
        for (int round = 0; round < 40; ++round) {
            Transaction fill(k.store);
            k.clear();
            QList<MealItem> rows;
            for (int m = 0; m < 6; ++m)
                for (int r = random.bounded(1, 5); r > 0; --r)
                    rows.append({QString("Meal %1").arg(m), pick(items), pick(categories),
                                 pick(quantities)});
            for (const MealItem& row : rows)
                k.meals({row.meal + ":" + row.item + "/" + row.category + "/" + row.quantity});
            QStringList plan;
            for (int slot = 0; slot < kPlanSlots; ++slot)
                plan << QString("MEAL %1").arg(random.bounded(8));
            WriteMealPlan(k.store, plan);
            fill.commit();
            const QList<GroceryListLine> visible{{pick(items), "5", false, "", "", "", "", ""}};

            // What the week needs of each item not listed yet.
            QHash<QString, double> needed;
            for (const QString& planned : plan)
                for (const MealItem& row : rows)
                    if (row.meal.toUpper() == planned && !row.category.trimmed().isEmpty() &&
                        ItemKey(row.item) != ItemKey(visible[0].item))
                        needed[ItemKey(row.item)] += LeadingNumber(row.quantity);
            QHash<QString, double> added;
            for (const GroceryListLine& line : LinesToAdd(BuildMenuLines(k.store), visible)) {
                QVERIFY2(!added.contains(ItemKey(line.item)), qPrintable(line.item));
                added[ItemKey(line.item)] = LeadingNumber(line.quantity);
            }
            QCOMPARE(added, needed);
        }
    }
};

QTEST_MAIN(TestListFromMenu)
#include "tst_listfrommenu.moc"
