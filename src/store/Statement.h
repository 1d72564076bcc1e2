#pragma once

#include <QString>
#include <QVariant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// One prepared statement. Values are always bound, never pasted into the text.
// Columns are found by name without regard to letter case.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds by position, starting at 1. A null QVariant binds SQL NULL.
    Statement& bind(int position, const QVariant& value);
    template <typename... Args> Statement& bindAll(const Args&... args) {
        int position = 0;
        (bind(++position, QVariant(args)), ...);
        return *this;
    }

    // Advances to the next row; false once the rows have run out.
    bool next();
    // Runs a statement that returns no rows to its end.
    void run();
    // Makes the statement ready to run again, with new values bound.
    void reset();

    bool isNull(const QString& column) const;
    QString text(const QString& column) const;
    qint64 integer(const QString& column) const;
    int columnCount() const;

private:
    int columnIndex(const QString& column) const;
    [[noreturn]] void fail(const char* what) const;

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    mutable std::vector<QString> m_columns;
};
