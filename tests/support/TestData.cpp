#include "TestData.h"

#include "store/Catalogue.h"
#include "store/DataStore.h"
#include "store/Settings.h"
#include "store/TableAccess.h"
#include "ui/Fonts.h"

#include <QDir>

TestData::TestData() : app(m_dir.path(), platform) {
    // Windows are measured and drawn in the font the program picks at its start.
    UseProgramFont();
    auto store = DataStore::create(dataFile());
    store->run(QStringLiteral("INSERT INTO \"dbIndex\" VALUES (1, 2, ?1, 'My List', "
                              "'me@example.com')"),
               qint64(0x00C0FFFF));
}

QString TestData::dataFile() const {
    return QDir(m_dir.path()).filePath(QStringLiteral("Pantrelle Two.mdb"));
}

AppContext& TestData::open() {
    app.openStore();
    app.settings = ReadSettings(app.store());
    return app;
}

QStringList Rows(DataStore& store, const QString& table, const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields)
        quoted << QuoteIdentifier(field);
    Statement rows =
        store.prepare(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                          .arg(quoted.join(QLatin1String(", ")), QuoteIdentifier(table)));
    QStringList result;
    while (rows.next()) {
        QStringList values;
        for (const QString& field : fields)
            values << (rows.isNull(field) ? QStringLiteral("<null>") : rows.text(field));
        result << values.join(QLatin1Char('|'));
    }
    return result;
}

QStringList FieldNames(DataStore& store, const QString& table) {
    Statement fields =
        store.prepare(QStringLiteral("PRAGMA table_info(%1)").arg(QuoteIdentifier(table)));
    QStringList names;
    while (fields.next())
        names << fields.text(QStringLiteral("name"));
    return names;
}

QStringList FileContent(DataStore& store) {
    QStringList content;
    Statement tables =
        store.prepare(QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name"));
    while (tables.next()) {
        const QString table = tables.text(QStringLiteral("name"));
        content << table + QStringLiteral(": ") + tables.text(QStringLiteral("sql"));
        if (tables.text(QStringLiteral("type")) == QLatin1String("table"))
            for (const QString& row : Rows(store, table, FieldNames(store, table)))
                content << table + QStringLiteral(": ") + row;
    }
    return content;
}
