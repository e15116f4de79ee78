#pragma once

#include "core/reports/page.h"
#include "core/reports/page_builder.h"
#include "core/submission/control_list_page.h"
#include "store/common/database.h"

#include <memory>
#include <vector>

// The control list over the submission and its log as they lie on the medium, both opened for
// reading only. Only the records' keys and the totals are read when it opens; a page's records
// are read when the page is drawn, so a list of any length opens at once.
class ControlList : public report::Report {
public:
    // Raises EngineError when either file cannot be read.
    static std::shared_ptr<ControlList> open(const QString& submissionPath, const QString& logPath);

    int pageCount() const override { return controllist::pageCountFor(qint64(m_keys.size())); }
    report::Page page(int index) const override;

    const controllist::Heading& heading() const { return m_heading; }
    const controllist::GrandTotal& grandTotal() const { return m_total; }
    // Which language the captions print first; English unless the user reads Chinese.
    void setLabelOrder(report::LabelOrder order) { m_order = order; }

private:
    ControlList(Database submission, controllist::Heading heading);

    std::unique_ptr<Database> m_submission;
    controllist::Heading m_heading;
    std::vector<qint64> m_keys; // in sheet-number order
    controllist::GrandTotal m_total;
    report::LabelOrder m_order = report::chosenLabelOrder();
};
