#include "store/records/record_report.h"

#include "core/records/record_form.h"
#include "store/employer/employer_table.h"
#include "store/records/report_rows.h"

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

report::Page RecordReport::page(int index) const {
    const RowValues record = readEmployeeRow(m_db, m_keys.value(index, -1));
    if (record.isEmpty())
        throw EngineError(engine::NoCurrentRecord,
                          QObject::tr("The record of page %1 no longer exists.").arg(index + 1));
    return xw73dform::formPage(record, m_employer);
}
