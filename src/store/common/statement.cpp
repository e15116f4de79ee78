#include "store/common/database.h"

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

#include <utility>

Statement::Statement(Database& db, const QString& sql)
    : m_db(&db) {
    const int rc = sqlite3_prepare_v2(db.handle(), sql.toUtf8().constData(), -1, &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        db.fail(rc);
}

Statement::Statement(Statement&& other) noexcept
    : m_db(other.m_db)
    , m_stmt(std::exchange(other.m_stmt, nullptr)) {}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

Statement& Statement::bind(int position, const QVariant& value) {
    if (value.isNull())
        return bindNull(position);
    if (value.typeId() == QMetaType::QString)
        return bindText(position, value.toString().toUtf8());
    if (value.typeId() == QMetaType::Double)
        return checked(sqlite3_bind_double(m_stmt, position, value.toDouble()));
    if (value.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = value.toByteArray();
        return checked(sqlite3_bind_blob64(m_stmt, position, bytes.isNull() ? "" : bytes.data(),
                                           sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT));
    }
    return bindInteger(position, value.toLongLong());
}

Statement& Statement::bindNull(int position) {
    return checked(sqlite3_bind_null(m_stmt, position));
}

Statement& Statement::bindInteger(int position, qint64 value) {
    return checked(sqlite3_bind_int64(m_stmt, position, value));
}

Statement& Statement::bindText(int position, QByteArrayView utf8) {
    // An empty view may carry no data pointer, and a null pointer would bind no value at all.
    return checked(sqlite3_bind_text(m_stmt, position, utf8.isNull() ? "" : utf8.data(),
                                     static_cast<int>(utf8.size()), SQLITE_TRANSIENT));
}

Statement& Statement::checked(int rc) {
    if (rc != SQLITE_OK)
        m_db->fail(rc);
    return *this;
}

bool Statement::next() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        m_db->fail(rc);
    return false;
}

void Statement::run() {
    while (next()) {
    }
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QVariant Statement::value(int column) const {
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, column)),
                                   sqlite3_column_bytes(m_stmt, column)));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column)));
    }
    }
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

QByteArrayView Statement::textBytes(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return QByteArrayView(text, sqlite3_column_bytes(m_stmt, column));
}

Transaction::Transaction(Database& db, Start start)
    : m_db(db) {
    m_db.exec(start == Start::Immediate ? QStringLiteral("BEGIN IMMEDIATE")
                                        : QStringLiteral("BEGIN"));
}

Transaction::~Transaction() {
    if (!m_done)
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    m_db.exec(QStringLiteral("COMMIT"));
    m_done = true;
}
