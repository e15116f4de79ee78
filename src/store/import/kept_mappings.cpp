#include "store/import/kept_mappings.h"

#include "core/common/engine_error.h"
#include "core/common/engine_errors.h"
#include "core/common/files.h"
#include "core/common/finished_file.h"

#include <QDir>
#include <QFile>

namespace {

// A mapping is a few kilobytes; a file much larger is none of ours.
constexpr qint64 largestMappingFile = 4 * 1024 * 1024;

QByteArray mappingBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw fileError(path, file.errorString());
    if (file.size() > largestMappingFile)
        throw fileError(path, QObject::tr("it is too large to be a column mapping."));
    return file.readAll();
}

} // namespace

QList<ColumnMapping> mappingsInFile(const QString& path) {
    const QByteArray bytes = mappingBytes(path);
    try {
        return mappingsFromJson(bytes);
    } catch (const EngineError& error) {
        throw fileError(path, error.description());
    }
}

QList<ColumnMapping> keptMappings(const QString& folder) {
    const QString path = QDir(folder).filePath(QLatin1String(keptMappingsFileName));
    if (!QFile::exists(path))
        return {};
    return mappingsInFile(path);
}

void keepMapping(const QString& folder, const ColumnMapping& mapping) {
    const QString path = QDir(folder).filePath(QLatin1String(keptMappingsFileName));
    const QByteArray text = mappingsJson(withMapping(keptMappings(folder), mapping));
    writeThenRename(path, [&text](const QString& workPath) {
        QFile file(workPath);
        if (!files::openPrivateFile(file) || file.write(text) != text.size() || !file.flush())
            throw fileError(workPath, QObject::tr("the column mapping cannot be written."));
    });
    if (mappingBytes(path) != text)
        throw fileError(path, QObject::tr("the column mapping does not read back as it was "
                                          "written."));
}
