#include "StoreChecks.h"

#include "TestData.h"
#include "store/DataStore.h"
#include "store/TableAccess.h"

#include <sqlite3.h>

QString IntegrityCheck(DataStore& store) {
    Statement rows = store.prepare(QStringLiteral("PRAGMA integrity_check"));
    QStringList lines;
    while (rows.next())
        lines << rows.text(QStringLiteral("integrity_check"));
    return lines.join(QLatin1Char('\n'));
}

QStringList DumpTables(DataStore& store) {
    QStringList tables;
    {
        Statement names = store.prepare(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
        while (names.next())
            tables << names.text(QStringLiteral("name"));
    }
    QStringList dump;
    for (const QString& table : tables) {
        const QStringList fields = FieldNames(store, table);
        dump << table + QStringLiteral(": ") + fields.join(QLatin1Char('|'));
        for (const QString& row : Rows(store, table, fields))
            dump << table + QStringLiteral(": ") + row;
    }
    return dump;
}

void UseQuickKeys() {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db, "PRAGMA cipher_default_kdf_iter = 2", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}
