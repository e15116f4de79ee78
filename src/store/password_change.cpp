#include "store/password_change.h"

#include "common/files.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>

namespace {

OpenOptions exclusiveWith(const QString& password) {
    return OpenOptions{password, true, false};
}

// Rows of both tables; a database whose pages cannot all be read (a wrong key, a damaged page)
// fails here.
QList<qint64> readWhole(Database& db) {
    Statement check = db.prepare(QStringLiteral("PRAGMA quick_check"));
    if (!check.next() || check.value(0).toString() != QStringLiteral("ok"))
        throw EngineError(engine::Damaged,
                          QObject::tr("The re-encrypted copy of the database does not read back "
                                      "as written."));
    QList<qint64> counts;
    for (const char* sql : {"select count(*) from employer", "select count(*) from employee"}) {
        Statement count = db.prepare(QLatin1String(sql));
        counts << (count.next() ? count.value(0).toLongLong() : -1);
    }
    return counts;
}

void writeRekeyedCopy(Database& db, const QString& copyPath, const QString& newPassword) {
    if (!files::createPrivateFile(copyPath))
        throw EngineError(engine::CannotReach,
                          QObject::tr("The file '%1' cannot be created.").arg(copyPath));
    const QString format = db.formatVersion().remove(u'.');
    db.prepare(QStringLiteral("ATTACH DATABASE ?1 AS rekeyed KEY ?2"))
        .bind(1, copyPath)
        .bind(2, newPassword)
        .run();
    try {
        db.exec(QStringLiteral("SELECT sqlcipher_export('rekeyed')"));
        db.exec(QStringLiteral("PRAGMA rekeyed.user_version=%1").arg(format.toInt()));
    } catch (const EngineError&) {
        db.exec(QStringLiteral("DETACH DATABASE rekeyed"));
        throw;
    }
    db.exec(QStringLiteral("DETACH DATABASE rekeyed"));
}

// Writes and checks the copy; raises when it is not a complete copy under the new key.
void makeVerifiedCopy(Database& db, const QString& copyPath, const QString& newPassword) {
    const QList<qint64> original = readWhole(db);
    writeRekeyedCopy(db, copyPath, newPassword);
    Database copy = Database::open(copyPath, exclusiveWith(newPassword));
    if (copy.formatVersion() != db.formatVersion() || readWhole(copy) != original)
        throw EngineError(engine::Damaged,
                          QObject::tr("The re-encrypted copy of the database is incomplete."));
}

EngineError unchanged(const EngineError& error) {
    return EngineError(error.number(), error.description() + u' ' +
                                           QObject::tr("The password has not been changed."));
}

void removeCopy(const QString& copyPath) {
    QFile::remove(copyPath);
    QFile::remove(copyPath + QStringLiteral("-journal"));
}

} // namespace

QString rekeyedCopyPath(const QString& databasePath) {
    return databasePath + QStringLiteral("-newkey");
}

void changeDatabasePassword(std::optional<Database>& login, const QString& oldPassword,
                            const QString& newPassword) {
    const QString path = login->path();
    const QString copyPath = rekeyedCopyPath(path);
    removeCopy(copyPath);
    try {
        makeVerifiedCopy(*login, copyPath, newPassword);
    } catch (const EngineError& error) {
        removeCopy(copyPath);
        throw unchanged(error);
    }
    login.reset(); // the rename must not leave a connection on the replaced file
    if (!files::replaceFile(copyPath, path)) {
        removeCopy(copyPath);
        login = Database::open(path, exclusiveWith(oldPassword));
        throw EngineError(engine::ReadOnly,
                          QObject::tr("The database file '%1' cannot be replaced. The password "
                                      "has not been changed.")
                              .arg(QFileInfo(path).fileName()));
    }
    login = Database::open(path, exclusiveWith(newPassword));
    readWhole(*login);
}
