#include "SavedWeeks.h"

#include "DataStore.h"
#include "MealPlan.h"

QStringList LoadWeekNames(DataStore& store) {
    Statement names =
        store.prepare(QStringLiteral("SELECT DISTINCT \"WeekName\" FROM \"SavedWeeks\" "
                                     "ORDER BY \"WeekName\" COLLATE NOCASE, \"WeekName\""));
    QStringList result;
    while (names.next())
        result << names.text(QStringLiteral("WeekName"));
    return result;
}

QStringList ReadWeek(DataStore& store, const QString& name) {
    Statement rows = store.query(QStringLiteral("SELECT \"Slot\", \"Meal\" FROM \"SavedWeeks\" "
                                                "WHERE \"WeekName\" = ?1 ORDER BY rowid"),
                                 name);
    QStringList meals(kPlanSlots);
    while (rows.next()) {
        const qint64 slot = rows.integer(QStringLiteral("Slot"));
        if (slot >= 0 && slot < kPlanSlots)
            meals[slot] = rows.text(QStringLiteral("Meal"));
    }
    return meals;
}

QList<SavedWeek> ReadAllWeeks(DataStore& store) {
    QList<SavedWeek> weeks;
    for (const QString& name : LoadWeekNames(store))
        weeks.append({name, ReadWeek(store, name)});
    return weeks;
}

void SaveWeek(DataStore& store, const QString& name, const QStringList& meals) {
    Transaction transaction(store);
    store.run(QStringLiteral("DELETE FROM \"SavedWeeks\" WHERE \"WeekName\" = ?1"), name);
    Statement insert = store.prepare(QStringLiteral(
        "INSERT INTO \"SavedWeeks\" (\"WeekName\", \"Slot\", \"Meal\") VALUES (?1, ?2, ?3)"));
    for (int slot = 0; slot < kPlanSlots; ++slot) {
        // An empty slot is an empty text rather than a missing one.
        const QString meal = meals.value(slot);
        insert.bindAll(name, slot, meal.isEmpty() ? QStringLiteral("") : meal);
        insert.run();
        insert.reset();
    }
    transaction.commit();
}

void DeleteWeek(DataStore& store, const QString& name) {
    Transaction transaction(store);
    store.run(QStringLiteral("DELETE FROM \"SavedWeeks\" WHERE \"WeekName\" = ?1"), name);
    transaction.commit();
}

bool WeekExists(DataStore& store, const QString& name) {
    return store.query(QStringLiteral("SELECT 1 FROM \"SavedWeeks\" WHERE \"WeekName\" = ?1"), name)
        .next();
}
