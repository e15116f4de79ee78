#include "core/records/report_temp_files.h"

#include "core/common/engine_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>

namespace {

bool namesSomething(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

} // namespace

QString reportTempFolder(const QString& tmp, const QString& temp, const QString& programFolder) {
    if (namesSomething(tmp))
        return tmp;
    if (namesSomething(temp))
        return temp;
    return programFolder;
}

void deleteReportTempFiles(const QString& folder) {
    // Without QDir::CaseSensitive the name filter ignores case, as the report engine's own
    // file system did.
    const QDir dir(folder, QStringLiteral("CRW*.TMP"), QDir::NoSort,
                   QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : dir.entryList()) {
        const QString path = dir.filePath(name);
        // One the report engine removed meanwhile is gone all the same.
        if (!QFile::remove(path) && QFileInfo::exists(path))
            throw EngineError(engine::PathFileAccess,
                              QObject::tr("The temporary report file '%1' cannot be deleted.")
                                  .arg(QDir::toNativeSeparators(path)));
    }
}

void removeReportTempFiles(const QString& programFolder) {
    deleteReportTempFiles(
        reportTempFolder(qEnvironmentVariable("TMP"), qEnvironmentVariable("TEMP"), programFolder));
}
