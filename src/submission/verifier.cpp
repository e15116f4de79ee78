#include "submission/verifier.h"

#include "common/files.h"
#include "submission/log_database.h"
#include "submission/return_image_file.h"
#include "submission/submission_database.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QObject>
#include <QStringList>

namespace {

QString imageDigest(Database& submission) {
    QCryptographicHash hash(QCryptographicHash::Md5);
    streamReturnImage(submission, [&](const QByteArray& bytes) { hash.addData(bytes); });
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

} // namespace

QList<SubmissionCheck> verifySubmission(const QString& submissionPath) {
    const LogRecord log = readLogRecord(logBeside(submissionPath));
    Database submission = openForReading(submissionPath);
    const QStringList expected{QLatin1String(submissionEmployeeTable),
                               QLatin1String(submissionEmployerTable)};
    const QStringList names = submission.objectNames();
    const SubmissionCheck tables{QStringLiteral("Tables"), names.join(QStringLiteral(", ")),
                                 expected.join(QStringLiteral(", "))};
    // Without both tables nothing else can be compared.
    if (!names.contains(expected[0]) || !names.contains(expected[1]))
        return {tables};
    const SubmissionTotals totals = readTotals(submission);
    const QFileInfo file(submissionPath);
    return {
        tables,
        {QStringLiteral("FCode"), digestCode(imageDigest(submission)), log.code},
        {QStringLiteral("FName"), fileNameOnMedium(file.absoluteFilePath()), log.fileName},
        {QStringLiteral("FSize"), QString::number(file.size()), log.fileSize},
        {QStringLiteral("DBVersion"), log.version, logFormatVersion},
        {QStringLiteral("TotalRec"), QString::number(totals.records), log.totalRecords},
        {QStringLiteral("TotalIncome"), QString::number(totals.income), log.totalIncome},
    };
}
