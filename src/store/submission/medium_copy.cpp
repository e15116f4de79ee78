#include "store/submission/medium_copy.h"

#include "core/common/engine_error.h"
#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "core/common/verified_copy.h"
#include "core/submission/log_record.h"
#include "store/submission/verifier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QStringList>
#include <algorithm>
#include <cerrno>

namespace mediumcopy {
namespace {

// Where the progress stands, in thousandths, after each part of the copy.
constexpr int submissionCopied = 800;
constexpr int logCopied = 900;
constexpr int earlierRemoved = 920;
constexpr int logNamed = 940;
constexpr int submissionNamed = 960;

EngineError pairError(const QString& target, const QString& reason) {
    return EngineError(engine::PathFileAccess,
                       QObject::tr("The save to '%1' failed: %2").arg(target, reason));
}

verifiedcopy::Progress between(const Progress& progress, int from, int to) {
    return [progress, from, to](qint64 done, qint64 total) {
        if (progress)
            progress(from + static_cast<int>((to - from) * done / std::max<qint64>(total, 1)));
    };
}

void giveName(const QString& work, const QString& path) {
    if (!files::replaceFile(work, path))
        throw pairError(
            path,
            QObject::tr("the copy cannot take its name: %1").arg(verifiedcopy::reasonFor(errno)));
}

// What a path means with either separator: the file system may read a backslash as part of a name.
QFileInfo meant(const QString& path) {
    return QFileInfo(QString(path).replace(u'\\', u'/'));
}

// The folder the target names must list both files under their names: a name that the file
// system read otherwise put them somewhere else.
void expectInFolder(const QString& target, const QString& log) {
    const QDir folder(meant(target).absolutePath());
    const QStringList listed = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& path : {target, log})
        if (!listed.contains(meant(path).fileName()) ||
            QFileInfo(path).canonicalPath() != folder.canonicalPath())
            throw pairError(target, QObject::tr("'%1' is not in the folder '%2' after the copy.")
                                        .arg(meant(path).fileName(), folder.path()));
}

// The pair as it lies on the medium, read from the device, not from the system's memory.
void expectVerified(const QString& target, const QString& log) {
    verifiedcopy::dropCachedPages(target);
    verifiedcopy::dropCachedPages(log);
    QStringList failed;
    for (const SubmissionCheck& check : verifySubmission(target))
        if (!check.holds())
            failed << check.name;
    if (!failed.isEmpty())
        throw pairError(target, QObject::tr("the files on the medium do not agree with each "
                                            "other (%1); the medium may be damaged.")
                                    .arg(failed.join(QStringLiteral(", "))));
}

void removeMade(const QStringList& made) {
    for (const QString& path : made)
        QFile::remove(path);
}

} // namespace

void copySubmissionAndLog(const QString& submission, const QString& log, const QString& target,
                          const Progress& progress) {
    const QString logTarget = logPathOnMedium(target);
    // Removed in this order on a failure: the submission always goes before its log.
    QStringList made{verifiedcopy::workPathFor(target), verifiedcopy::workPathFor(logTarget)};
    const auto reached = [&progress](int permille) {
        if (progress)
            progress(permille);
    };
    try {
        verifiedcopy::copyToWorkFile(submission, target, between(progress, 0, submissionCopied));
        verifiedcopy::copyToWorkFile(log, logTarget,
                                     between(progress, submissionCopied, logCopied));
        // An earlier submission of that name must not stand beside the new log.
        removeFile(target);
        reached(earlierRemoved);
        giveName(verifiedcopy::workPathFor(logTarget), logTarget);
        made.append(logTarget);
        reached(logNamed);
        giveName(verifiedcopy::workPathFor(target), target);
        made.prepend(target);
        reached(submissionNamed);
        expectInFolder(target, logTarget);
        expectVerified(target, logTarget);
        reached(1000);
    } catch (...) {
        removeMade(made);
        throw;
    }
}

void removeInterruptedSave(const QString& mediumFolder, const QStringList& fileNames) {
    for (const QString& name : fileNames) {
        const QString path = QDir(mediumFolder).filePath(name);
        if (!QFile::remove(path) && QFileInfo::exists(path))
            throw EngineError(
                engine::PathFileAccess,
                QObject::tr("The file '%1' on the medium cannot be removed.").arg(path));
    }
}

} // namespace mediumcopy
