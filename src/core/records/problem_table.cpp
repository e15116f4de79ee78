#include "core/records/problem_table.h"

#include "core/records/column_labels.h"
#include "core/reports/page_builder.h"

#include <QObject>
#include <array>

namespace {

constexpr double margin = 12.0;
constexpr double lineHeight = 3.6;
constexpr double rowPadding = 1.4;
constexpr double footerHeight = 8.0;
constexpr double titleHeight = 24.0;
constexpr double totalsLine = 4.6;
// Severity and code, the record, page and field, the value, the problem and its fix.
constexpr std::array<report::TableColumn, 5> columns{{{24}, {46}, {34}, {28}, {54}}};
constexpr std::array<report::TableColumn, 5> totalsColumns{{{12},
                                                            {86},
                                                            {30, report::Align::Right},
                                                            {30, report::Align::Right},
                                                            {28, report::Align::Right}}};

// The printed cells of a problem, from the columns the screen shows.
QStringList printedCells(const QStringList& row) {
    using namespace validation;
    const auto joined = [](const QStringList& parts) {
        QStringList present = parts;
        present.removeAll(QString());
        return present.join(u' ');
    };
    return {
        row[severityColumn] + u' ' + row[codeColumn],
        joined({row[sheetColumn].isEmpty() ? QString() : QObject::tr("Sheet ") + row[sheetColumn],
                row[3], row[4] + (row[5].isEmpty() ? QString() : QStringLiteral(", ") + row[5]),
                row[6]}),
        joined({row[pageColumn].isEmpty() ? QString() : QStringLiteral("p.") + row[pageColumn],
                row[8]}),
        row[9], row[10] + u' ' + QObject::tr("Fix: ") + row[11]};
}

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

QStringList printedHeader() {
    return {QObject::tr("Severity, code"), QStringLiteral("Record"), QObject::tr("Page, field"),
            QStringLiteral("Value"), QObject::tr("Problem and how to fix it")};
}

ProblemListReport::ProblemListReport(QString title, validation::ReportHeading heading,
                                     const QList<ReturnProblem>& problems,
                                     const validation::ReturnReport& report)
    : m_title(std::move(title))
    , m_heading(std::move(heading))
    , m_totals(validation::totalsRows(report))
    , m_totalsHeader(validation::totalsHeader(report)) {
    const double room = report::a4Height - 2 * margin - titleHeight - footerHeight;
    const double headerHeight = rowHeight(wrappedCells(printedHeader()));
    double used = room; // the first row starts a page
    for (const ReturnProblem& problem : problems) {
        m_rows << wrappedCells(printedCells(problemtable::row(problem)));
        const double height = rowHeight(m_rows.last());
        if (used + height > room - headerHeight) {
            m_pageStarts << m_rows.size() - 1;
            used = 0;
        }
        used += height;
    }
    if (m_pageStarts.isEmpty()) {
        m_pageStarts << 0; // a page that says there is nothing to report
        used = headerHeight + 8.0;
    }
    placeTotals(used + headerHeight, room);
}

// The totals follow the last problem, or start a page of their own when they do not fit.
void ProblemListReport::placeTotals(double used, double room) {
    const double height = 12.0 + double(m_totals.size() + 1) * totalsLine;
    if (used + height > room) {
        m_totalsOnPageOfTheirOwn = true;
        m_pageStarts << m_rows.size();
    }
}

report::Page ProblemListReport::page(int index) const {
    report::PageBuilder builder(margin);
    builder.heading(m_title);
    builder.line(QObject::tr("%1   File number %2   Year %3   Checked %4")
                     .arg(m_heading.employerName, m_heading.fileNumber, m_heading.returnYear,
                          m_heading.checkedAt),
                 5.0, report::valuePoints);
    builder.line(validation::countsText(m_heading), 5.0, report::valuePoints, true);
    builder.skip(titleHeight - 16.5);
    const bool last = index + 1 == pageCount();
    const qsizetype first = m_pageStarts.at(index);
    const qsizetype end =
        index + 1 < m_pageStarts.size() ? m_pageStarts.at(index + 1) : m_rows.size();
    if (!(last && m_totalsOnPageOfTheirOwn)) {
        const QList<QStringList> header = wrappedCells(printedHeader());
        builder.tableRow(columns, joinedLines(header), rowHeight(header), true);
    }
    for (qsizetype i = first; i < end; ++i)
        builder.tableRow(columns, joinedLines(m_rows.at(i)), rowHeight(m_rows.at(i)));
    if (m_rows.isEmpty())
        builder.line(QObject::tr("No problem was found in the return."), 6.0, report::valuePoints);
    if (last) {
        builder.heading(QObject::tr("Control totals"));
        builder.tableRow(std::span(totalsColumns).first(std::size_t(m_totalsHeader.size())),
                         m_totalsHeader, totalsLine, true);
        for (const QStringList& row : m_totals)
            builder.tableRow(std::span(totalsColumns).first(std::size_t(row.size())), row,
                             totalsLine);
    }
    const double footerTop = report::a4Height - margin - footerHeight;
    builder.skip(footerTop - builder.top());
    builder.line(QObject::tr("Page %1 of %2").arg(index + 1).arg(pageCount()), 5.0,
                 report::valuePoints, false, report::Align::Right);
    return builder.take();
}
