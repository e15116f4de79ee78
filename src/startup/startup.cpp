#include "startup/startup.h"

#include "common/files.h"
#include "store/database.h"
#include "store/password_change.h"
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

// The first database is made in a folder of its own beside where it belongs, and moved into
// place in one step only when all three creation steps are done: a crash or a power loss never
// leaves a half-made working database. What an interrupted creation or password change left
// is removed at the next start.
const QString creationFolder = QStringLiteral("xw73d.creating");

void removeLeftovers(const QString& programFolder) {
    QDir(files::inFolder(programFolder, creationFolder)).removeRecursively();
    const QString working = files::inFolder(programFolder, schema::workingFile);
    QFile::remove(rekeyedCopyPath(working));
    QFile::remove(rekeyedCopyPath(working) + QStringLiteral("-journal"));
}

void createWorkingDatabase(const QString& programFolder) {
    const QString staging = QDir(programFolder).filePath(creationFolder);
    const auto cleanUp = qScopeGuard([&] { QDir(staging).removeRecursively(); });
    if (!files::makePrivateFolder(staging))
        throw EngineError(engine::ReadOnly,
                          QObject::tr("The folder '%1' is read-only: the program cannot create "
                                      "its database there.")
                              .arg(QDir::toNativeSeparators(programFolder)));
    CreateDB(staging, 1);
    CreateEmployer(staging, 1);
    CreateEmployee(staging, 1);
    if (!files::replaceFile(schema::targetPath(staging, 1),
                            QDir(programFolder).filePath(schema::workingFile)))
        throw EngineError(engine::ReadOnly,
                          QObject::tr("The new database cannot be moved into the folder '%1'.")
                              .arg(QDir::toNativeSeparators(programFolder)));
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
        Database probe = Database::open(schema::targetPath(programFolder, 1));
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
