#include "TableAccess.h"

#include "DataStore.h"

QString QuoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
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

QString Placeholders(int count) {
    QStringList marks;
    for (int i = 1; i <= count; ++i)
        marks << QStringLiteral("?%1").arg(i);
    return marks.join(QLatin1String(", "));
}
