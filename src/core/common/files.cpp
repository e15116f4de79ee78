#include "core/common/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

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

constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Flushes a file or a folder entry to the disk, so that a rename survives a power loss.
void flushToDisk(const QString& path) {
#ifdef Q_OS_UNIX
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
#else
    Q_UNUSED(path);
#endif
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

bool removeMatching(const QString& folder, const QString& pattern) {
    const QRegularExpression wanted =
        QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive);
    const QDir dir(folder);
    bool removed = true;
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (wanted.match(entry).hasMatch())
            removed = QFile::remove(dir.filePath(entry)) && removed;
    return removed;
}

bool removeDatabase(const QString& folder, const QString& name) {
    const bool journal = remove(folder, name + QStringLiteral("-journal"));
    return remove(folder, name) && journal;
}

void removeDatabaseAt(const QString& path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

bool createPrivateFile(const QString& path) {
    QFile file(path);
    return openPrivateFile(file);
}

bool openPrivateFile(QFile& file) {
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerOnly) && makePrivate(file);
}

// The umask may take the owner's own bits away too: they are set again.
bool makePrivate(QFileDevice& file) {
    return file.setPermissions(ownerOnly);
}

bool makePrivateFolder(const QString& path) {
    constexpr QFileDevice::Permissions folderOwnerOnly = ownerOnly | QFileDevice::ExeOwner;
    return QDir().mkdir(path, folderOwnerOnly) && QFile::setPermissions(path, folderOwnerOnly);
}

bool replaceFile(const QString& completed, const QString& target) {
    flushToDisk(completed);
    if (std::rename(QFile::encodeName(completed).constData(),
                    QFile::encodeName(target).constData()) != 0)
        return false;
    flushToDisk(QFileInfo(target).absolutePath());
    return true;
}

} // namespace files
