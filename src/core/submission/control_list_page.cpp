#include "core/submission/control_list_page.h"

#include "core/common/amounts.h"
#include "core/common/columns.h"
#include "core/employer/employer_rules.h"
#include "core/records/form_captions.h"
#include "core/records/income_lines.h"
#include "core/reports/page_builder.h"
#include "core/reports/printed_texts.h"

#include <array>

using formcaptions::caption;
using report::Align;
using report::Caption;
using report::Cell;
using report::TableColumn;

namespace controllist {
namespace {

QString text(const QList<QVariant>& row, Columns columns, const char* name) {
    return row.value(columnIndex(columns, QLatin1String(name))).toString();
}

QString amount(qint64 value) {
    return groupDigits(value);
}

// What each category a to l is, as the printed form calls it (the other rewards once).
const QList<Caption>& categoryNames() {
    static const QList<Caption> names = [] {
        QList<Caption> made;
        const auto shortened = [](const QString& label) {
            return label.mid(3).remove(QStringLiteral(" (1)"));
        };
        for (const IncomeLine& line : incomeLines())
            if (made.size() == line.letter - 'a') {
                const Caption form = caption(QString::fromUtf8(line.formLabel));
                made << Caption(shortened(form.english), shortened(form.chinese));
            }
        return made;
    }();
    return names;
}

// Boxes hold two lines of caption above their value.
constexpr double boxHeight = 8.3;

// The identifier's column has room for a passport number with its country of issue.
const std::array<TableColumn, 6> lineColumns{{{14, Align::Right},
                                              {18, Align::Right},
                                              {48, Align::Left},
                                              {52, Align::Left},
                                              {26, Align::Left},
                                              {28, Align::Right}}};

void employerBox(report::PageBuilder& builder, const Heading& heading) {
    builder.captionLines(caption(QStringLiteral("XW73D  Control List")), 6.0, 14.0, 3.8, 9.0, true);
    builder.captionLines(formcaptions::yearHeading(heading.returnYear), 4.0, 10.0, 3.2, 7.5);
    builder.boxRow(
        std::array<Cell, 2>{
            {{136, caption(QStringLiteral("Name of employer")), heading.employerName},
             {50, caption(QStringLiteral("Employer's file number")), heading.fileNumber}}},
        boxHeight);
    builder.boxRow(
        std::array<Cell, 3>{
            {{40, caption(QStringLiteral("Return year")), heading.returnYear},
             {50, caption(QStringLiteral("Date of submission")), heading.submissionDate},
             {96, caption(QStringLiteral("Designation of the signatory")), heading.designation}}},
        boxHeight);
}

void logRow(report::PageBuilder& builder, const LogRecord& log) {
    builder.heading(caption(QStringLiteral("Log of the saved file")));
    builder.boxRow(std::array<Cell, 4>{{{40, caption(QStringLiteral("File name")), log.fileName},
                                        {30, caption(QStringLiteral("Size (bytes)")), log.fileSize},
                                        {26, caption(QStringLiteral("Date")), log.date},
                                        {90, caption(QStringLiteral("Time")), log.time}}},
                   boxHeight);
    builder.boxRow(std::array<Cell, 4>{{{90, caption(QStringLiteral("Digest")), log.code},
                                        {20, caption(QStringLiteral("Version")), log.version},
                                        {30, caption(QStringLiteral("Records")), log.totalRecords,
                                         Align::Right},
                                        {46, caption(QStringLiteral("Total income")),
                                         formatAmount(log.totalIncome), Align::Right}}},
                   boxHeight);
}

void recordLines(report::PageBuilder& builder, const QList<Line>& lines) {
    builder.heading(caption(QStringLiteral("Records")));
    builder.tableRow(lineColumns,
                     {caption(QStringLiteral("No.")), caption(QStringLiteral("Sheet No.")),
                      caption(QStringLiteral("Identity number")), caption(QStringLiteral("Names")),
                      caption(QStringLiteral("Chinese name")),
                      caption(QStringLiteral("Total income"))},
                     5.0, true);
    qint64 pageTotal = 0;
    for (const Line& line : lines) {
        builder.tableRow(lineColumns,
                         QStringList{QString::number(line.count), line.sheetNumber, line.identity,
                                     line.names, line.chineseName, amount(line.income)});
        pageTotal += line.income;
    }
    builder.tableRow(std::array<TableColumn, 2>{{{158, Align::Left}, {28, Align::Right}}},
                     {caption(QStringLiteral("Total of this page (%1 records)")).arg(lines.size()),
                      amount(pageTotal)},
                     5.0, true);
}

// Each income category's total, their sum and the records' grand total: all three must be the
// log's total income.
void categoryLines(report::PageBuilder& builder, const GrandTotal& total) {
    builder.heading(caption(QStringLiteral("Control totals by income category")));
    const std::array<TableColumn, 3> columns{
        {{12, Align::Left}, {146, Align::Left}, {28, Align::Right}}};
    builder.tableRow(
        columns,
        {QString(), caption(QStringLiteral("Income category")), caption(QStringLiteral("Total"))},
        5.0, true);
    qint64 sum = 0;
    for (std::size_t i = 0; i < total.categories.size(); ++i) {
        builder.tableRow(columns, {QString(QChar(u'a' + int(i))), categoryNames().at(qsizetype(i)),
                                   amount(total.categories[i])});
        sum += total.categories[i];
    }
    builder.tableRow(columns,
                     {QString(), caption(QStringLiteral("Sum of the categories")), amount(sum)},
                     5.0, true);
}

qint64 categorySum(const GrandTotal& total) {
    qint64 sum = 0;
    for (qint64 category : total.categories)
        sum += category;
    return sum;
}

void closingLines(report::PageBuilder& builder, const Heading& heading, const GrandTotal& total) {
    categoryLines(builder, total);
    builder.tableRow(std::array<TableColumn, 2>{{{158, Align::Left}, {28, Align::Right}}},
                     {caption(QStringLiteral("Grand total (%1 records)")).arg(total.records),
                      amount(total.income)},
                     5.0, true);
    builder.tableRow(
        std::array<TableColumn, 2>{{{158, Align::Left}, {28, Align::Right}}},
        {caption(QStringLiteral("Total income in the log")), formatAmount(heading.log.totalIncome)},
        5.0, true);
    const bool agrees = QString::number(total.income) == heading.log.totalIncome &&
                        QString::number(categorySum(total)) == heading.log.totalIncome &&
                        QString::number(total.records) == heading.log.totalRecords;
    builder.captionLines(
        caption(agrees ? QStringLiteral("The categories, the grand total and the record count "
                                        "agree with the log.")
                       : QStringLiteral("THE CATEGORIES, THE GRAND TOTAL OR THE RECORD COUNT DO "
                                        "NOT AGREE WITH THE LOG: DO NOT SUBMIT THIS MEDIUM.")),
        5.0, 8.5, 4.0, 7.5, !agrees, Align::Left);
    builder.skip(6.0);
    builder.captionLines(caption(QStringLiteral("I certify that the above list agrees with the "
                                                "return saved on the medium.")),
                         5.0, 9.0, 4.0, 8.0, false, Align::Left);
    builder.boxRow(
        std::array<Cell, 3>{
            {{76, caption(QStringLiteral("Signature")), QString()},
             {70, caption(QStringLiteral("Designation of the signatory")), heading.designation},
             {40, caption(QStringLiteral("Date")), QString()}}},
        12.0);
}

} // namespace

Heading headingOf(const QList<QVariant>& employer, const LogRecord& log) {
    const Columns columns = employerColumns();
    const QString section = text(employer, columns, "Session");
    const QString number = text(employer, columns, "BRN");
    return {text(employer, columns, "Name"),
            wholeFileNumber(section, number),
            text(employer, columns, "ReturnYear"),
            printedtext::wholeDateText(text(employer, columns, "SubmissionDate")),
            text(employer, columns, "Designation"),
            log};
}

QString identityOf(const QString& number, const QString& checkCharacter, const QString& passport) {
    if (!number.trimmed().isEmpty() || passport.trimmed().isEmpty())
        return printedtext::identityText(number, checkCharacter);
    return QStringLiteral("Passport: ") + passport.trimmed();
}

Line lineOf(const QList<QVariant>& employee, qint64 count) {
    const Columns columns = employeeColumns();
    const QString surname = text(employee, columns, "Surname");
    const QString others = text(employee, columns, "FirstName");
    return {count,
            text(employee, columns, "SheetNo").trimmed(),
            identityOf(text(employee, columns, "HKID"), text(employee, columns, "ChkDigit"),
                       text(employee, columns, "Passport")),
            others.isEmpty() ? surname : surname + QStringLiteral(", ") + others,
            text(employee, columns, "ChineseName"),
            incomeTotal(incomeAmountsOf(employee))};
}

int pageCountFor(qint64 records) {
    return static_cast<int>(std::max<qint64>(1, (records + linesPerPage - 1) / linesPerPage)) + 1;
}

report::Page page(const Heading& heading, const QList<Line>& lines, int index, int pageCount,
                  const GrandTotal& grandTotal, report::LabelOrder order) {
    report::PageBuilder builder(12.0, order);
    employerBox(builder, heading);
    logRow(builder, heading.log);
    if (index == pageCount - 1)
        closingLines(builder, heading, grandTotal);
    else
        recordLines(builder, lines);
    const Caption footer = caption(QStringLiteral("Page %1 of %2")).arg(index + 1).arg(pageCount);
    builder.startAt(report::a4Height - 17.0);
    builder.captionLines(footer, 5.0, 8.5, 3.5, 7.0);
    return builder.take();
}

} // namespace controllist
