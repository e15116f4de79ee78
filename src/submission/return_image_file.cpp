#include "submission/return_image_file.h"

#include "store/rows.h"
#include "submission/finished_file.h"
#include "submission/return_image.h"
#include "submission/submission_database.h"

#include <QFile>
#include <QObject>

namespace {

constexpr qsizetype pieceSize = 1 << 16;

void writeAll(QFile& file, const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size())
        throw fileError(file.fileName(), file.errorString());
}

} // namespace

void forEachSubmissionRecord(Database& submission,
                             const std::function<void(const QList<QVariant>&)>& visit) {
    Statement records = submission.prepare(
        QStringLiteral("SELECT %1 FROM %2 ORDER BY SheetNo+1000000, rowid")
            .arg(columnList(employeeColumns()), QLatin1String(submissionEmployeeTable)));
    while (records.next())
        visit(readRow(records, employeeColumns()));
}

void streamReturnImage(Database& submission, const std::function<void(const QByteArray&)>& sink) {
    Statement employer = submission.prepare(
        QStringLiteral("SELECT %1 FROM %2 LIMIT 1")
            .arg(columnList(employerColumns()), QLatin1String(submissionEmployerTable)));
    if (!employer.next())
        throw EngineError(engine::NoCurrentRecord,
                          QObject::tr("No current record: the submission has no employer row."));
    QByteArray piece = returnimage::employerLine(readRow(employer, employerColumns()));
    forEachSubmissionRecord(submission, [&](const QList<QVariant>& row) {
        piece += returnimage::recordText(row);
        if (piece.size() >= pieceSize) {
            sink(piece);
            piece.clear();
        }
    });
    sink(piece);
}

SubmissionTotals readTotals(Database& submission) {
    SubmissionTotals totals;
    forEachSubmissionRecord(submission, [&](const QList<QVariant>& row) {
        ++totals.records;
        totals.income += rowIncome(row);
    });
    return totals;
}

void writeReturnImage(const QString& submissionPath, const QString& imagePath) {
    // A leftover image of an earlier run is replaced, never appended to.
    removeFile(imagePath);
    writeThenRename(imagePath, [&](const QString& workPath) {
        QFile file(workPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw fileError(workPath, file.errorString());
        qint64 written = 0;
        Database submission = openForReading(submissionPath);
        streamReturnImage(submission, [&](const QByteArray& bytes) {
            writeAll(file, bytes);
            written += bytes.size();
        });
        if (!file.flush())
            throw fileError(workPath, file.errorString());
        file.close();
        if (file.error() != QFileDevice::NoError || QFile(workPath).size() != written)
            throw fileError(workPath, QObject::tr("the image was not written completely."));
    });
}
