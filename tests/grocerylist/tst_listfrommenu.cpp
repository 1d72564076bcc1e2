// The grocery list made from the weekly menu, through the window: one line per item, adding
// up the week.
#include "Program.h"
#include "grocerylist/frmGroceryList.h"
#include "store/Catalogue.h"
#include "store/MealPlan.h"
#include "ui/ListUtilities.h"

#include <QListView>
#include <QtTest>

const QString kLongName = "Extra Virgin Olive Oil Spr"; // 26 characters

class TestListFromMenu : public QObject {
    Q_OBJECT

private slots:
    // Meals as "Meal:Item/Category/Qty" rows; lines as "Item Qty", or whole.
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
        QTest::newRow("already listed in another case, blanks around")
            << QStringList{"B:Yogurt/Dairy/1", "B:Eggs/Dairy/2"} << QStringList{"B"}
            << QStringList{" yogurt "} << QStringList{" yogurt  5", "Eggs 2"};
        QTest::newRow("blanks around names and fractions, the unplanned left out")
            << QStringList{"B: Milk /Dairy/2.5", "D:Milk/ Dairy /1", "L:Jam/Dairy/1"}
            << QStringList{"B", "D"} << QStringList() << QStringList{"Milk 3.5"};
        QTest::newRow("a long name sums")
            << QStringList{"B:" + kLongName + "/Pantry/3", "D:" + kLongName + "/Pantry/12"}
            << QStringList{"B", "D"} << QStringList() << QStringList{kLongName + " 15"};
        QTest::newRow("the same breakfast all week")
            << QStringList{"Omelette:Eggs/Dairy/2", "Omelette:Salt//1"}
            << QStringList(7, "omelette") + QStringList(14, "None") << QStringList()
            << QStringList{"Eggs 14"};
        // Bread is in the catalogue, bread is not: the total is Bread's, its comment cut.
        QTest::newRow("a total carries a found item's fields")
            << QStringList{"B:Bread/Dairy/1", "D:bread/Dairy/1", "D:Ghost/Dairy/1"}
            << QStringList{"B", "D"} << QStringList()
            << QStringList{"Bread\t2\t\t1 each\tB1\t2\tDairy\t" + QString(25, 'c'),
                           "Ghost\t1\t\t\t\t\tDairy\t"};
    }
    void theCasesAShopperChecks() {
        QFETCH(QStringList, meals);
        QFETCH(QStringList, plan);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, expected);
        Program p([&](DataStore& store) {
            CreateCategory(store, "Dairy");
            for (const char* item : {"Milk", "Eggs", "Bread", "Yogurt"})
                store.run("INSERT INTO Dairy VALUES (?1, '1 each', 'B1', '2', ?2)", QString(item),
                          QString(30, 'c'));
            for (const QString& row : meals) {
                const QStringList f = row.split(QRegularExpression("[:/]"));
                store.run("INSERT INTO Meals VALUES (?1, 1, 1, 1, ?2, ?3, ?4)", f[0], f[1], f[2],
                          f[3]);
            }
            WriteMealPlan(store, plan);
            QList<GroceryListLine> lines;
            for (const QString& item : listed)
                lines.append({item, "5", true, "", "", "", "Dairy", ""});
            SaveGroceryList(store, "Weekly", lines);
        });
        auto* window = p.open<frmGroceryList>("cmdGroceryList");
        // Pressing again adds nothing.
        for (const char* create : {"cmdCreateList", "mnuCreate"}) {
            p.press(window, create);
            QStringList shown = ListTexts(window->lstGroceryList);
            if (!expected[0].contains('\t'))
                for (QString& line : shown)
                    line = line.section('\t', 0, 0) + " " + line.section('\t', 1, 1);
            QCOMPARE(shown, expected);
        }
        QVERIFY(window->isModified());
        QVERIFY(p.boxes.shown.isEmpty());
    }
};

QTEST_MAIN(TestListFromMenu)
#include "tst_listfrommenu.moc"
