#include "store/startup/startup.h"

#include "core/common/engine_errors.h"
#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "store/archive/archive_entry.h"
#include "store/common/database.h"
#include "store/common/foreign_file.h"
#include "store/common/read_limits.h"
#include "store/common/schema.h"
#include "store/employer/employer_table.h"
#include "store/startup/backups.h"
#include "store/startup/conversion.h"
#include "store/startup/password_change.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QScopeGuard>

bool needsConversion(const QString& formatVersion, const QVariant& versionMarker) {
    if (formatVersion.toDouble() != 3.0)
        return true;
    return !versionMarker.isNull() && versionMarker.toString() < QStringLiteral("3.2");
}

namespace {

// The work files of the program's own in the program folder, matched without regard to case:
// a password change's re-keyed copy, a restore's incoming copy, the return image being written
// and the probes of whether a folder takes files. No file of the user's carries these names.
QStringList workFilePatterns() {
    const QString rekeyed = rekeyedCopyPath(schema::workingFile);
    const QString incoming = backups::incomingCopyPath(schema::workingFile);
    const QString part = QLatin1String(workFileSuffix);
    return {
        rekeyed,         rekeyed + QStringLiteral("-journal"), incoming,
        incoming + part, QStringLiteral("_a.txt") + part,      QStringLiteral(".xw73d-probe-*")};
}

// What an interrupted run left under the program's work names is removed at the next start: the
// first creation's folder and every work file, the backups' too.
void removeLeftovers(const QString& programFolder) {
    QDir(files::inFolder(programFolder, schema::creationFolder)).removeRecursively();
    for (const QString& pattern : workFilePatterns())
        files::removeMatching(programFolder, pattern);
    backups::removeWorkFiles(programFolder);
    archive::removeWorkFiles(programFolder);
}

EngineError notAWorkingDatabase() {
    return EngineError(engine::Damaged,
                       QObject::tr("The file 'xw73d.mdb' in the program folder is damaged or is "
                                   "not a database of this program. Restore it from a backup "
                                   "copy or move it away."));
}

StartupPath probeWorkingDatabase(const QString& programFolder) {
    try {
        const QString working = databasePath(programFolder, DatabaseFile::Working);
        requireOwnPlainDatabase(working);
        // Read-only until it is known to be ours.
        Database probe = Database::open(
            working, {.password = std::nullopt, .exclusive = true, .readOnly = true});
        const ReadLimits limits(probe, schema::workingFile, std::chrono::seconds(10));
        const QVariant version = employertable::readEmployerColumn(probe, "Version");
        return needsConversion(probe.formatVersion(), version) ? StartupPath::NeedsConversion
                                                               : StartupPath::Current;
    } catch (const EngineError& error) {
        if (error.number() == engine::NotValidPassword)
            return StartupPath::PasswordProtected;
        if (error.number() == engine::Reserved)
            throw notAWorkingDatabase(); // a database file, but without the employer table
        throw;
    }
}

} // namespace

QStringList conversionFilesIn(const QString& programFolder) {
    QStringList found;
    for (const QString& name : {schema::keptOldFile, schema::conversionFile})
        if (files::exists(programFolder, name))
            found << QFileInfo(files::inFolder(programFolder, name)).fileName();
    return found;
}

StartupPath prepareWorkingDatabase(const QString& programFolder) {
    if (!files::exists(programFolder, schema::workingFile)) {
        removeLeftovers(programFolder);
        if (finishInterruptedConversion(programFolder))
            return StartupPath::ConversionFinished;
        if (!conversionFilesIn(programFolder).isEmpty())
            return StartupPath::RecordsElsewhere;
        createWorkingDatabase(programFolder);
        return StartupPath::Created;
    }
    // Only once the probe has found the database free: another copy of the program that holds
    // it may be using its work files.
    const StartupPath path = probeWorkingDatabase(programFolder);
    removeLeftovers(programFolder);
    return path;
}
