#include "Loaders.h"

#include "Categories.h"
#include "DataStore.h"

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

bool DeleteFirstMatchingRow(DataStore& store, const QString& table, const QString& field,
                            const QString& value, Qt::CaseSensitivity cs) {
    // Compared here rather than in SQL so that letters beyond ASCII fold as users expect.
    qint64 id = -1;
    {
        Statement rows = store.prepare(QStringLiteral("SELECT rowid AS \"id\", %1 AS \"value\" "
                                                      "FROM %2 ORDER BY rowid")
                                           .arg(QuoteIdentifier(field), QuoteIdentifier(table)));
        while (id < 0 && rows.next())
            if (rows.text(QStringLiteral("value")).compare(value, cs) == 0)
                id = rows.integer(QStringLiteral("id"));
    }
    if (id < 0)
        return false;
    store.run(QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(QuoteIdentifier(table)), id);
    return true;
}

void SaveAisle(DataStore& store, const QString& aisleText, const QString& descriptionText) {
    if (aisleText.isEmpty())
        return;
    const QString aisle = aisleText.trimmed();
    const QString description = descriptionText.trimmed();
    const auto orNull = [](const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); };
    Transaction transaction(store);
    DeleteFirstMatchingRow(store, QStringLiteral("Aisles"), QStringLiteral("Aisle"), aisle,
                           Qt::CaseInsensitive);
    store.run(QStringLiteral("INSERT INTO \"Aisles\" (\"Aisle\", \"Description\") VALUES (?1, ?2)"),
              orNull(aisle), orNull(description));
    transaction.commit();
}
