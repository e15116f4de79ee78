#include "common/files.h"

#include <QDir>
#include <QFile>

namespace files {
namespace {

QStringList matches(const QString& folder, const QString& name) {
    QStringList found;
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot |
                                              QDir::Hidden | QDir::System))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            found << dir.filePath(entry);
    return found;
}

} // namespace

QString inFolder(const QString& folder, const QString& name) {
    const QStringList found = matches(folder, name);
    return found.isEmpty() ? QDir(folder).filePath(name) : found.first();
}

bool exists(const QString& folder, const QString& name) {
    return !matches(folder, name).isEmpty();
}

bool remove(const QString& folder, const QString& name) {
    bool removed = true;
    for (const QString& path : matches(folder, name))
        removed = QFile::remove(path) && removed;
    return removed;
}

bool removeDatabase(const QString& folder, const QString& name) {
    const bool journal = remove(folder, name + QStringLiteral("-journal"));
    return remove(folder, name) && journal;
}

} // namespace files
