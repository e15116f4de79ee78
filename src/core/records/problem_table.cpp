#include "core/records/problem_table.h"

#include "core/records/column_labels.h"
#include "core/reports/page_builder.h"

#include <array>

namespace problemtable {

QStringList header() {
    return {QStringLiteral("Sheet Number"),
            QStringLiteral("Surname"),
            QStringLiteral("Other Names in Full"),
            QStringLiteral("Page"),
            QStringLiteral("Field"),
            QStringLiteral("Problem")};
}

// The employer's items keep their column's name: the employer screen shows them.
QStringList row(const ReturnProblem& problem) {
    return {problem.sheetNumber,
            problem.surname,
            problem.firstName,
            problem.page > 0 ? QString::number(problem.page) : QString(),
            problem.record ? columnLabel(problem.column) : problem.column,
            problem.message};
}

} // namespace problemtable

namespace {

constexpr double margin = 12.0;
constexpr double lineHeight = 3.6;
constexpr double rowPadding = 1.4;
constexpr double footerHeight = 8.0;
constexpr double titleHeight = 12.0;
constexpr std::array<report::TableColumn, 6> columns{
    {{14, report::Align::Right}, {26}, {34}, {9, report::Align::Right}, {45}, {58}}};

// About how many millimetres a character takes at the table's size; a wide (Chinese) one twice.
constexpr double characterWidth = 1.65;

double widthOf(const QString& text) {
    double width = 0;
    for (QChar c : text)
        width += c.unicode() >= 0x1100 ? 2 * characterWidth : characterWidth;
    return width;
}

// The text broken into lines that fit the width, at spaces where it can be.
QStringList wrapped(const QString& text, double width) {
    QStringList lines;
    QString current;
    for (const QString& word : text.split(u' ')) {
        const QString joined = current.isEmpty() ? word : current + u' ' + word;
        if (widthOf(joined) <= width || current.isEmpty()) {
            current = joined;
            continue;
        }
        lines << current;
        current = word;
    }
    lines << current;
    return lines;
}

double rowHeight(const QList<QStringList>& cells) {
    qsizetype lines = 1;
    for (const QStringList& cell : cells)
        lines = std::max(lines, cell.size());
    return static_cast<double>(lines) * lineHeight + rowPadding;
}

QList<QStringList> wrappedCells(const QStringList& texts) {
    QList<QStringList> cells;
    for (qsizetype i = 0; i < texts.size(); ++i)
        cells << wrapped(texts.at(i), columns[std::size_t(i)].width - 2.0);
    return cells;
}

QStringList joinedLines(const QList<QStringList>& cells) {
    QStringList texts;
    for (const QStringList& cell : cells)
        texts << cell.join(u'\n');
    return texts;
}

} // namespace

ProblemListReport::ProblemListReport(QString title, const QList<ReturnProblem>& problems)
    : m_title(std::move(title)) {
    const double room = report::a4Height - 2 * margin - titleHeight - footerHeight;
    const double headerHeight = rowHeight(wrappedCells(problemtable::header()));
    double used = room; // the first row starts a page
    for (const ReturnProblem& problem : problems) {
        m_rows << wrappedCells(problemtable::row(problem));
        const double height = rowHeight(m_rows.last());
        if (used + height > room - headerHeight) {
            m_pageStarts << m_rows.size() - 1;
            used = 0;
        }
        used += height;
    }
    if (m_pageStarts.isEmpty())
        m_pageStarts << 0; // a page that says there is nothing to report
}

report::Page ProblemListReport::page(int index) const {
    report::PageBuilder builder(margin);
    builder.heading(m_title);
    builder.skip(titleHeight - 6.5);
    const QList<QStringList> header = wrappedCells(problemtable::header());
    builder.tableRow(columns, joinedLines(header), rowHeight(header), true);
    const qsizetype first = m_pageStarts.at(index);
    const qsizetype end =
        index + 1 < m_pageStarts.size() ? m_pageStarts.at(index + 1) : m_rows.size();
    for (qsizetype i = first; i < end; ++i)
        builder.tableRow(columns, joinedLines(m_rows.at(i)), rowHeight(m_rows.at(i)));
    if (m_rows.isEmpty())
        builder.line(QStringLiteral("No problem was found in the return."), 6.0,
                     report::valuePoints);
    const double footerTop = report::a4Height - margin - footerHeight;
    builder.skip(footerTop - builder.top());
    builder.line(QStringLiteral("Page %1 of %2").arg(index + 1).arg(pageCount()), 5.0,
                 report::valuePoints, false, report::Align::Right);
    return builder.take();
}
