#pragma once

#include "core/reports/page.h"
#include "core/reports/page_builder.h"
#include "store/common/rows.h"

#include <QList>
#include <memory>

// The XW73D forms of a list of records, one page each. Only the records' keys are held; a
// record is read when its page is drawn, so a report of every record opens at once.
class RecordReport : public report::Report {
public:
    // The forms of every original record in sheet-number order.
    static std::shared_ptr<RecordReport> originals(Database& db);
    // The forms of the records with this identifier (one, as identifiers are unique).
    static std::shared_ptr<RecordReport> recordWithId(Database& db, qint64 id);
    // The forms of every record: the originals in sheet-number order, then the others in theirs.
    static std::shared_ptr<RecordReport> everyRecord(Database& db);

    int pageCount() const override { return static_cast<int>(m_keys.size()); }
    // Raises EngineError 3021 when the page's record no longer exists.
    report::Page page(int index) const override;
    // The name of each page's PDF file, in page order: "0001 CHAN TAI MAN.pdf", a name that
    // repeats made distinct. Reads only the four columns that make the name.
    QStringList formFileNames() const;
    // Which language the forms' captions print first; English unless the user reads Chinese.
    void setLabelOrder(report::LabelOrder order) { m_order = order; }

private:
    RecordReport(Database& db, QList<qint64> keys);

    Database& m_db;
    QList<qint64> m_keys;
    RowValues m_employer;
    report::LabelOrder m_order = report::chosenLabelOrder();
};
