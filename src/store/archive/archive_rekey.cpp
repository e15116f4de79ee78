#include "store/archive/archive.h"

#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "store/common/database_copy.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <array>

namespace archive {
namespace {

constexpr std::array allParts{Part::Submission, Part::Log, Part::ControlList};

bool sameContent(Database& one, Database& other) {
    for (Part part : allParts)
        if (readPart(one, part) != readPart(other, part) ||
            partName(one, part) != partName(other, part))
            return false;
    const Summary a = readSummary(one);
    const Summary b = readSummary(other);
    return a.target == b.target && a.savedAt == b.savedAt && a.digest == b.digest;
}

// Raises when the entry cannot take the new password; it is then as it was.
void rekeyEntry(const QString& entryFolder, const QString& oldPassword,
                const QString& newPassword) {
    const QString path = QDir(entryFolder).filePath(entryFileName);
    const QString work = path + QLatin1String(workFileSuffix);
    files::removeDatabaseAt(work);
    try {
        Database entry = Database::open(path, {.password = oldPassword});
        writeCopy(entry, work, newPassword);
        Database copy = Database::open(work, {.password = newPassword, .readOnly = true});
        if (!sameContent(entry, copy))
            throw EngineError(engine::Damaged,
                              QObject::tr("The entry under the new password differs."));
    } catch (const EngineError&) {
        files::removeDatabaseAt(work);
        throw;
    }
    if (!files::replaceFile(work, path)) {
        files::removeDatabaseAt(work);
        throw EngineError(engine::PathFileAccess, QObject::tr("The entry cannot take its name."));
    }
}

bool opensWith(const QString& entryFolder, const QString& password) {
    try {
        openEntry(entryFolder, password);
        return true;
    } catch (const EngineError&) {
        return false;
    }
}

} // namespace

RekeyResult rekeyAll(const QString& returnFolder, const QString& oldPassword,
                     const QString& newPassword) {
    RekeyResult result;
    for (const Listed& entry : list(returnFolder, oldPassword, false)) {
        const QString name = QFileInfo(entry.folder).fileName();
        if (opensWith(entry.folder, newPassword))
            continue;
        try {
            rekeyEntry(entry.folder, oldPassword, newPassword);
            result.rekeyed << name;
        } catch (const EngineError&) {
            result.failed << name;
        }
    }
    return result;
}

QString rekeyProblems(const RekeyResult& result) {
    if (result.failed.isEmpty())
        return {};
    return QObject::tr("These saved submissions in the archive could not be given the new "
                       "password and still open with the earlier one: %1.")
        .arg(result.failed.join(QStringLiteral(", ")));
}

} // namespace archive
