#include "core/startup/paths.h"

#include "core/common/engine_error.h"
#include "core/common/files.h"
#include "core/common/finished_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>

namespace {

// With the work files of a save that was cut off while it wrote the submission or the log.
const QStringList workFiles{
    QStringLiteral("temp73d.mdb"),
    QStringLiteral("temp73d.mdb-journal"),
    QStringLiteral("temp73d.mdb") + QLatin1String(workFileSuffix),
    QStringLiteral("temp73dc.mdb"),
    QStringLiteral("temp73dc.mdb-journal"),
    QStringLiteral("~~log~~.mdb"),
    QStringLiteral("~~log~~.mdb-journal"),
    QStringLiteral("~~log~~.mdb") + QLatin1String(workFileSuffix),
    QStringLiteral("~~log~~.mdb") + QLatin1String(workFileSuffix) + QStringLiteral("-journal"),
};

QString joined(const QString& folder, const QString& name) {
    return QDir::toNativeSeparators(folder + u'/' + name);
}

} // namespace

QString firstLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromLocal8Bit(line);
}

ImagePaths setUpPaths(const QString& folder) {
    ImagePaths paths;
    if (files::exists(folder, QStringLiteral("path.ini"))) {
        const QString target = firstLine(files::inFolder(folder, QStringLiteral("path.ini")));
        paths.imagePath = joined(target, QStringLiteral("_xw73d.txt"));
        if (!QFileInfo(target).isDir() && !files::makePrivateFolder(target))
            throw EngineError(engine::PathNotFound,
                              QObject::tr("The folder '%1' named in path.ini cannot be "
                                          "created.")
                                  .arg(target));
    } else {
        paths.imagePath = joined(folder, QStringLiteral("_a.txt"));
    }
    return paths;
}

void deleteTempFiles(const QString& programFolder) {
    for (const QString& name : workFiles)
        if (!files::remove(programFolder, name))
            throw EngineError(engine::PathFileAccess,
                              QObject::tr("The work file '%1' in '%2' cannot be deleted.")
                                  .arg(name, programFolder));
}
