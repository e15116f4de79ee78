#include "store/returns/return_list.h"

#include "core/common/engine_errors.h"
#include "core/common/files.h"
#include "core/returns/workspace_rules.h"
#include "store/common/schema.h"
#include "store/returns/summary_file.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QStandardPaths>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace returnfiles {
namespace {

// Where the engine takes its locks in the database file: the pending and reserved bytes and the
// range of shared locks after them. A connection that holds the file exclusively holds them all.
constexpr off_t lockBytesStart = 0x40000000;
constexpr off_t lockBytesLength = 2 + 510;
// The engine's files are whole pages of at least this size.
constexpr qint64 smallestPage = 512;

bool databaseLooksWhole(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0 && info.size() % smallestPage == 0;
}

bool holdsReturn(const QString& folder) {
    return files::exists(folder, schema::workingFile) ||
           QFileInfo::exists(QDir(folder).filePath(summaryFileName));
}

ListedReturn listed(const QString& name, const QString& folder, const QString& openHere) {
    ListedReturn entry{name, folder, ReturnCondition::Ready, {}};
    const SummaryRead read = readSummary(folder);
    if (read.summary)
        entry.summary = *read.summary;
    const QString database = databasePath(folder, DatabaseFile::Working);
    if (!openHere.isEmpty() && QFileInfo(folder) == QFileInfo(openHere))
        entry.condition = ReturnCondition::OpenHere;
    else if (!databaseLooksWhole(database) || (read.present && !read.summary))
        entry.condition = ReturnCondition::Damaged;
    else if (heldByAnotherProcess(database))
        entry.condition = ReturnCondition::InUse;
    else if (!read.present)
        entry.condition = ReturnCondition::NoSummary;
    return entry;
}

QString distinctPath(const QString& folder, const QString& name) {
    QString path = QDir(folder).filePath(name);
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = QDir(folder).filePath(QStringLiteral("%1 (%2)").arg(name).arg(copy));
    return path;
}

EngineError folderError(const QString& folder, const QString& what) {
    return EngineError(engine::PathFileAccess, what.arg(QDir::toNativeSeparators(folder)));
}

} // namespace

bool heldByAnotherProcess(const QString& databasePath) {
    const int descriptor =
        ::open(QFile::encodeName(databasePath).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = lockBytesStart;
    lock.l_len = lockBytesLength;
    const bool tested = ::fcntl(descriptor, F_GETLK, &lock) == 0;
    ::close(descriptor);
    return tested && lock.l_type != F_UNLCK;
}

QList<ListedReturn> listReturns(const Workspace& workspace, const QString& openHere) {
    QList<ListedReturn> returns;
    const QDir dir(workspace.folder);
    const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString& name : names)
        if (name.compare(workspace::removedFolderName, Qt::CaseInsensitive) != 0 &&
            !name.startsWith(u'.') && holdsReturn(dir.filePath(name)))
            returns << listed(name, dir.filePath(name), openHere);
    const QString own = workspace.userProgramFolder;
    if (!own.isEmpty() && files::exists(own, schema::workingFile))
        returns << listed(QFileInfo(own).fileName(), QDir(own).absolutePath(), openHere);
    std::stable_sort(returns.begin(), returns.end(), [](const auto& left, const auto& right) {
        return left.name.compare(right.name, Qt::CaseInsensitive) < 0;
    });
    return returns;
}

std::optional<ListedReturn> findReturn(const Workspace& workspace, const QString& name,
                                       const QString& openHere) {
    for (const ListedReturn& entry : listReturns(workspace, openHere))
        if (entry.name == name)
            return entry;
    return std::nullopt;
}

QString makeReturnFolder(const Workspace& workspace, const QString& name) {
    const QString folder = QDir(workspace.folder).filePath(name);
    if ((!QFileInfo(workspace.folder).isDir() && !QDir().mkpath(workspace.folder)) ||
        QFileInfo::exists(folder) || !files::makePrivateFolder(folder))
        throw folderError(folder, QObject::tr("The folder '%1' cannot be made for the return."));
    return folder;
}

QString moveToRemoved(const Workspace& workspace, const ListedReturn& listed) {
    if (listed.condition == ReturnCondition::InUse || listed.condition == ReturnCondition::OpenHere)
        throw EngineError(engine::InUse, QObject::tr("The return '%1' is open. Close it before "
                                                     "it is removed from the list.")
                                             .arg(listed.name));
    const QString removed = QDir(workspace.folder).filePath(workspace::removedFolderName);
    if (!QFileInfo(removed).isDir() && !files::makePrivateFolder(removed))
        throw folderError(removed, QObject::tr("The folder '%1' cannot be made."));
    const QString target = distinctPath(removed, listed.name);
    if (!QDir().rename(listed.folder, target))
        throw folderError(listed.folder,
                          QObject::tr("The folder '%1' cannot be moved to the removed returns."));
    return target;
}

} // namespace returnfiles

namespace returnfiles {

Workspace userWorkspace() {
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return {workspace::defaultFolderBeside(own), own};
}

} // namespace returnfiles
