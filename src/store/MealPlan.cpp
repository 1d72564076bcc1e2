#include "MealPlan.h"

#include "DataStore.h"

QStringList ReadMealPlan(DataStore& store) {
    Statement rows =
        store.prepare(QStringLiteral("SELECT \"ItemIndex\" FROM \"MealIndex\" ORDER BY rowid"));
    QStringList plan;
    while (rows.next())
        plan << rows.text(QStringLiteral("ItemIndex"));
    return plan;
}

void WriteMealPlan(DataStore& store, const QStringList& meals) {
    Transaction transaction(store);
    store.run(QStringLiteral("DELETE FROM \"MealIndex\""));
    for (const QString& meal : meals)
        store.run(QStringLiteral("INSERT INTO \"MealIndex\" (\"ItemIndex\") VALUES (?1)"),
                  meal.isEmpty() ? kNoMeal : meal);
    transaction.commit();
}
