#include "CatalogueStore.h"

#include "store/Categories.h"
#include "store/DataStore.h"
#include "store/Loaders.h"
#include "store/Schema.h"
#include "store/StoreError.h"

#include <QRegularExpression>

namespace {

// Category names reach the store from what users type; the program's own tables share
// their fields with a category table and must never be written as one.
QString categoryTable(const QString& category) {
    if (IsFixedTableName(category))
        throw StoreError(QStringLiteral("%1 is not a category").arg(category));
    return QuoteIdentifier(category);
}

QVariant orNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

} // namespace

std::optional<CatalogueItem> FindCatalogueItem(DataStore& store, const QString& category,
                                               const QString& name) {
    Statement row =
        store.query(QStringLiteral("SELECT * FROM %1 WHERE \"Item\" = ?1 ORDER BY rowid LIMIT 1")
                        .arg(categoryTable(category)),
                    name);
    if (!row.next())
        return std::nullopt;
    return CatalogueItem{row.text(QStringLiteral("Item")), row.text(QStringLiteral("Size")),
                         row.text(QStringLiteral("Aisle")), row.text(QStringLiteral("Price")),
                         row.text(QStringLiteral("Comments"))};
}

void StoreCatalogueItem(DataStore& store, const QString& category, const CatalogueItem& item) {
    const QString table = categoryTable(category);
    Transaction transaction(store);
    DeleteFirstMatchingRow(store, category, QStringLiteral("Item"), item.name, Qt::CaseInsensitive);
    store.run(QStringLiteral("INSERT INTO %1 (\"Item\", \"Size\", \"Aisle\", \"Price\", "
                             "\"Comments\") VALUES (?1, ?2, ?3, ?4, ?5)")
                  .arg(table),
              orNull(item.name), orNull(item.size), orNull(item.aisle), orNull(item.price),
              orNull(item.comments));
    transaction.commit();
}

bool DeleteCatalogueItem(DataStore& store, const QString& category, const QString& name) {
    categoryTable(category);
    return DeleteFirstMatchingRow(store, category, QStringLiteral("Item"), name,
                                  Qt::CaseInsensitive);
}

int CategoryItemCount(DataStore& store, const QString& category) {
    Statement count = store.prepare(
        QStringLiteral("SELECT count(*) AS \"n\" FROM %1").arg(categoryTable(category)));
    return count.next() ? int(count.integer(QStringLiteral("n"))) : 0;
}

std::optional<QString> AisleDescription(DataStore& store, const QString& aisle) {
    Statement row = store.query(QStringLiteral("SELECT \"Description\" FROM \"Aisles\" WHERE "
                                               "\"Aisle\" = ?1 ORDER BY rowid LIMIT 1"),
                                aisle);
    if (!row.next())
        return std::nullopt;
    return row.text(QStringLiteral("Description"));
}

bool IsAcceptablePrice(const QString& price) {
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*[+-]?(\d{1,3}(,\d{3})+|\d+)?(\.\d*)?([eE][+-]?\d+)?\s*$)"));
    if (price.contains(QLatin1Char('$')))
        return false;
    const auto match = number.match(price);
    // At least one digit before the exponent: "." and "-" alone are no number.
    return match.hasMatch() && (!match.captured(1).isEmpty() || match.captured(3).size() > 1);
}
