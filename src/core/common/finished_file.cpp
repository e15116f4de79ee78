#include "core/common/finished_file.h"

#include "core/common/files.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>

namespace {

QString workPathFor(const QString& finalPath) {
    return finalPath + QLatin1String(workFileSuffix);
}

} // namespace

void removeFile(const QString& path) {
    if (QFileInfo::exists(path) && !QFile::remove(path))
        throw fileError(path, QObject::tr("an earlier copy cannot be deleted."));
}

void writeThenRename(const QString& finalPath,
                     const std::function<void(const QString& workPath)>& write) {
    const QString workPath = workPathFor(finalPath);
    files::removeDatabaseAt(workPath);
    try {
        write(workPath);
        const qint64 written = QFileInfo(workPath).size();
        // One step that puts the complete file in the earlier one's place: at no moment is there
        // neither of them.
        if (!files::replaceFile(workPath, finalPath))
            throw fileError(finalPath, QObject::tr("the finished file cannot take its name."));
        if (QFileInfo(finalPath).size() != written) {
            QFile::remove(finalPath);
            throw fileError(finalPath, QObject::tr("the finished file is not complete."));
        }
    } catch (...) {
        files::removeDatabaseAt(workPath);
        throw;
    }
}
