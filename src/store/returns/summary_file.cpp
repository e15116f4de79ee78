#include "store/returns/summary_file.h"

#include "core/common/engine_errors.h"
#include "core/common/files.h"
#include "core/common/finished_file.h"
#include "store/common/database.h"
#include "store/common/schema.h"
#include "store/employer/employer_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>

namespace returnfiles {
namespace {

// A summary is a few hundred bytes; anything much larger is not one of ours.
constexpr qint64 largestSummary = 64 * 1024;

} // namespace

qint64 recordCount(Database& db) {
    Statement count =
        db.prepare(QStringLiteral("SELECT count(*) FROM employee WHERE Status IS NOT 'H'"));
    count.next();
    return count.value(0).toLongLong();
}

SummaryRead readSummary(const QString& folder) {
    SummaryRead read;
    QFile file(QDir(folder).filePath(summaryFileName));
    if (!file.exists())
        return read;
    read.present = true;
    if (file.open(QIODevice::ReadOnly) && file.size() <= largestSummary)
        read.summary = summaryFromText(file.readAll());
    return read;
}

void writeSummary(const QString& folder, const ReturnSummary& summary) {
    const QString path = QDir(folder).filePath(summaryFileName);
    const QByteArray text = summaryText(summary);
    writeThenRename(path, [&text](const QString& workPath) {
        QFile file(workPath);
        if (!files::openPrivateFile(file) || file.write(text) != text.size() || !file.flush())
            throw fileError(workPath, QObject::tr("the summary of the return cannot be written."));
    });
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly) || written.readAll() != text)
        throw fileError(path, QObject::tr("the summary of the return does not read back as it "
                                          "was written."));
}

ReturnSummary summaryOfOpenReturn(Database& db, const QString& folder, const QDateTime& savedAt) {
    const EmployerData employer = employertable::readEmployer(db).data;
    ReturnSummary summary;
    summary.employerName = employer.name;
    summary.section = employer.section;
    summary.fileNumber = employer.fileNumber;
    summary.returnYear = employer.returnYear;
    summary.recordCount = recordCount(db);
    summary.lastChange = QFileInfo(databasePath(folder, DatabaseFile::Working)).lastModified();
    if (savedAt.isValid())
        summary.lastSave = savedAt;
    else if (const SummaryRead earlier = readSummary(folder); earlier.summary)
        summary.lastSave = earlier.summary->lastSave;
    return summary;
}

void recordSummary(Database& db, const QString& folder, const QDateTime& savedAt) {
    writeSummary(folder, summaryOfOpenReturn(db, folder, savedAt));
}

} // namespace returnfiles
