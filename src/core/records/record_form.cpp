#include "core/records/record_form.h"

#include "core/common/amounts.h"
#include "core/common/columns.h"
#include "core/common/engine_error.h"
#include "core/employer/employer_rules.h"
#include "core/records/form_captions.h"
#include "core/records/income_lines.h"
#include "core/reports/page_builder.h"
#include "core/reports/printed_texts.h"

#include <array>
#include <optional>

using namespace printedtext;
using formcaptions::caption;
using report::Align;
using report::Cell;

namespace xw73dform {

namespace {

// The heights of a row of boxes whose values take one line and two, beneath two lines of caption.
constexpr double oneLine = 8.3;
constexpr double twoLines = 11.8;

// The values of one row by column name; a missing value reads as an empty text.
class Values {
public:
    Values(const QList<QVariant>& row, Columns columns)
        : m_row(row)
        , m_columns(columns) {}
    QString operator()(const QString& column) const {
        const int at = columnIndex(m_columns, column);
        return at < 0 || at >= m_row.size() ? QString() : m_row.at(at).toString();
    }
    QString operator()(const char* column) const { return (*this)(QLatin1String(column)); }
    // Amounts are shown grouped by commas whatever form they were stored in.
    QString amount(const char* column) const { return formatAmount((*this)(column)); }
    QString yesNo(const char* column) const {
        const QString flag = (*this)(column);
        if (flag.isEmpty())
            return QString();
        return flag == u"1" ? QStringLiteral("Yes") : QStringLiteral("No");
    }

private:
    const QList<QVariant>& m_row;
    Columns m_columns;
};

void employerHeading(report::PageBuilder& page, const Values& employer, const Values& record) {
    page.captionLines(caption(QStringLiteral("XW73D  Return of Remuneration and Pensions")), 6.0,
                      14.0, 3.8, 9.0, true);
    page.captionLines(formcaptions::yearHeading(employer("ReturnYear")), 4.0, 10.0, 3.2, 7.5);
    const QString fileNumber = wholeFileNumber(employer("Session"), employer("BRN"));
    const std::array<Cell, 4> cells{{
        {106, caption(QStringLiteral("Name of employer")), employer("Name")},
        {40, caption(QStringLiteral("Employer's file number")), fileNumber},
        {20, caption(QStringLiteral("Sheet number")), record("SheetNo").trimmed(), Align::Right},
        {20, caption(QStringLiteral("Record type")), recordTypeName(record("Status"))},
    }};
    page.boxRow(cells, oneLine);
}

void employeeParticulars(report::PageBuilder& page, const Values& v) {
    page.heading(caption(QStringLiteral("1. Particulars of the employee")));
    page.boxRow(std::array<Cell, 2>{{{60, caption(QStringLiteral("Surname")), v("Surname")},
                                     {126, caption(QStringLiteral("Other names in full")),
                                      v("FirstName")}}},
                oneLine);
    page.boxRow(
        std::array<Cell, 4>{
            {{56, caption(QStringLiteral("Full name in Chinese")), v("ChineseName")},
             {40, caption(QStringLiteral("Identity card number")),
              identityText(v("HKID"), v("ChkDigit"))},
             {16, caption(QStringLiteral("Sex")), v("Sex")},
             {74, caption(QStringLiteral("Marital status")), maritalStatusText(v("MStatus"))}}},
        oneLine);
    page.boxRow(
        std::array<Cell, 1>{{{186,
                              caption(QStringLiteral("Passport number and country of issue (if "
                                                     "the employee has no identity card)")),
                              v("Passport")}}},
        oneLine);
    page.boxRow(std::array<Cell, 3>{{
                    {76, caption(QStringLiteral("Full name of spouse")), v("SpouseName")},
                    {40, caption(QStringLiteral("Spouse's identity card number")),
                     identityText(v("SpouseHKID"), v("SpouseChkDigit"))},
                    {70, caption(QStringLiteral("Spouse's passport number and country of issue")),
                     v("SpousePassport")},
                }},
                oneLine);
}

void addressesAndEmployment(report::PageBuilder& page, const Values& v) {
    page.boxRow(std::array<Cell, 2>{{
                    {150, caption(QStringLiteral("Residential address")),
                     v("RAddress1") + u'\n' + v("RAddress2")},
                    {36, caption(QStringLiteral("Area")), areaText(v("RAreaCode"))},
                }},
                twoLines);
    page.boxRow(std::array<Cell, 1>{{{186, caption(QStringLiteral("Correspondence address")),
                                      v("CAddress")}}},
                oneLine);
    page.boxRow(
        std::array<Cell, 2>{{
            {86, caption(QStringLiteral("Capacity in which employed")), v("Capacity")},
            {100, caption(QStringLiteral("If part time, the name of the principal employer")),
             v("PEmployer")},
        }},
        oneLine);
    page.boxRow(
        std::array<Cell, 2>{{
            {93, caption(QStringLiteral("Period of employment: from")),
             dateText(v("EDay1"), v("EMonth1"), v("EYear1"))},
            {93, caption(QStringLiteral("to")), dateText(v("EDay2"), v("EMonth2"), v("EYear2"))},
        }},
        oneLine);
}

// The form is printed even when an amount is no number; its total then says so instead.
std::optional<qint64> printedTotal(const QList<QVariant>& employee) {
    try {
        return incomeTotal(incomeAmountsOf(employee));
    } catch (const EngineError&) {
        return std::nullopt;
    }
}

void incomeTable(report::PageBuilder& page, const QList<QVariant>& row, const Values& v) {
    page.heading(caption(QStringLiteral("2. Income")));
    const std::array<report::TableColumn, 4> columns{{{80}, {34}, {40}, {32, Align::Right}}};
    page.tableRow(columns,
                  {caption(QStringLiteral("Category")), caption(QStringLiteral("Nature")),
                   caption(QStringLiteral("Period")), caption(QStringLiteral("Amount ($)"))},
                  4.6, true);
    for (const IncomeLine& line : incomeLines())
        page.tableRow(columns,
                      {caption(QLatin1String(line.formLabel)),
                       line.nature ? v(line.nature) : QString(), periodText(v(line.period)),
                       v.amount(line.amount)},
                      4.6);
    const std::optional<qint64> total = printedTotal(row);
    page.tableRow(columns,
                  {caption(QStringLiteral("Total income")), QString(), QString(),
                   total ? groupDigits(*total) : QStringLiteral("(not a sum)")},
                  4.8, true);
}

void residences(report::PageBuilder& page, const Values& v) {
    page.heading(caption(QStringLiteral("3. Places of residence provided by the employer")));
    page.boxRow(std::array<Cell, 1>{{{186, caption(QStringLiteral("Place of residence provided")),
                                      v.yesNo("QFlag")}}},
                oneLine);
    for (const QString& place : {QStringLiteral("Q1"), QStringLiteral("Q2")}) {
        const auto item = [&](const QString& name) { return v(place + name); };
        const QString number = place.right(1);
        page.boxRow(
            std::array<Cell, 3>{{
                {100, caption(QStringLiteral("Place %1: address")).arg(number),
                 item(QStringLiteral("Address1")) + u'\n' + item(QStringLiteral("Address2"))},
                {36, caption(QStringLiteral("Nature")), item(QStringLiteral("Nature"))},
                {50, caption(QStringLiteral("Period provided")), item(QStringLiteral("Period"))},
            }},
            twoLines);
        std::array<Cell, 4> rents;
        for (int i = 0; i < 4; ++i)
            rents[i] = {46.5, caption(QLatin1String(rentLabels()[static_cast<std::size_t>(i)])),
                        formatAmount(item(QStringLiteral("Rent%1").arg(i + 1))), Align::Right};
        page.boxRow(rents, oneLine);
    }
}

void overseasAndRemarks(report::PageBuilder& page, const Values& v) {
    page.heading(caption(QStringLiteral("4. Overseas company, file number and remarks")));
    page.boxRow(
        std::array<Cell, 3>{{
            {46, caption(QStringLiteral("Paid by an overseas company")), v.yesNo("OSeaFlag")},
            {40, caption(QStringLiteral("Amount paid")), overseasAmountText(v("OSeaAmount")),
             Align::Right},
            {100, caption(QStringLiteral("Name of the overseas company")), v("OSeaName")},
        }},
        oneLine);
    page.boxRow(
        std::array<Cell, 2>{{
            {126, caption(QStringLiteral("Address of the overseas company")), v("OSeaAddress")},
            {60, caption(QStringLiteral("Employee's tax file number")), v("FileNo")},
        }},
        oneLine);
    page.boxRow(std::array<Cell, 1>{{{186, caption(QStringLiteral("Remarks")), v("Remark")}}},
                oneLine);
}

void signature(report::PageBuilder& page, const Values& employer) {
    page.skip(0.5);
    page.boxRow(
        std::array<Cell, 3>{{
            {70, caption(QStringLiteral("Designation of the signatory")), employer("Designation")},
            {40, caption(QStringLiteral("Date of submission")),
             wholeDateText(employer("SubmissionDate"))},
            {76, caption(QStringLiteral("Signature")), QString()},
        }},
        10.5);
}

} // namespace

report::Page formPage(const QList<QVariant>& employee, const QList<QVariant>& employer,
                      report::LabelOrder order) {
    const Values record(employee, employeeColumns());
    const Values company(employer, employerColumns());
    report::PageBuilder page(12.0, order);
    // The captions' second lines take the room of a wider top margin.
    page.startAt(7.0);
    employerHeading(page, company, record);
    employeeParticulars(page, record);
    addressesAndEmployment(page, record);
    incomeTable(page, employee, record);
    residences(page, record);
    overseasAndRemarks(page, record);
    signature(page, company);
    return page.take();
}

} // namespace xw73dform
