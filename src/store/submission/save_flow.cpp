#include "store/submission/save_flow.h"

#include "core/common/engine_error.h"
#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "core/startup/paths.h"
#include "core/submission/log_record.h"
#include "core/submission/save_rules.h"
#include "store/archive/archive_entry.h"
#include "store/submission/control_list.h"
#include "store/submission/log_database.h"
#include "store/submission/medium_copy.h"
#include "store/submission/return_image_file.h"
#include "store/submission/submission_database.h"

#include <QObject>

namespace saveflow {

namespace {

Outcome failed(Step step, QStringList messages) {
    return {step, std::move(messages)};
}

Outcome writeImage(const QString& submission, const SaveSources& sources, const Progress& progress,
                   std::optional<SubmissionTotals>& totals) {
    try {
        totals = writeReturnImage(submission, sources.imagePath, [&] { progress(0); });
    } catch (const EngineError& error) {
        // The user is told why, then that the save found no image.
        return failed(Step::Image, {error.description(), saverules::imageMissingText()});
    }
    progress(imageDone);
    return {};
}

Outcome writeLog(const QString& submission, const SaveSources& sources, const Progress& progress,
                 const std::optional<SubmissionTotals>& totals) {
    try {
        writeLogDatabase(sources.programFolder,
                         {submission, sources.imagePath, sources.targetPath, sources.savedAt},
                         totals);
    } catch (const EngineError& error) {
        return failed(Step::Log, {error.description()});
    }
    progress(logDone);
    return {};
}

} // namespace

Outcome runStep(Step step, const std::function<void()>& work) {
    try {
        work();
        return {};
    } catch (const EngineError& error) {
        return failed(step, {error.number() == engine::BadFileName ? saverules::driveText()
                                                                   : error.description()});
    }
}

Outcome checkTarget(const QString& targetPath) {
    if (saverules::canWriteTo(targetPath))
        return {};
    return failed(Step::Target, {saverules::driveText()});
}

MediumContents inspectMedium(const QString& targetPath, const QString& mediumFolder) {
    if (!saverules::isOnMedium(targetPath, mediumFolder))
        return {};
    const QStringList found = saverules::filesOnMedium(mediumFolder);
    if (found.isEmpty())
        return {};
    return {false, saverules::interruptedSaveFiles(found)};
}

Outcome mediumNotBlank() {
    return failed(Step::Medium, {saverules::notBlankText()});
}

Outcome removeLeftovers(const QString& mediumFolder, const QStringList& leftovers) {
    return runStep(Step::Medium,
                   [&] { mediumcopy::removeInterruptedSave(mediumFolder, leftovers); });
}

Outcome writeAndCopy(const SaveSources& sources, const Progress& progress) {
    const Progress tell = progress ? progress : [](int) {};
    tell(0);
    const QString submission = files::inFolder(sources.programFolder, submissionFileName);
    // The image's pass over the finished file also totals it for the log.
    std::optional<SubmissionTotals> totals;
    Outcome outcome = writeImage(submission, sources, tell, totals);
    if (outcome.succeeded())
        outcome = writeLog(submission, sources, tell, totals);
    if (!outcome.succeeded())
        return outcome;
    return runStep(Step::Copy, [&] {
        mediumcopy::copySubmissionAndLog(
            submission, files::inFolder(sources.programFolder, logFileName), sources.targetPath,
            [&](int permille) { tell(logDone + (copiesDone - logDone) * permille / 1000); });
    });
}

ControlListOutcome openControlList(const QString& targetPath) {
    ControlListOutcome opened;
    opened.outcome = runStep(Step::ControlList, [&] {
        opened.list = ControlList::open(targetPath, logPathOnMedium(targetPath));
    });
    return opened;
}

std::optional<QString>
keepInArchive(const QString& returnFolder, const QString& targetPath, const ControlList& list,
              const QString& password, const QDateTime& savedAt,
              const std::function<QByteArray(const report::Report&)>& renderPdf) {
    try {
        archive::keep(returnFolder, targetPath, list, password, savedAt, renderPdf);
        return std::nullopt;
    } catch (const EngineError& error) {
        return QObject::tr("The submission is saved, but no copy of it could be kept in the "
                           "archive: %1 The next save tries again.")
            .arg(error.description());
    }
}

void removeWorkFiles(const QString& programFolder, const QString& imagePath) {
    deleteTempFiles(programFolder);
    removeFile(imagePath);
}

} // namespace saveflow
