#pragma once

#include "core/records/return_check.h"
#include "core/reports/page.h"

#include <QStringList>

// The whole return's problems as a table of texts: the list on the screen, its printed pages and
// its CSV file show the same columns. A record is named by its sheet number, surname and other
// names, a field by its label on the editor.
namespace problemtable {

QStringList header();
QStringList row(const ReturnProblem& problem);

// The columns that sort as numbers rather than as texts.
inline constexpr int sheetColumn = 0;
inline constexpr int pageColumn = 3;

} // namespace problemtable

// The problems printed as a ruled table, with the title and the page number on every page; long
// texts wrap within their column.
class ProblemListReport : public report::Report {
public:
    ProblemListReport(QString title, const QList<ReturnProblem>& problems);

    int pageCount() const override { return static_cast<int>(m_pageStarts.size()); }
    report::Page page(int index) const override;

private:
    QString m_title;
    QList<QList<QStringList>> m_rows; // each row's cells, each cell's lines
    QList<qsizetype> m_pageStarts;    // the first row of each page
};
