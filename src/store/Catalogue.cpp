#include "Catalogue.h"

#include "DataStore.h"
#include "Loaders.h"
#include "Schema.h"
#include "StoreError.h"
#include "TableAccess.h"

#include <QSet>

QString CategoryNameProblem(DataStore& store, const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("Please type a name for the Category!");
    if (trimmed != name)
        return QStringLiteral("A Category name cannot start or end with blanks!");
    if (name.size() > kMaxCategoryNameLength)
        return QStringLiteral("A Category name can have at most %1 characters!")
            .arg(kMaxCategoryNameLength);
    if (name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive))
        return QStringLiteral("A Category name cannot start with \"sqlite_\"!");
    if (name.contains(QChar(0)))
        return QStringLiteral("A Category name cannot hold that character!");
    // Table names are told apart without regard to letter case, and the program's own
    // tables share the same space, even one a file has not been given yet.
    if (store.tableExists(name) || IsFixedTableName(name))
        return QStringLiteral("The name %1 is already used by a Category or by the "
                              "program itself!")
            .arg(name);
    return {};
}

void CreateCategory(DataStore& store, const QString& name) {
    const QString problem = CategoryNameProblem(store, name);
    if (!problem.isEmpty())
        throw StoreError(problem);
    Transaction transaction(store);
    store.run(QStringLiteral("INSERT INTO \"Groups\" (\"Item\") VALUES (?1)"), name);
    store.run(QStringLiteral("CREATE TABLE %1 (\"Item\" TEXT, \"Size\" TEXT, \"Aisle\" TEXT, "
                             "\"Price\" TEXT, \"Comments\" TEXT)")
                  .arg(QuoteIdentifier(name)));
    transaction.commit();
}

bool DeleteCategory(DataStore& store, const QString& name) {
    Transaction transaction(store);
    if (!DeleteFirstMatchingRow(store, QStringLiteral("Groups"), QStringLiteral("Item"), name,
                                Qt::CaseSensitive))
        return false;
    // Table names match in any (ASCII) letter case, as NOCASE does: while another category
    // row still maps to the table, it stays. The program's own tables are never dropped.
    const bool stillListed = store
                                 .query(QStringLiteral("SELECT 1 FROM \"Groups\" WHERE "
                                                       "\"Item\" = ?1 COLLATE NOCASE"),
                                        name)
                                 .next();
    if (!stillListed && !IsFixedTableName(name))
        store.run(QStringLiteral("DROP TABLE IF EXISTS %1").arg(QuoteIdentifier(name)));
    transaction.commit();
    return true;
}

bool IsCategory(DataStore& store, const QString& name) {
    return store.query(QStringLiteral("SELECT 1 FROM \"Groups\" WHERE \"Item\" = ?1"), name).next();
}

bool HasItemTable(DataStore& store, const QString& name) {
    return IsCategory(store, name) && !IsFixedTableName(name) && store.tableExists(name);
}

namespace {

// Category names reach the store from what users type; the program's own tables share
// their fields with a category table and must never be written as one.
QString categoryTable(const QString& category) {
    if (IsFixedTableName(category))
        throw StoreError(QStringLiteral("%1 is not a category").arg(category));
    return QuoteIdentifier(category);
}

CatalogueItem itemOf(const Statement& row) {
    return {row.text(QStringLiteral("Item")), row.text(QStringLiteral("Size")),
            row.text(QStringLiteral("Aisle")), row.text(QStringLiteral("Price")),
            row.text(QStringLiteral("Comments"))};
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
    return itemOf(row);
}

QHash<QString, CatalogueItem> FindCatalogueItems(DataStore& store, const QString& category,
                                                 const QStringList& names) {
    const QString table = categoryTable(category);
    QHash<QString, CatalogueItem> found;
    // The store's trim() removes blanks only, as the names were trimmed when meals were made.
    constexpr int kPerQuery = 500;
    for (qsizetype start = 0; start < names.size(); start += kPerQuery) {
        const QStringList some = names.mid(start, kPerQuery);
        Statement rows = store.prepare(
            QStringLiteral("SELECT trim(\"Item\") AS \"key\", * FROM %1 WHERE trim(\"Item\") IN "
                           "(%2) ORDER BY rowid")
                .arg(table, Placeholders(int(some.size()))));
        for (int i = 0; i < some.size(); ++i)
            rows.bind(i + 1, some[i]);
        while (rows.next()) {
            const QString key = rows.text(QStringLiteral("key"));
            if (!found.contains(key))
                found.insert(key, itemOf(rows));
        }
    }
    return found;
}

void StoreCatalogueItem(DataStore& store, const QString& category, const CatalogueItem& item) {
    StoreCatalogueItems(store, category, {item});
}

void StoreCatalogueItems(DataStore& store, const QString& category,
                         const QList<CatalogueItem>& items) {
    const QString table = categoryTable(category);
    Transaction transaction(store);
    // The rows of each name in any letter case, oldest first, as DeleteFirstMatchingRow
    // would find them; folded here so that letters beyond ASCII fold too.
    QHash<QString, QList<qint64>> rowsByName;
    {
        Statement rows = store.prepare(
            QStringLiteral("SELECT rowid AS \"id\", \"Item\" FROM %1 ORDER BY rowid").arg(table));
        while (rows.next())
            rowsByName[rows.text(QStringLiteral("Item")).toCaseFolded()]
                << rows.integer(QStringLiteral("id"));
    }
    Statement remove = store.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(table));
    Statement insert = store.prepare(QStringLiteral("INSERT INTO %1 (\"Item\", \"Size\", "
                                                    "\"Aisle\", \"Price\", \"Comments\") "
                                                    "VALUES (?1, ?2, ?3, ?4, ?5)")
                                         .arg(table));
    Statement lastRow = store.prepare(QStringLiteral("SELECT last_insert_rowid() AS \"id\""));
    for (const CatalogueItem& item : items) {
        QList<qint64>& same = rowsByName[item.name.toCaseFolded()];
        if (!same.isEmpty()) {
            remove.bindAll(same.takeFirst());
            remove.run();
            remove.reset();
        }
        insert.bindAll(orNull(item.name), orNull(item.size), orNull(item.aisle), orNull(item.price),
                       orNull(item.comments));
        insert.run();
        insert.reset();
        lastRow.next();
        same << lastRow.integer(QStringLiteral("id"));
        lastRow.reset();
    }
    transaction.commit();
}

QList<CatalogueItem> ReadCategoryItems(DataStore& store, const QString& category) {
    Statement rows = store.prepare(
        QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(categoryTable(category)));
    QList<CatalogueItem> items;
    while (rows.next())
        items.append(itemOf(rows));
    return items;
}

QList<CatalogueCategory> ReadCatalogue(DataStore& store) {
    QList<CatalogueCategory> catalogue;
    // Names that differ only in letter case share one table; it is read once.
    QSet<QString> tables;
    for (const QString& name : LoadCategories(store)) {
        if (!HasItemTable(store, name) || tables.contains(name.toCaseFolded()))
            continue;
        tables.insert(name.toCaseFolded());
        catalogue.append({name, ReadCategoryItems(store, name)});
    }
    return catalogue;
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
