#include "store/common/database.h"

#include "core/common/files.h"
#include "core/common/secrets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QTemporaryFile>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace {

// The page cache of a connection, or of a pass, that reads each page once: a few pages.
constexpr qint64 onePassCacheKiB = 256;

constexpr qint64 smallestPage = 512;
constexpr char plainHeader[] = "SQLite format 3"; // with its closing zero, the first 16 bytes

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

EngineError damaged(const QString& path) {
    return EngineError(engine::Damaged, QObject::tr("The database file '%1' is damaged and cannot "
                                                    "be opened. Restore it from a backup copy.")
                                            .arg(fileName(path)));
}

bool folderAcceptsFiles(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.xw73d-probe-XXXXXX"));
    return probe.open();
}

// Asked of the file system with this process's own rights, not by opening the file: closing any
// descriptor of a file drops every lock this process holds on it, the login connection's too.
bool readableByThisProcess(const QString& path) {
#ifdef Q_OS_UNIX
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), R_OK, AT_EACCESS) == 0;
#else
    return QFileInfo(path).isReadable();
#endif
}

// Why a database file cannot be opened or written, as far as the file system tells; otherwise
// whether the engine found it could not write or could not open.
EngineError unreachable(const QString& path, bool cannotWrite) {
    using namespace engine;
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (info.isDir())
        return EngineError(CannotReach, QObject::tr("'%1' in the folder '%2' is a folder, not a "
                                                    "database file. Move it away.")
                                            .arg(name, folder));
    if (info.exists() && !readableByThisProcess(path))
        return EngineError(CannotReach, QObject::tr("The database file '%1' cannot be read: you "
                                                    "have no permission to read it.")
                                            .arg(name));
    if (!info.absoluteDir().exists())
        return EngineError(CannotReach, QObject::tr("The folder '%1' of the database file '%2' "
                                                    "cannot be reached.")
                                            .arg(folder, name));
    if (!folderAcceptsFiles(info.absolutePath()))
        return EngineError(ReadOnly, QObject::tr("The folder '%1' of the database file '%2' is "
                                                 "read-only: the program cannot write there.")
                                         .arg(folder, name));
    if (cannotWrite)
        return EngineError(ReadOnly, QObject::tr("The database file '%1' cannot be changed: the "
                                                 "file or its folder is read-only.")
                                         .arg(name));
    return EngineError(CannotReach, QObject::tr("The database file '%1' cannot be opened: its "
                                                "folder cannot be reached or written.")
                                        .arg(name));
}

EngineError diskFull(const QString& path) {
    return EngineError(
        engine::DiskFull,
        QObject::tr("There is not enough space on the disk to write '%1'.").arg(fileName(path)));
}

EngineError describe(int rc, const QString& path, const char* detail, int systemError) {
    using namespace engine;
    const QString name = fileName(path);
    // A file-size limit refuses a write as a full disk does.
    if (systemError == EFBIG || systemError == ENOSPC)
        return diskFull(path);
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
        return EngineError(NotValidPassword, QObject::tr("Not a valid password."));
    case SQLITE_CORRUPT:
        return damaged(path);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return EngineError(InUse, QObject::tr("The database file '%1' is in use by another copy "
                                              "of the program or by another program. Close it "
                                              "and try again.")
                                      .arg(name));
    case SQLITE_FULL:
        return diskFull(path);
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return unreachable(path, true);
    case SQLITE_CANTOPEN:
        return unreachable(path, false);
    case SQLITE_IOERR:
        return EngineError(DiskError, QObject::tr("A disk error occurred while reading or "
                                                  "writing '%1'.")
                                          .arg(name));
    default:
        return EngineError(Reserved, QObject::tr("The database engine reported an error: %1.")
                                         .arg(QString::fromUtf8(detail)));
    }
}

sqlite3* openHandle(const QString& path, int flags) {
    // One thread does all database work, so the engine's per-call locking is pure cost. Names
    // attached as URIs may ask for read-only access; an absolute path never reads as one.
    flags |= SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI;
    sqlite3* db = nullptr;
    const QByteArray name = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    const int rc = sqlite3_open_v2(name.constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const EngineError error =
            describe(rc, path, db ? sqlite3_errmsg(db) : "", db ? sqlite3_system_errno(db) : 0);
        sqlite3_close(db);
        throw error;
    }
    sqlite3_extended_result_codes(db, 0);
    // A page whose cells do not fit it is reported as damage instead of being read past its end.
    sqlite3_exec(db, "PRAGMA cell_size_check=ON", nullptr, nullptr, nullptr);
    return db;
}

// Whether the file starts with the header of a file without a password, read through the
// descriptor the engine has just opened. A descriptor of our own would drop, when closed, every
// lock this process holds on the file, the login connection's included.
bool headerIsPlain(sqlite3* db) {
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        !file->pMethods)
        return false;
    char header[16] = {};
    return file->pMethods->xRead(file, header, sizeof header, 0) == SQLITE_OK &&
           std::memcmp(header, plainHeader, sizeof header) == 0;
}

void applyKey(sqlite3* db, const QString& key) {
    QByteArray bytes = key.toUtf8();
    sqlite3_key(db, bytes.constData(), static_cast<int>(bytes.size()));
    secrets::overwrite(bytes); // the engine keeps a copy of its own
}

} // namespace

qint64 pageCacheKiB(qint64 fileBytes) {
    constexpr qint64 leastKiB = 16 * 1024;
    constexpr qint64 mostKiB = 32 * 1024;
    return std::clamp(fileBytes / 1024 * 5 / 4, leastKiB, mostKiB);
}

bool isPlainDatabaseFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray(plainHeader, sizeof plainHeader);
}

Database::Database(sqlite3* db, QString path)
    : m_db(db)
    , m_path(std::move(path)) {}

Database::Database(Database&& other) noexcept
    : m_db(std::exchange(other.m_db, nullptr))
    , m_path(std::move(other.m_path))
    , m_plain(other.m_plain) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        close();
        m_db = std::exchange(other.m_db, nullptr);
        m_path = std::move(other.m_path);
        m_plain = other.m_plain;
    }
    return *this;
}

Database::~Database() {
    close();
}

void Database::close() noexcept {
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

Database Database::open(const QString& path, const OpenOptions& options) {
    const QFileInfo info(path);
    if (!info.exists())
        throw EngineError(engine::FileNotFound,
                          QObject::tr("Could not find the file '%1'.").arg(path));
    if (info.isDir())
        throw unreachable(path, false);
    // Engine files are whole pages; anything else was cut short. An empty file holds nothing
    // of ours either, and opening it for writing would turn it into a database.
    if (info.size() % smallestPage != 0 || info.size() == 0)
        throw damaged(path);
    const int flags = options.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    Database db(openHandle(path, flags), path);
    const bool plain = headerIsPlain(db.m_db);
    db.m_plain = plain;
    if (!plain && options.password)
        applyKey(db.m_db, *options.password);
    if (options.exclusive)
        db.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
    const int rc =
        sqlite3_exec(db.m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc == SQLITE_NOTADB && plain)
        throw damaged(path);
    if (rc != SQLITE_OK)
        db.fail(rc);
    db.exec(QStringLiteral("PRAGMA cache_size=-%1")
                .arg(options.readsOnce ? onePassCacheKiB : pageCacheKiB(info.size())));
    // Taking the write lock once keeps every other process out until this connection closes.
    if (options.exclusive && !options.readOnly)
        db.exec(QStringLiteral("BEGIN EXCLUSIVE; COMMIT"));
    return db;
}

Database Database::create(const QString& path, int formatVersion,
                          const std::optional<QString>& key) {
    if (QFileInfo::exists(path))
        throw EngineError(engine::AlreadyExists,
                          QObject::tr("The database '%1' already exists.").arg(path));
    // Made readable by the user alone before anything is written to it; the engine gives its
    // journal the same permissions.
    if (!files::createPrivateFile(path))
        throw unreachable(path, false);
    Database db(openHandle(path, SQLITE_OPEN_READWRITE), path);
    db.m_plain = !key;
    if (key)
        applyKey(db.m_db, *key);
    db.exec(QStringLiteral("PRAGMA user_version=%1").arg(formatVersion));
    return db;
}

void Database::fail(int rc) const {
    throw describe(rc, m_path, sqlite3_errmsg(m_db), sqlite3_system_errno(m_db));
}

void Database::exec(const QString& sql) {
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
}

void Database::attachReadOnly(const QString& path, const char* schemaName) {
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(QStringLiteral("mode=ro"));
    // An empty key: the attached file is plain.
    Statement attach(
        *this, QStringLiteral("ATTACH DATABASE ?1 AS %1 KEY ''").arg(QLatin1String(schemaName)));
    attach.bind(1, uri.toString(QUrl::FullyEncoded));
    attach.run();
}

Statement Database::prepare(const QString& sql) {
    return Statement(*this, sql);
}

QString Database::formatVersion() {
    Statement query(*this, QStringLiteral("PRAGMA user_version"));
    const int version = query.next() ? query.value(0).toInt() : 0;
    return QStringLiteral("%1.%2").arg(version / 10).arg(version % 10);
}

QString Database::engineVersion() {
    Statement query(*this, QStringLiteral("PRAGMA cipher_version"));
    return query.next() ? query.value(0).toString() : QString();
}

void Database::readingOnce(const std::function<void()>& read) {
    const QString size = [this] {
        Statement query(*this, QStringLiteral("PRAGMA cache_size"));
        return query.next() ? query.value(0).toString() : QString();
    }();
    if (size.isEmpty() || !sqlite3_get_autocommit(m_db))
        return read();
    exec(QStringLiteral("PRAGMA cache_size=-%1").arg(onePassCacheKiB));
    try {
        read();
    } catch (...) {
        exec(QStringLiteral("PRAGMA cache_size=%1").arg(size));
        throw;
    }
    exec(QStringLiteral("PRAGMA cache_size=%1").arg(size));
}

QStringList Database::objectNames() {
    QStringList names;
    Statement read(*this, QStringLiteral("SELECT name FROM sqlite_master ORDER BY name"));
    while (read.next())
        names << read.value(0).toString();
    return names;
}

qint64 Database::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(m_db);
}

int Database::changes() const {
    return sqlite3_changes(m_db);
}
