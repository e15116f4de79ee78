#include "core/platform/program_folder.h"

#include "core/common/files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

namespace platform {

QString programFolder(const QString& requested) {
    const QString folder = requested.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : requested;
    if (folder.isEmpty())
        return QString();
    const QString absolute = QDir(folder).absolutePath();
    // The folders above it are the user's; the program folder itself is for the user alone.
    if (!QFileInfo(absolute).isDir() &&
        !(QDir().mkpath(QFileInfo(absolute).absolutePath()) && files::makePrivateFolder(absolute)))
        return QString();
    return absolute;
}

QString mediumFolder(const QString& requested) {
    if (!requested.isEmpty())
        return QDir(requested).absolutePath();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        const bool removable = root.startsWith(QStringLiteral("/media/")) ||
                               root.startsWith(QStringLiteral("/run/media/"));
        if (removable && volume.isReady() && !volume.isReadOnly())
            return root;
    }
    return QStringLiteral("/media/floppy");
}

} // namespace platform
