#pragma once

#include "Statement.h"

#include <QString>
#include <memory>

struct sqlite3;

// The one open connection to the encrypted data file. Opening never creates a file;
// `create` is the only way a new data file comes to exist.
class DataStore {
public:
    static constexpr const char* kPassword = "Quill527";

    // Throws StoreError when the file is missing, is not a database, or the password
    // does not match. `vfs` names the SQLite file layer to use (tests inject faults with
    // one); null is the system's own.
    static std::unique_ptr<DataStore>
    open(const QString& path, const QByteArray& password = kPassword, const char* vfs = nullptr);
    // Makes a new, empty encrypted file holding the fixed tables; refuses an existing file.
    static std::unique_ptr<DataStore> create(const QString& path,
                                             const QByteArray& password = kPassword);

    ~DataStore();
    DataStore(const DataStore&) = delete;
    DataStore& operator=(const DataStore&) = delete;

    const QString& path() const { return m_path; }

    Statement prepare(const QString& sql);
    template <typename... Args> Statement query(const QString& sql, const Args&... args) {
        Statement statement = prepare(sql);
        statement.bindAll(args...);
        return statement;
    }
    template <typename... Args> void run(const QString& sql, const Args&... args) {
        query(sql, args...).run();
    }
    bool tableExists(const QString& name);
    // SQLite's own check of the whole file.
    bool passesIntegrityCheck();
    // Rewrites the file without its unused space, keeping its key; all or nothing.
    void compact();

private:
    DataStore(sqlite3* db, QString path) : m_db(db), m_path(std::move(path)) {}
    static std::unique_ptr<DataStore> openWithFlags(const QString& path, const QByteArray& password,
                                                    int flags, const char* vfs = nullptr);

    sqlite3* m_db;
    QString m_path;
};

// Groups several writes so they land together or not at all. Rolls back unless committed.
class Transaction {
public:
    explicit Transaction(DataStore& store);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    DataStore& m_store;
    bool m_done = false;
};
