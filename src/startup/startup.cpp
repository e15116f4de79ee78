#include "startup/startup.h"

#include "common/files.h"
#include "store/database.h"
#include "store/schema.h"

bool needsConversion(const QString& formatVersion, const QVariant& versionMarker) {
    if (formatVersion.toDouble() != 3.0)
        return true;
    return !versionMarker.isNull() && versionMarker.toString() < QStringLiteral("3.2");
}

StartupPath prepareWorkingDatabase(const QString& programFolder) {
    if (!files::exists(programFolder, schema::workingFile)) {
        CreateDB(programFolder, 1);
        CreateEmployer(programFolder, 1);
        CreateEmployee(programFolder, 1);
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
        throw;
    }
}
