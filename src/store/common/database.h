#pragma once

#include "core/common/engine_error.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// A small RAII layer over the encrypted database engine. Every value travels as a bound
// parameter; failures become EngineError with a number and a user-readable description.

struct OpenOptions {
    std::optional<QString> password; // ignored for a file that carries no password
    bool exclusive = true;
    bool readOnly = false;
    // For a connection that reads each page once, in one pass: a small page cache, since a
    // large one only costs fresh memory for every page read.
    bool readsOnce = false;
};

// Format versions recorded in each file: 30 ("3.0") for the working database, 20 ("2.0") for
// the submission and log files.
inline constexpr int workingFormat = 30;
inline constexpr int submissionFormat = 20;

class Statement;

class Database {
public:
    static Database open(const QString& path, const OpenOptions& options = {});
    // Creates a new file; fails when one exists. A key encrypts it; without one it is plain.
    static Database create(const QString& path, int formatVersion,
                           const std::optional<QString>& key);

    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    void exec(const QString& sql);
    Statement prepare(const QString& sql);
    QString formatVersion();
    // The version of the encryption engine the program runs on, as it names itself ("4.5.6
    // community").
    QString engineVersion();
    // The names of the file's tables and indexes, in order.
    QStringList objectNames();
    qint64 lastInsertRowId() const;
    int changes() const;
    const QString& path() const { return m_path; }
    // True when the file carried no password when it was opened or made.
    bool isPlain() const { return m_plain; }
    sqlite3* handle() const { return m_db; }

    // Makes the plain file at `path` readable on this connection under `schemaName`, read-only, so
    // that its bytes never change. Not inside a transaction.
    void attachReadOnly(const QString& path, const char* schemaName);

    // Runs `read`, a pass that reads many pages once, with the page cache held to a few pages, and
    // gives the cache its size back afterwards, also when `read` throws. The cache would only fill
    // with pages the pass never reads again. Inside a transaction the cache is left alone: a
    // smaller cache could make the engine write changed pages out early.
    void readingOnce(const std::function<void()>& read);

    // Closes the connection now; any later use fails with an engine error.
    void close() noexcept;

    // Raises the error for a failed engine call on this connection.
    [[noreturn]] void fail(int rc) const;

private:
    Database(sqlite3* db, QString path);

    sqlite3* m_db = nullptr;
    QString m_path;
    bool m_plain = false;
};

class Statement {
public:
    Statement(Database& db, const QString& sql);
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;
    ~Statement();

    Statement& bind(int position, const QVariant& value); // positions count from 1
    bool next();                                          // true while a row is available
    void run();                                           // runs to completion
    void reset();
    int columnCount() const;
    QVariant value(int column) const;
    // For reading many rows quickly: no value, and a text's UTF-8 bytes without a copy (valid
    // until the next step).
    bool isNull(int column) const;
    QByteArrayView textBytes(int column) const;

private:
    Statement& checked(int rc);
    Statement& bindNull(int position);
    Statement& bindInteger(int position, qint64 value);
    Statement& bindText(int position, QByteArrayView utf8);

    Database* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

// All or nothing: rolled back unless committed.
class Transaction {
public:
    // Immediate takes the write lock at once. Deferred takes it at the first write, for a
    // connection with a file attached read-only, on which the engine cannot take one.
    enum class Start { Immediate, Deferred };
    explicit Transaction(Database& db, Start start = Start::Immediate);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();
    void commit();

private:
    Database& m_db;
    bool m_done = false;
};

// The page cache of a connection to a file of this size: the whole file and some growth up to
// 32 MiB. Beyond that the records' pages do not need to stay: the editor's list, the name list
// and the sort's walk read only the name index, and the sort writes each record's page once in
// file order, so no command reads a page twice; a larger cache was measured to buy nothing and
// would only add to the program's memory.
qint64 pageCacheKiB(qint64 fileBytes);

// True when the file starts with the header of an engine file that carries no password. Reads it
// through a descriptor of its own: never for a file this process holds open (Database::isPlain
// answers for those).
bool isPlainDatabaseFile(const QString& path);
