// How long "Create Grocery List from Menu" takes on a large kitchen: 100 categories of
// 1,000 items, 5,000 meals of 8 items, a week of 21 different meals. Measured against the
// bare SQL that fetches the same planned items with their catalogue fields.
#include "BenchSupport.h"
#include "grocerylist/frmGroceryList.h"
#include "store/Catalogue.h"
#include "store/DataStore.h"
#include "store/MealPlan.h"
#include "store/Settings.h"
#include "store/TableAccess.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QHash>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

constexpr int kCategories = 100;
constexpr int kItemsPerCategory = 1000;
constexpr int kMeals = 5000;
constexpr int kItemsPerMeal = 8;
constexpr int kRuns = 9;

QString categoryName(int c) {
    return QStringLiteral("Category %1").arg(c);
}

void fill(DataStore& store) {
    QRandomGenerator random(7);
    Transaction transaction(store);
    for (int c = 0; c < kCategories; ++c) {
        CreateCategory(store, categoryName(c));
        Statement insert =
            store.prepare(QStringLiteral("INSERT INTO %1 VALUES (?1, ?2, ?3, ?4, ?5)")
                              .arg(QuoteIdentifier(categoryName(c))));
        for (int i = 0; i < kItemsPerCategory; ++i) {
            insert.bindAll(QStringLiteral("Item %1-%2").arg(c).arg(i), QStringLiteral("1 lb"),
                           QStringLiteral("A%1").arg(i % 30),
                           QString::number(random.bounded(50, 2000) / 100.0),
                           QStringLiteral("a comment"));
            insert.run();
            insert.reset();
        }
    }
    Statement meal = store.prepare(
        QStringLiteral("INSERT INTO Meals (Meal, Breakfast, Lunch, Dinner, Item, Category, Qty) "
                       "VALUES (?1, 1, 1, 1, ?2, ?3, ?4)"));
    for (int m = 0; m < kMeals; ++m)
        for (int k = 0; k < kItemsPerMeal; ++k) {
            const int c = random.bounded(kCategories);
            meal.bindAll(QStringLiteral("Meal %1").arg(m),
                         QStringLiteral("Item %1-%2").arg(c).arg(random.bounded(kItemsPerCategory)),
                         categoryName(c), QString::number(random.bounded(1, 4)));
            meal.run();
            meal.reset();
        }
    QStringList plan;
    for (int slot = 0; slot < kPlanSlots; ++slot)
        plan << QStringLiteral("Meal %1").arg(slot * (kMeals / kPlanSlots));
    WriteMealPlan(store, plan);
    transaction.commit();
}

// The least the store must do: the planned meals' item rows in one join, then each used
// category's rows for those items.
int bareJoin(DataStore& store) {
    QHash<QString, QStringList> wanted;
    Statement planned = store.prepare(QStringLiteral(
        "SELECT m.Item, m.Qty, m.Category FROM MealIndex p JOIN Meals m ON m.Meal = p.ItemIndex "
        "ORDER BY p.rowid, m.rowid"));
    while (planned.next())
        wanted[planned.text(QStringLiteral("Category"))] << planned.text(QStringLiteral("Item"));
    int rows = 0;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        Statement items =
            store.prepare(QStringLiteral("SELECT Item, Size, Aisle, Price, Comments FROM %1 "
                                         "WHERE Item IN (%2)")
                              .arg(QuoteIdentifier(it.key()), Placeholders(int(it->size()))));
        for (int i = 0; i < it->size(); ++i)
            items.bind(i + 1, it->at(i));
        while (items.next())
            ++rows;
    }
    return rows;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    BenchData data(fill);
    AppContext& app = data.app;

    frmGroceryList window(app);
    window.show();
    const auto emptyList = [&] { window.Form_Load(); };
    const double fast = MedianMs(kRuns, emptyList, [&] { window.cmdCreateList->click(); });
    const int lines = window.list().size();
    int joined = 0;
    const double bare = MedianMs(
        kRuns, [] {}, [&] { joined = bareJoin(app.store()); });

    bool ok = Report("Create Grocery List from Menu, end to end", fast, 50);
    std::printf("%-58s %8.2f ms  (%.1f x; target at most 3 x)\n",
                "bare SQL fetching the same planned items", bare, fast / bare);
    std::printf("%d lines from %d planned item rows\n", lines, joined);
    return ok && fast <= 3 * bare ? 0 : 1;
}
