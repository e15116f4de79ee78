#include "platform/program_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <QStorageInfo>

namespace platform {

QString programFolder(const QString& requested) {
    const QString folder = requested.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : requested;
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    return QDir(folder).absolutePath();
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
