#include "store/startup/backup_rekey.h"

#include "core/common/files.h"
#include "store/common/database.h"
#include "store/common/database_copy.h"
#include "store/startup/backups.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>

namespace backups {
namespace {

Database openCopy(const QString& path, const QString& password, bool readOnly) {
    return Database::open(path, OpenOptions{.password = password,
                                            .exclusive = true,
                                            .readOnly = readOnly,
                                            .readsOnce = true});
}

bool opensWith(const QString& path, const QString& password) {
    try {
        openCopy(path, password, true);
        return true;
    } catch (const EngineError&) {
        return false;
    }
}

// Raises when the copy cannot be given the new password; the copy is then as it was.
void rekeyCopy(const QString& path, const QString& oldPassword, const QString& newPassword) {
    const QString work = workPathFor(path);
    files::removeDatabaseAt(work);
    try {
        {
            Database copy = openCopy(path, oldPassword, false);
            writeVerifiedCopy(copy, work, newPassword);
        }
        if (!files::replaceFile(work, path))
            throw EngineError(engine::PathFileAccess,
                              QObject::tr("The re-keyed copy cannot take its name."));
    } catch (const EngineError&) {
        files::removeDatabaseAt(work);
        throw;
    }
    Database renamed = openCopy(path, newPassword, true);
    readWhole(renamed);
}

} // namespace

RekeyResult rekeyAll(const QString& programFolder, const QString& oldPassword,
                     const QString& newPassword, const RekeyProgress& progress) {
    const QDir folder(files::inFolder(programFolder, folderName));
    const QList<Backup> copies = list(programFolder, {});
    RekeyResult result;
    int done = 0;
    for (const Backup& copy : copies) {
        const QString path = folder.filePath(copy.name);
        if (!isPlainDatabaseFile(path) && !opensWith(path, newPassword)) {
            try {
                rekeyCopy(path, oldPassword, newPassword);
                result.rekeyed << copy.name;
            } catch (const EngineError&) {
                files::removeDatabaseAt(path);
                (QFileInfo::exists(path) ? result.notRemoved : result.removed) << copy.name;
            }
        }
        if (progress)
            progress(++done, int(copies.size()));
    }
    return result;
}

QString rekeyProblems(const RekeyResult& result, const QString& programFolder) {
    QStringList parts;
    if (!result.removed.isEmpty())
        parts << QObject::tr("These backup copies could not be given the new password and have "
                             "been removed: %1.")
                     .arg(result.removed.join(QStringLiteral(", ")));
    if (!result.notRemoved.isEmpty())
        parts << QObject::tr("These backup copies could neither be given the new password nor "
                             "be removed, and still open with an earlier password: %1. Remove "
                             "them from the folder '%2'.")
                     .arg(result.notRemoved.join(QStringLiteral(", ")),
                          QDir::toNativeSeparators(files::inFolder(programFolder, folderName)));
    return parts.join(u' ');
}

} // namespace backups
