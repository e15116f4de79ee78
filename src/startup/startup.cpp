#include "startup/startup.h"

#include "common/files.h"
#include "store/backups.h"
#include "store/database.h"
#include "store/foreign_file.h"
#include "store/password_change.h"
#include "store/read_limits.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

bool needsConversion(const QString& formatVersion, const QVariant& versionMarker) {
    if (formatVersion.toDouble() != 3.0)
        return true;
    return !versionMarker.isNull() && versionMarker.toString() < QStringLiteral("3.2");
}

namespace {

// What an interrupted first creation, password change or restore left is removed at the next start.
void removeLeftovers(const QString& programFolder) {
    QDir(files::inFolder(programFolder, schema::creationFolder)).removeRecursively();
    const QString working = files::inFolder(programFolder, schema::workingFile);
    files::removeDatabaseAt(rekeyedCopyPath(working));
    QFile::remove(backups::incomingCopyPath(working));
}

EngineError notAWorkingDatabase() {
    return EngineError(engine::Damaged,
                       QObject::tr("The file 'xw73d.mdb' in the program folder is damaged or is "
                                   "not a database of this program. Restore it from a backup "
                                   "copy or move it away."));
}

} // namespace

StartupPath prepareWorkingDatabase(const QString& programFolder) {
    removeLeftovers(programFolder);
    if (!files::exists(programFolder, schema::workingFile)) {
        createWorkingDatabase(programFolder);
        return StartupPath::Created;
    }
    try {
        const QString working = databasePath(programFolder, DatabaseFile::Working);
        requireOwnPlainDatabase(working);
        // Read-only until it is known to be ours.
        Database probe = Database::open(
            working, {.password = std::nullopt, .exclusive = true, .readOnly = true});
        const ReadLimits limits(probe, schema::workingFile, std::chrono::seconds(10));
        Statement employer = probe.prepare(QStringLiteral("select Version from employer"));
        if (!employer.next())
            throw EngineError(engine::NoCurrentRecord,
                              QObject::tr("The working database has no employer row."));
        return needsConversion(probe.formatVersion(), employer.value(0))
                   ? StartupPath::NeedsConversion
                   : StartupPath::Current;
    } catch (const EngineError& error) {
        if (error.number() == engine::NotValidPassword)
            return StartupPath::PasswordProtected;
        if (error.number() == engine::Reserved)
            throw notAWorkingDatabase(); // a database file, but without the employer table
        throw;
    }
}
