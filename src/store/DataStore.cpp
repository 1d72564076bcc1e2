#include "DataStore.h"

#include "Schema.h"
#include "StoreError.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace {

[[noreturn]] void failOpen(sqlite3* db, const QString& path, const char* what) {
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    const int code = db ? sqlite3_extended_errcode(db) : SQLITE_NOMEM;
    sqlite3_close(db);
    throw StoreError(
        QStringLiteral("cannot open %1 (%2): %3").arg(path, QLatin1String(what), detail), code);
}

} // namespace

std::unique_ptr<DataStore> DataStore::openWithFlags(const QString& path, const QByteArray& password,
                                                    int flags, const char* vfs) {
    sqlite3* db = nullptr;
    const QByteArray file = QFileInfo(path).absoluteFilePath().toUtf8();
    if (sqlite3_open_v2(file.constData(), &db, flags, vfs) != SQLITE_OK)
        failOpen(db, path, "open");
    if (sqlite3_key(db, password.constData(), int(password.size())) != SQLITE_OK)
        failOpen(db, path, "key");

    // The library must really be SQLCipher, or the key above did nothing.
    sqlite3_stmt* stmt = nullptr;
    bool cipher = false;
    if (sqlite3_prepare_v2(db, "PRAGMA cipher_version", -1, &stmt, nullptr) == SQLITE_OK)
        cipher = sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_text(stmt, 0) != nullptr;
    sqlite3_finalize(stmt);
    if (!cipher)
        failOpen(db, path, "no encryption support");

    // Any key is accepted until the first read; a wrong one shows up here as "not a database".
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        failOpen(db, path, "check");
    sqlite3_extended_result_codes(db, 1);
    sqlite3_exec(db, "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
    // Every page read is decrypted; a household's whole file fits in this cache, so
    // repeated work (sorting, building the list again) reads each page once.
    sqlite3_exec(db, "PRAGMA cache_size = -16384", nullptr, nullptr, nullptr);
    return std::unique_ptr<DataStore>(new DataStore(db, path));
}

std::unique_ptr<DataStore> DataStore::open(const QString& path, const QByteArray& password,
                                           const char* vfs) {
    // Without SQLITE_OPEN_CREATE a missing file fails here and no empty file is left behind.
    return openWithFlags(path, password, SQLITE_OPEN_READWRITE, vfs);
}

std::unique_ptr<DataStore> DataStore::create(const QString& path, const QByteArray& password) {
    if (QFileInfo::exists(path))
        throw StoreError(QStringLiteral("%1 already exists").arg(path));
    auto store = openWithFlags(path, password, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    CreateSchema(*store);
    return store;
}

DataStore::~DataStore() {
    sqlite3_close(m_db);
}

Statement DataStore::prepare(const QString& sql) {
    return Statement(m_db, sql);
}

bool DataStore::tableExists(const QString& name) {
    Statement statement =
        query(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 "
                             "COLLATE NOCASE"),
              name);
    return statement.next();
}

bool DataStore::passesIntegrityCheck() {
    Statement check = prepare(QStringLiteral("PRAGMA integrity_check"));
    return check.next() && check.text(QStringLiteral("integrity_check")) == QLatin1String("ok") &&
           !check.next();
}

void DataStore::compact() {
    // VACUUM keeps the file's key, so the compacted file has the same password.
    run(QStringLiteral("VACUUM"));
}

// Savepoints rather than BEGIN, so that a routine that writes as a whole can also be part
// of a larger write.
Transaction::Transaction(DataStore& store) : m_store(store) {
    m_store.run(QStringLiteral("SAVEPOINT pantrelle"));
}

Transaction::~Transaction() {
    if (!m_done) {
        try {
            m_store.run(QStringLiteral("ROLLBACK TO pantrelle"));
            m_store.run(QStringLiteral("RELEASE pantrelle"));
        } catch (const StoreError&) {
            // SQLite may already have rolled back on its own after a failed write.
        }
    }
}

void Transaction::commit() {
    m_store.run(QStringLiteral("RELEASE pantrelle"));
    m_done = true;
}
