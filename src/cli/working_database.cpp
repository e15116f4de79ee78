#include "cli/working_database.h"

#include "core/common/engine_error.h"
#include "core/common/files.h"
#include "store/common/schema.h"

#include <QDir>
#include <QObject>
#include <QStandardPaths>

namespace cli {

QString programFolder(const QString& dataDir) {
    return dataDir.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                             : QDir(dataDir).absolutePath();
}

Database openWorkingDatabase(const QString& folder, const QString& password) {
    if (!files::exists(folder, schema::workingFile))
        throw EngineError(engine::FileNotFound,
                          QObject::tr("There is no working database in the folder '%1'.")
                              .arg(QDir::toNativeSeparators(folder)));
    return Database::open(databasePath(folder, DatabaseFile::Working),
                          OpenOptions{.password = password, .exclusive = true});
}

} // namespace cli
