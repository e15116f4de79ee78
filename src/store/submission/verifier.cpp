#include "store/submission/verifier.h"

#include "core/common/files.h"
#include "store/common/file_snapshot.h"
#include "store/common/foreign_file.h"
#include "store/common/read_limits.h"
#include "store/submission/log_database.h"
#include "store/submission/return_image_file.h"
#include "store/submission/submission_database.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

namespace {

// Far longer than reading any submission or log takes; a file that needs more is not one.
constexpr std::chrono::seconds readingLimit{10};

// The image's digest and the totals of the records, from one pass over the file.
QString imageDigest(Database& submission, SubmissionTotals& totals) {
    QCryptographicHash hash(QCryptographicHash::Md5);
    streamReturnImage(
        submission, [&](const QByteArray& bytes) { hash.addData(bytes); }, &totals);
    return QString::fromLatin1(hash.result().toHex());
}

QString logBeside(const QString& submissionPath) {
    const QString folder = QFileInfo(submissionPath).absolutePath();
    if (!files::exists(folder, logFileName))
        throw EngineError(
            engine::FileNotFound,
            QObject::tr("Could not find the log '%1' beside the submission.").arg(logFileName));
    return files::inFolder(folder, logFileName);
}

// A copy of the file in a folder of its own (the submission may have the log's name), so that
// every check reads one and the same content, which nobody else can change.
struct PrivateCopy {
    PrivateCopy(const QTemporaryDir& work, const QString& folder, const QString& original)
        : original(original)
        , path(work.filePath(folder + u'/' + QFileInfo(original).fileName())) {
        if (!files::makePrivateFolder(work.filePath(folder)))
            throw EngineError(engine::PathFileAccess,
                              QObject::tr("No private copy of '%1' can be made to check it.")
                                  .arg(QFileInfo(original).fileName()));
        identity = copyOnce(original, path);
    }
    // The original still is the file that was copied.
    void requireUnchanged() const {
        if (identityAt(original) != identity)
            throw changedWhileRead(original);
    }

    QString original;
    QString path;
    FileIdentity identity;
};

LogRecord readLog(const PrivateCopy& log) {
    requireReadable(log.original, ForeignFileKind::SubmissionLog,
                    inspectForeignFile(log.path, ForeignFileKind::SubmissionLog));
    Database db = openForReading(log.path);
    ReadLimits limits(db, logFileName, readingLimit);
    return limits.run([&] { return readLogRecord(db, log.original); });
}

QList<SubmissionCheck> compare(const PrivateCopy& submission, const LogRecord& log) {
    const ForeignFileVerdict verdict =
        inspectForeignFile(submission.path, ForeignFileKind::Submission);
    const SubmissionCheck tables{QStringLiteral("Tables"), verdict.schema.found,
                                 expectedSchema(ForeignFileKind::Submission)};
    // Other objects are never read, and without both tables nothing else can be compared.
    if (verdict.outcome == ForeignFileVerdict::Outcome::Unexpected)
        return {tables};
    requireReadable(submission.original, ForeignFileKind::Submission, verdict);
    Database db = openForReading(submission.path);
    ReadLimits limits(db, QFileInfo(submission.original).fileName(), readingLimit);
    SubmissionTotals totals;
    const QString digest = limits.run([&] { return imageDigest(db, totals); });
    const QString original = QFileInfo(submission.original).absoluteFilePath();
    return {
        tables,
        {QStringLiteral("FCode"), digestCode(digest), log.code},
        {QStringLiteral("FName"), fileNameOnMedium(original), log.fileName},
        {QStringLiteral("FSize"), QString::number(submission.identity.size), log.fileSize},
        {QStringLiteral("DBVersion"), log.version, logFormatVersion},
        {QStringLiteral("TotalRec"), QString::number(totals.records), log.totalRecords},
        {QStringLiteral("TotalIncome"), QString::number(totals.income), log.totalIncome},
    };
}

} // namespace

QList<SubmissionCheck> verifySubmission(const QString& submissionPath) {
    const QString logPath = logBeside(submissionPath);
    const QTemporaryDir work;
    if (!work.isValid())
        throw EngineError(engine::PathFileAccess,
                          QObject::tr("No folder for private copies can be made to check '%1'.")
                              .arg(QDir::toNativeSeparators(submissionPath)));
    const PrivateCopy submission(work, QStringLiteral("submission"), submissionPath);
    const PrivateCopy log(work, QStringLiteral("log"), logPath);
    const QList<SubmissionCheck> checks = compare(submission, readLog(log));
    submission.requireUnchanged();
    log.requireUnchanged();
    return checks;
}
