#pragma once

#include "core/reports/page.h"
#include "core/validation/report_format.h"

#include <QStringList>

// The whole return's problems as a table of texts: the list on the screen, its printed pages and
// its CSV file show the same columns. A record is named by its sheet number, type, surname,
// other names and identity number, a field by its label on the editor.
namespace problemtable {

inline QStringList header() {
    return validation::problemHeader();
}
inline QStringList row(const ReturnProblem& problem) {
    return validation::problemRow(problem);
}

// The columns that sort as numbers rather than as texts.
inline constexpr int sheetColumn = validation::sheetColumn;
inline constexpr int pageColumn = validation::pageColumn;

} // namespace problemtable

// The problems printed as a ruled table under the employer, the file number, the year, the date
// of the check and the counts by severity, with the title and the page number on every page;
// long texts wrap within their column. The control totals follow the last problem.
class ProblemListReport : public report::Report {
public:
    ProblemListReport(QString title, validation::ReportHeading heading,
                      const QList<ReturnProblem>& problems, const validation::ReturnReport& report);

    int pageCount() const override { return static_cast<int>(m_pageStarts.size()); }
    report::Page page(int index) const override;

private:
    void placeTotals(double used, double room);

    QString m_title;
    validation::ReportHeading m_heading;
    QList<QList<QStringList>> m_rows; // each row's cells, each cell's lines
    QList<qsizetype> m_pageStarts;    // the first row of each page
    QList<QStringList> m_totals;
    QStringList m_totalsHeader;
    bool m_totalsOnPageOfTheirOwn = false;
};
