#include "Statement.h"

#include "StoreError.h"

#include <sqlite3.h>

Statement::Statement(sqlite3* db, const QString& sql) : m_db(db) {
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK)
        fail("prepare");
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement&& other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_columns(std::move(other.m_columns)) {
    other.m_stmt = nullptr;
}

Statement& Statement::bind(int position, const QVariant& value) {
    int rc = SQLITE_OK;
    switch (value.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        rc = sqlite3_bind_null(m_stmt, position);
        break;
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        rc = sqlite3_bind_int64(m_stmt, position, value.toLongLong());
        break;
    case QMetaType::Double:
        rc = sqlite3_bind_double(m_stmt, position, value.toDouble());
        break;
    default: {
        if (value.isNull()) {
            rc = sqlite3_bind_null(m_stmt, position);
            break;
        }
        const QByteArray utf8 = value.toString().toUtf8();
        rc = sqlite3_bind_text(m_stmt, position, utf8.constData(), int(utf8.size()),
                               SQLITE_TRANSIENT);
    }
    }
    if (rc != SQLITE_OK)
        fail("bind");
    return *this;
}

bool Statement::next() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail("step");
}

void Statement::run() {
    while (next()) {
    }
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

int Statement::columnIndex(const QString& column) const {
    if (m_columns.empty()) {
        const int count = sqlite3_column_count(m_stmt);
        m_columns.reserve(count);
        for (int i = 0; i < count; ++i)
            m_columns.push_back(QString::fromUtf8(sqlite3_column_name(m_stmt, i)));
    }
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(column, Qt::CaseInsensitive) == 0)
            return int(i);
    throw StoreError(QStringLiteral("no field named %1").arg(column));
}

bool Statement::isNull(const QString& column) const {
    return sqlite3_column_type(m_stmt, columnIndex(column)) == SQLITE_NULL;
}

QString Statement::text(const QString& column) const {
    const int i = columnIndex(column);
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i));
    return data ? QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, i)) : QString();
}

qint64 Statement::integer(const QString& column) const {
    return sqlite3_column_int64(m_stmt, columnIndex(column));
}

void Statement::fail(const char* what) const {
    throw StoreError(QStringLiteral("%1 failed: %2")
                         .arg(QLatin1String(what), QString::fromUtf8(sqlite3_errmsg(m_db))),
                     sqlite3_extended_errcode(m_db));
}
