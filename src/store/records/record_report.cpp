#include "store/records/record_report.h"

#include "core/records/record_form.h"
#include "core/reports/pdf_names.h"
#include "store/employer/employer_table.h"
#include "store/records/report_rows.h"

#include <QObject>

RecordReport::RecordReport(Database& db, QList<qint64> keys)
    : m_db(db)
    , m_keys(std::move(keys))
    , m_employer(employertable::readEmployerValues(db)) {}

std::shared_ptr<RecordReport> RecordReport::originals(Database& db) {
    return std::shared_ptr<RecordReport>(new RecordReport(db, originalRecordKeys(db)));
}

std::shared_ptr<RecordReport> RecordReport::recordWithId(Database& db, qint64 id) {
    return std::shared_ptr<RecordReport>(new RecordReport(db, recordKeysWithId(db, id)));
}

std::shared_ptr<RecordReport> RecordReport::everyRecord(Database& db) {
    return std::shared_ptr<RecordReport>(new RecordReport(db, everyRecordKeys(db)));
}

QStringList RecordReport::formFileNames() const {
    Statement read = m_db.prepare(
        QStringLiteral("select SheetNo, Surname, FirstName, Status from employee where rowid = ?"));
    QStringList names;
    names.reserve(m_keys.size());
    for (const qint64 key : m_keys) {
        read.reset();
        read.bind(1, key);
        if (!read.next())
            throw EngineError(engine::NoCurrentRecord,
                              QObject::tr("A record to be written no longer exists."));
        names << pdfname::formFileName(read.value(0).toString(), read.value(1).toString(),
                                       read.value(2).toString(), read.value(3).toString());
    }
    return pdfname::distinctNames(names);
}

report::Page RecordReport::page(int index) const {
    const RowValues record = readEmployeeRow(m_db, m_keys.value(index, -1));
    if (record.isEmpty())
        throw EngineError(engine::NoCurrentRecord,
                          QObject::tr("The record of page %1 no longer exists.").arg(index + 1));
    return xw73dform::formPage(record, m_employer, m_order);
}
