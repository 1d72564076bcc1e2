// The grocery list made from the weekly menu: held line for line to the step-by-step way
// on seeded random kitchens, and the cases a shopper would check by hand.
#include "LiteralMenuList.h"
#include "TestData.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "domain/ListFromMenu.h"
#include "grocerylist/frmGroceryList.h"
#include "store/Catalogue.h"
#include "store/DataStore.h"
#include "store/MealPlan.h"
#include "ui/ListUtilities.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

namespace {

const QStringList kCategories{"Dairy", "Produce", "Bakery"};
const QStringList kItems{"Milk",
                         "milk",
                         "Eggs",
                         " Jam ",
                         "Bread",
                         "Twenty-three char item!",          // its key just holds "1"
                         "Extra Virgin Olive Oil Spray Can", // no room for any quantity
                         "Organic Free Range Eggs"};
const QStringList kQuantities{"1", "2", "2.5", "3", "10", ""};

// A data file whose catalogue, meals and plan each scenario fills afresh.
struct Kitchen {
    TestData data;
    DataStore& store = data.open().store();

    void clear() {
        for (const QString& category : kCategories)
            if (IsCategory(store, category))
                DeleteCategory(store, category);
        store.run("DELETE FROM Meals");
        store.run("DELETE FROM MealIndex");
    }
    void item(const QString& category, const QString& name, const QString& size = "1 gal",
              const QString& price = "3.59", const QString& comments = "") {
        if (!IsCategory(store, category))
            CreateCategory(store, category);
        store.run("INSERT INTO " + QuoteIdentifier(category) + " VALUES (?1, ?2, 'B1', ?3, ?4)",
                  name, size, price, comments);
    }
    // "Item/Category/Qty" rows.
    void meal(const QString& name, const QStringList& rows) {
        for (const QString& row : rows) {
            const QStringList f = row.split('/');
            store.run("INSERT INTO Meals VALUES (?1, 1, 1, 1, ?2, ?3, ?4)", name, f[0], f[1], f[2]);
        }
    }
    void plan(const QStringList& meals) { WriteMealPlan(store, meals); }
    QStringList fast(const QStringList& visible = {}) {
        return LinesToAdd(BuildMenuLines(store), visible);
    }
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
    void sameLinesAsStepByStepOnRandomKitchens() {
        Kitchen k;
        QRandomGenerator random(20261206);
        const auto pick = [&](const QStringList& from) {
            return from[random.bounded(int(from.size()))];
        };
        int lines = 0;
        for (int round = 0; round < 60; ++round) {
            // One write per kitchen, not one per row.
            Transaction fill(k.store);
            k.clear();
            // Produce stays empty; Bakery names some items twice (the first counts) and
            // with blanks around.
            for (const QString& category : {QString("Dairy"), QString("Bakery")})
                for (const QString& name : kItems)
                    if (random.bounded(3) != 0)
                        k.item(category, random.bounded(4) ? name : " " + name,
                               QString::number(random.bounded(5)) + " lb",
                               QString::number(random.bounded(1, 900) / 100.0),
                               random.bounded(2) ? QString(30, 'c') : QString());
            CreateCategory(k.store, "Produce");
            const QStringList categories{"Dairy",  " Dairy ", "dairy", "Produce",
                                         "Bakery", "Ghost",   "",      "GroceryList"};
            for (int m = 0; m < 6; ++m) {
                QStringList rows;
                for (int r = random.bounded(1, 6); r > 0; --r)
                    rows << pick(kItems) + "/" + pick(categories) + "/" + pick(kQuantities);
                k.meal(QString("Meal %1").arg(m), rows);
            }
            QStringList plan;
            for (int slot = 0; slot < kPlanSlots; ++slot) {
                const QString meal = QString("Meal %1").arg(random.bounded(8));
                plan << (random.bounded(3) ? meal : meal.toUpper());
            }
            k.plan(plan);
            fill.commit();
            QStringList visible;
            for (int v = random.bounded(3); v > 0; --v)
                visible << pick(kItems) + "\t5\t\t\t\t\tDairy\t";

            const QStringList literal = LiteralMenuLines(k.store, visible);
            QCOMPARE(k.fast(visible), literal);
            lines += int(literal.size());
        }
        QVERIFY(lines > 200);
    }

    void theCasesAShopperChecks() {
        Kitchen k;
        k.item("Dairy", "Eggs", "dozen", "2.99");
        k.item("Dairy", "Milk");
        const auto check = [&](const QStringList& visible, const QStringList& expected) {
            QCOMPARE(amounts(k.fast(visible)), expected);
            QCOMPARE(amounts(LiteralMenuLines(k.store, visible)), expected);
        };

        // The same breakfast every day: one line of fourteen eggs.
        k.meal("Breakfast", {"Eggs/Dairy/2"});
        k.plan(QStringList(7, "breakfast") + QStringList(14, "None"));
        check({}, {"Eggs 14"});
        QCOMPARE(k.fast().first(), QString("Eggs\t14\t   \tdozen\tB1\t2.99\tDairy\t"));

        // Milk in two meals adds up; with different quantities the last planned wins.
        k.meal("Lunch", {"Milk/Dairy/1"});
        k.meal("Dinner", {"Milk/Dairy/1"});
        k.meal("Supper", {"Milk/Dairy/2"});
        k.plan({"Lunch", "Dinner"});
        check({}, {"Milk 2"});
        k.plan({"Supper", "Lunch"});
        check({}, {"Milk 1"});
        // Already on the list: it stays as it is.
        k.plan({"Lunch", "Dinner", "Breakfast"});
        check({"Milk\t5\t\t\t\t\tDairy\t"}, {"Eggs 2"});

        // milk and Milk merge, and each name gets its line.
        k.store.run("DELETE FROM Meals");
        k.meal("Lunch", {"milk/Drinks/1"});
        k.meal("Dinner", {"Milk/Drinks/1", "Tea//1", "Jam/Dairy/1"});
        check({}, {"Milk 2", "milk 2", "Jam 1"});
        QCOMPARE(k.fast().last(), QString("Jam\t1\t   \t\t\t\tDairy\t"));

        // A name too long for the key to hold its quantity sums what was planned.
        k.meal("Brunch", {"Extra Virgin Olive Oil Spray/Pantry/1"});
        k.meal("Tea", {"Extra Virgin Olive Oil Spray/Pantry/2.5"});
        k.plan({"Brunch", "Tea", "Brunch"});
        check({}, {"Extra Virgin Olive Oil Spray 4.5"});
    }

    void theWindowAddsTheMenuOnce() {
        TestData data;
        {
            auto store = DataStore::open(data.dataFile());
            CreateCategory(*store, "Dairy");
            store->run("INSERT INTO Dairy VALUES ('Eggs', 'dozen', 'A1', '3', '')");
            store->run("INSERT INTO Meals VALUES ('Omelette', 1, 0, 0, 'Eggs', 'Dairy', '2')");
            WriteMealPlan(*store, QStringList(3, "Omelette"));
        }
        auto main = Main(data.app);
        main->cmdGroceryList->click();
        auto* window = main->findChild<frmGroceryList*>();
        window->cmdCreateList->click();
        QCOMPARE(ListTexts(window->lstGroceryList),
                 QStringList{"Eggs\t6\t   \tdozen\tA1\t3\tDairy\t"});
        QCOMPARE(window->lstGroceryList->property("Tag").toString(), QString("Dirty"));
        QCOMPARE(window->lblPrice->text(), QString("Total Estimated Price $18.00"));

        window->setDirty(false);
        window->findChild<QAction*>("mnuCreate")->trigger();
        QCOMPARE(window->lstGroceryList->count(), 1);
        QCOMPARE(window->lstGroceryList->property("Tag").toString(), QString("Dirty"));
        QVERIFY(data.platform.messageBoxes.shown.isEmpty());
    }
};

QTEST_MAIN(TestListFromMenu)
#include "tst_listfrommenu.moc"
