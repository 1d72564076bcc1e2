#include "MealPlan.h"

#include "DataStore.h"

const QStringList& DayNames() {
    static const QStringList days{"Monday", "Tuesday",  "Wednesday", "Thursday",
                                  "Friday", "Saturday", "Sunday"};
    return days;
}

const QStringList& MealTimeNames() {
    static const QStringList times{"Breakfast", "Lunch", "Dinner"};
    return times;
}

QString SlotName(int slot) {
    return DayNames()[slot % DayNames().size()] + QLatin1Char(' ') +
           MealTimeNames()[slot / DayNames().size()];
}

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
