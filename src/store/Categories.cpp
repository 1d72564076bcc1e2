#include "Categories.h"

#include "DataStore.h"
#include "Loaders.h"
#include "Schema.h"
#include "StoreError.h"

QString QuoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

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
    // tables share the same space.
    if (store.tableExists(name))
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
