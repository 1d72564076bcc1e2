#include "Meals.h"

#include "DataStore.h"
#include "TableAccess.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

// More names than this are compared here rather than bound into the query.
constexpr int kMaxBoundNames = 500;

bool isAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
}

// One [Meals] row into its meal: any row's mark counts, and a row naming an item adds it.
void addRow(Meal& meal, const Statement& row) {
    meal.types.breakfast |= row.integer(QStringLiteral("Breakfast")) != 0;
    meal.types.lunch |= row.integer(QStringLiteral("Lunch")) != 0;
    meal.types.dinner |= row.integer(QStringLiteral("Dinner")) != 0;
    const QString item = row.text(QStringLiteral("Item"));
    if (!item.isEmpty())
        meal.items.append({meal.name, item, row.text(QStringLiteral("Category")),
                           row.text(QStringLiteral("Qty"))});
}

} // namespace

QList<MealItem> ReadMealItems(DataStore& store, const QStringList& names) {
    QSet<QString> wanted;
    for (const QString& name : names)
        if (!name.isEmpty())
            wanted.insert(name.toUpper());
    if (wanted.isEmpty())
        return {};
    // The store compares letter case in ASCII only, so it picks out the rows of ASCII
    // names, and hands over every name with other letters to be compared here. A wanted
    // name with such letters may equal an ASCII name in upper case, so then all rows come.
    const QStringList upper(wanted.begin(), wanted.end());
    const bool narrow =
        upper.size() <= kMaxBoundNames && std::all_of(upper.begin(), upper.end(), isAscii);
    QString sql = QStringLiteral("SELECT \"Meal\", \"Item\", \"Category\", \"Qty\" FROM \"Meals\"");
    if (narrow)
        sql += QStringLiteral(" WHERE upper(\"Meal\") IN (%1) OR \"Meal\" GLOB '*[^ -~]*'")
                   .arg(Placeholders(int(upper.size())));
    sql += QStringLiteral(" ORDER BY rowid");
    Statement rows = store.prepare(sql);
    if (narrow)
        for (int i = 0; i < upper.size(); ++i)
            rows.bind(i + 1, upper[i]);
    QList<MealItem> items;
    while (rows.next()) {
        const QString meal = rows.text(QStringLiteral("Meal"));
        if (meal.isEmpty() || !wanted.contains(meal.toUpper()))
            continue;
        items.append({meal, rows.text(QStringLiteral("Item")),
                      rows.text(QStringLiteral("Category")), rows.text(QStringLiteral("Qty"))});
    }
    return items;
}

void WriteMeal(DataStore& store, const QString& name, MealTypes types,
               const QList<MealItem>& items) {
    Transaction transaction(store);
    // Compared here rather than in SQL so that letters beyond ASCII fold too.
    QList<qint64> old;
    {
        Statement meals = store.prepare(QStringLiteral("SELECT rowid AS id, Meal FROM Meals"));
        while (meals.next())
            if (meals.text(QStringLiteral("Meal")).compare(name, Qt::CaseInsensitive) == 0)
                old << meals.integer(QStringLiteral("id"));
    }
    for (const qint64 id : old)
        store.run(QStringLiteral("DELETE FROM Meals WHERE rowid = ?1"), id);
    Statement insert = store.prepare(
        QStringLiteral("INSERT INTO Meals (Meal, Breakfast, Lunch, Dinner, Item, Category, Qty) "
                       "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"));
    for (const MealItem& item : items) {
        insert.bindAll(name, types.breakfast, types.lunch, types.dinner, item.item, item.category,
                       item.quantity);
        insert.run();
        insert.reset();
    }
    transaction.commit();
}

Meal ReadMeal(DataStore& store, const QString& name) {
    Statement rows = store.query(
        QStringLiteral("SELECT Meal, Breakfast, Lunch, Dinner, Item, Category, Qty FROM Meals "
                       "WHERE Meal = ?1 ORDER BY rowid"),
        name);
    Meal meal;
    while (rows.next()) {
        meal.name = rows.text(QStringLiteral("Meal"));
        addRow(meal, rows);
    }
    return meal;
}

QList<Meal> ReadAllMeals(DataStore& store) {
    Statement rows = store.prepare(
        QStringLiteral("SELECT Meal, Breakfast, Lunch, Dinner, Item, Category, Qty FROM Meals "
                       "WHERE Meal <> '' ORDER BY Meal COLLATE NOCASE, rowid"));
    QList<Meal> meals;
    QHash<QString, qsizetype> byName;
    while (rows.next()) {
        const QString name = rows.text(QStringLiteral("Meal"));
        // NOCASE folds ASCII letters only; other letters are folded here.
        const QString key = name.toCaseFolded();
        auto found = byName.constFind(key);
        if (found == byName.cend()) {
            found = byName.insert(key, meals.size());
            meals.append({name, {}, {}});
        }
        addRow(meals[*found], rows);
    }
    return meals;
}

void DeleteMeal(DataStore& store, const QString& name) {
    store.run(QStringLiteral("DELETE FROM Meals WHERE Meal = ?1"), name);
}

bool IsMealPlanned(DataStore& store, const QString& name) {
    return store.query(QStringLiteral("SELECT 1 FROM MealIndex WHERE ItemIndex = ?1"), name).next();
}

std::array<QStringList, 3> LoadMealNamesByType(DataStore& store) {
    std::array<QStringList, 3> byType;
    Statement rows = store.prepare(
        QStringLiteral("SELECT DISTINCT \"Meal\", \"Breakfast\", \"Lunch\", \"Dinner\" "
                       "FROM \"Meals\" ORDER BY \"Meal\" COLLATE NOCASE, \"Meal\""));
    const QString types[] = {QStringLiteral("Breakfast"), QStringLiteral("Lunch"),
                             QStringLiteral("Dinner")};
    while (rows.next()) {
        const QString meal = rows.text(QStringLiteral("Meal"));
        if (meal.isEmpty())
            continue;
        for (int type = 0; type < 3; ++type) {
            // A meal whose rows disagree about a type comes back more than once.
            if (rows.integer(types[type]) != 0 && !byType[size_t(type)].contains(meal))
                byType[size_t(type)] << meal;
        }
    }
    return byType;
}
