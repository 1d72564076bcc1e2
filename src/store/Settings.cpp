#include "Settings.h"

#include "store/DataStore.h"
#include "store/StoreError.h"

namespace {
const QString kFirstRow = QStringLiteral("(SELECT min(rowid) FROM \"dbIndex\")");
}

Settings ReadSettings(DataStore& store) {
    Statement row =
        store.prepare(QStringLiteral("SELECT * FROM \"dbIndex\" WHERE rowid = ") + kFirstRow);
    if (!row.next())
        throw StoreError(QStringLiteral("the settings row is missing"));
    if (row.isNull(QStringLiteral("BackGroundColor")))
        throw StoreError(QStringLiteral("the background colour is unset"));
    Settings settings;
    settings.DropDown = int(row.integer(QStringLiteral("DropDown")));
    settings.OptionColor = int(row.integer(QStringLiteral("OptionColor")));
    settings.BackGroundColor = quint32(row.integer(QStringLiteral("BackGroundColor")));
    settings.GroceryListName = row.text(QStringLiteral("GroceryListName"));
    return settings;
}

void WriteExitSettings(DataStore& store, const Settings& settings) {
    // Kept as a signed 32-bit value, as older files hold desktop colours (top bit set).
    store.run(QStringLiteral("UPDATE \"dbIndex\" SET \"DropDown\" = ?1, \"BackGroundColor\" = ?2 "
                             "WHERE rowid = ") +
                  kFirstRow,
              settings.DropDown, qint64(qint32(settings.BackGroundColor)));
}

void WriteGroceryListName(DataStore& store, const QString& name) {
    store.run(QStringLiteral("UPDATE \"dbIndex\" SET \"GroceryListName\" = ?1 WHERE rowid = ") +
                  kFirstRow,
              name);
}

void WriteOptionColor(DataStore& store, int index) {
    store.run(QStringLiteral("UPDATE \"dbIndex\" SET \"OptionColor\" = ?1 WHERE rowid = ") +
                  kFirstRow,
              index);
}

QString ReadEmailAddress(DataStore& store) {
    Statement row = store.prepare(
        QStringLiteral("SELECT \"eMailFlag\" FROM \"dbIndex\" WHERE rowid = ") + kFirstRow);
    return row.next() ? row.text(QStringLiteral("eMailFlag")) : QString();
}

void WriteEmailAddress(DataStore& store, const QString& address) {
    store.run(QStringLiteral("UPDATE \"dbIndex\" SET \"eMailFlag\" = ?1 WHERE rowid = ") +
                  kFirstRow,
              address);
}

int SettingsRowCount(DataStore& store) {
    Statement rows = store.prepare(QStringLiteral("SELECT count(*) AS n FROM \"dbIndex\""));
    return rows.next() ? int(rows.integer(QStringLiteral("n"))) : 0;
}
