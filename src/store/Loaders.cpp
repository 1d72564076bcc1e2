#include "Loaders.h"

#include "DataStore.h"
#include "TableAccess.h"

namespace {

QStringList column(Statement statement, const QString& field, bool skipEmpty = false) {
    QStringList values;
    while (statement.next()) {
        const QString value = statement.text(field);
        if (!skipEmpty || !value.isEmpty())
            values << value;
    }
    return values;
}

} // namespace

QStringList LoadCategoryItems(DataStore& store, const QString& category) {
    return column(store.prepare(QStringLiteral("SELECT \"Item\" FROM %1 ORDER BY \"Item\" "
                                               "COLLATE NOCASE, rowid")
                                    .arg(QuoteIdentifier(category))),
                  QStringLiteral("Item"));
}

QStringList LoadMealNames(DataStore& store) {
    return column(store.prepare(QStringLiteral("SELECT DISTINCT \"Meal\" FROM \"Meals\" "
                                               "ORDER BY \"Meal\" COLLATE NOCASE")),
                  QStringLiteral("Meal"));
}

QStringList LoadCategories(DataStore& store) {
    return column(store.prepare(QStringLiteral("SELECT \"Item\" FROM \"Groups\" ORDER BY "
                                               "\"Item\" COLLATE NOCASE, rowid")),
                  QStringLiteral("Item"));
}

QStringList LoadAisles(DataStore& store) {
    return column(store.prepare(QStringLiteral("SELECT \"Aisle\" FROM \"Aisles\" ORDER BY rowid")),
                  QStringLiteral("Aisle"), true);
}

void SaveAisle(DataStore& store, const QString& aisleText, const QString& descriptionText) {
    // Blanks alone name no aisle: the row would never be listed, nor found again.
    const QString aisle = aisleText.trimmed();
    if (aisle.isEmpty())
        return;
    const QString description = descriptionText.trimmed();
    const auto orNull = [](const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); };
    Transaction transaction(store);
    DeleteFirstMatchingRow(store, QStringLiteral("Aisles"), QStringLiteral("Aisle"), aisle,
                           Qt::CaseInsensitive);
    store.run(QStringLiteral("INSERT INTO \"Aisles\" (\"Aisle\", \"Description\") VALUES (?1, ?2)"),
              orNull(aisle), orNull(description));
    transaction.commit();
}

bool DeleteAisle(DataStore& store, const QString& aisle) {
    return DeleteFirstMatchingRow(store, QStringLiteral("Aisles"), QStringLiteral("Aisle"),
                                  aisle.trimmed(), Qt::CaseInsensitive);
}

namespace {

QList<AisleLine> aisleLines(Statement rows) {
    QList<AisleLine> aisles;
    while (rows.next())
        aisles.append(
            {rows.text(QStringLiteral("Aisle")), rows.text(QStringLiteral("Description"))});
    return aisles;
}

} // namespace

QList<AisleLine> ReadAislesList(DataStore& store) {
    return aisleLines(store.prepare(QStringLiteral(
        "SELECT \"Aisle\", \"Description\" FROM \"Aisles\" ORDER BY \"Aisle\" COLLATE NOCASE, "
        "\"Aisle\", rowid")));
}

QList<AisleLine> ReadAislesInSavedOrder(DataStore& store) {
    return aisleLines(store.prepare(QStringLiteral(
        "SELECT \"Aisle\", \"Description\" FROM \"Aisles\" WHERE \"Aisle\" <> '' ORDER BY rowid")));
}
