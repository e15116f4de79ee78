#include "store/submission/control_list.h"

#include "store/common/rows.h"
#include "store/employer/employer_table.h"
#include "store/submission/log_database.h"
#include "store/submission/return_image_file.h"
#include "store/submission/submission_database.h"

#include <QObject>

ControlList::ControlList(Database submission, controllist::Heading heading)
    : m_submission(std::make_unique<Database>(std::move(submission)))
    , m_heading(std::move(heading)) {
    m_keys = recordsInImageOrder(*m_submission);
    const SubmissionTotals totals = readTotals(*m_submission);
    m_total = {totals.records, totals.income, totals.categories};
}

std::shared_ptr<ControlList> ControlList::open(const QString& submissionPath,
                                               const QString& logPath) {
    const LogRecord log = readLogRecord(logPath);
    Database submission = openForReading(submissionPath);
    controllist::Heading heading = controllist::headingOf(
        employertable::readEmployerValues(submission, employertable::Holder::Submission), log);
    return std::shared_ptr<ControlList>(new ControlList(std::move(submission), std::move(heading)));
}

report::Page ControlList::page(int index) const {
    Statement read = m_submission->prepare(
        QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1")
            .arg(columnList(employeeColumns()), QLatin1String(submissionEmployeeTable)));
    QList<controllist::Line> lines;
    const qsizetype first = qsizetype(index) * controllist::linesPerPage;
    for (qsizetype at = first;
         at < std::min<qsizetype>(first + controllist::linesPerPage, qsizetype(m_keys.size()));
         ++at) {
        read.reset();
        if (!read.bind(1, m_keys[std::size_t(at)]).next())
            throw EngineError(
                engine::NoCurrentRecord,
                QObject::tr("The record of line %1 is no longer in the submission.").arg(at + 1));
        lines << controllist::lineOf(readRow(read, employeeColumns()), at + 1);
    }
    return controllist::page(m_heading, lines, index, pageCount(), m_total, m_order);
}
