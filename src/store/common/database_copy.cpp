#include "store/common/database_copy.h"

#include "core/common/files.h"

#include <QFileInfo>
#include <QObject>

void writeCopy(Database& db, const QString& copyPath, const QString& key) {
    if (!files::createPrivateFile(copyPath))
        throw EngineError(engine::CannotReach,
                          QObject::tr("The file '%1' cannot be created.").arg(copyPath));
    const QString format = db.formatVersion().remove(u'.');
    db.prepare(QStringLiteral("ATTACH DATABASE ?1 AS copied KEY ?2"))
        .bind(1, copyPath)
        .bind(2, key)
        .run();
    try {
        db.exec(QStringLiteral("SELECT sqlcipher_export('copied')"));
        db.exec(QStringLiteral("PRAGMA copied.user_version=%1").arg(format.toInt()));
    } catch (const EngineError&) {
        db.exec(QStringLiteral("DETACH DATABASE copied"));
        throw;
    }
    db.exec(QStringLiteral("DETACH DATABASE copied"));
}

QList<qint64> readWhole(Database& db) {
    Statement check = db.prepare(QStringLiteral("PRAGMA quick_check"));
    if (!check.next() || check.value(0).toString() != QStringLiteral("ok"))
        throw EngineError(engine::Damaged,
                          QObject::tr("The database file '%1' is damaged: not every page of it "
                                      "can be read.")
                              .arg(QFileInfo(db.path()).fileName()));
    QList<qint64> counts;
    for (const char* sql : {"select count(*) from employer", "select count(*) from employee"}) {
        Statement count = db.prepare(QLatin1String(sql));
        counts << (count.next() ? count.value(0).toLongLong() : -1);
    }
    return counts;
}

void writeVerifiedCopy(Database& db, const QString& copyPath, const QString& key) {
    const QList<qint64> original = readWhole(db);
    writeCopy(db, copyPath, key);
    Database copy = Database::open(
        copyPath, OpenOptions{.password = key, .exclusive = true, .readsOnce = true});
    if (copy.formatVersion() != db.formatVersion() || readWhole(copy) != original)
        throw EngineError(engine::Damaged, QObject::tr("The copy of the database is incomplete."));
}
