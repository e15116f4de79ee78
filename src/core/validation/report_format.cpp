#include "core/validation/report_format.h"

#include "core/common/amounts.h"
#include "core/employer/employer_rules.h"
#include "core/import/csv.h"
#include "core/records/column_labels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>

namespace validation {
namespace {

QString counted(int count, const char* one, const char* many) {
    if (count == 0)
        return QStringLiteral("no ") + QLatin1String(one);
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}

// An employer's item keeps its column's name: the employer screen shows it.
QString fieldOf(const ReturnProblem& problem) {
    if (problem.column.isEmpty())
        return QString();
    return problem.page > 0 ? columnLabelShown(problem.column) : problem.column;
}

QString recordText(const ReturnProblem& problem) {
    QStringList parts;
    if (!problem.sheetNumber.isEmpty())
        parts << QObject::tr("sheet ") + problem.sheetNumber;
    if (!problem.status.isEmpty())
        parts << problem.status;
    if (!problem.surname.isEmpty() || !problem.firstName.isEmpty())
        parts << problem.surname + QStringLiteral(", ") + problem.firstName;
    if (!problem.identity.isEmpty())
        parts << problem.identity;
    return parts.isEmpty() ? QStringLiteral("employer") : parts.join(QStringLiteral("  "));
}

QJsonObject problemObject(const ReturnProblem& problem) {
    const QStringList row = problemRow(problem);
    QJsonObject object{{"severity", row[severityColumn]},
                       {"code", problem.code},
                       {"sheetNumber", problem.sheetNumber},
                       {"type", problem.status},
                       {"surname", problem.surname},
                       {"otherNames", problem.firstName},
                       {"identity", problem.identity},
                       {"page", problem.page},
                       {"field", fieldOf(problem)},
                       {"column", problem.column},
                       {"value", problem.value},
                       {"message", problem.message},
                       {"fix", fixOf(problem.code)}};
    if (problem.record)
        object.insert(QStringLiteral("recordId"), *problem.record);
    return object;
}

QJsonObject totalsObject(const ReturnReport& report) {
    QJsonObject categories;
    QJsonObject lastYear;
    for (int i = 0; i < categoryCount; ++i) {
        categories.insert(QString(categoryLetter(i)), report.totals.categories[std::size_t(i)]);
        if (report.lastYear)
            lastYear.insert(QString(categoryLetter(i)),
                            report.lastYear->categoryTotals[std::size_t(i)]);
    }
    QJsonObject totals{{"records", report.totals.records},
                       {"categories", categories},
                       {"income", report.totals.income()}};
    if (report.lastYear)
        totals.insert(
            QStringLiteral("lastYear"),
            QJsonObject{{"description", report.lastYear->description}, {"categories", lastYear}});
    return totals;
}

} // namespace

ReportHeading headingOf(const EmployerData& employer, const ReturnReport& report,
                        const QDateTime& checkedAt) {
    return {employer.name,
            wholeFileNumber(employer.section, employer.fileNumber),
            employer.returnYear,
            checkedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm")),
            report.count(Severity::Error),
            report.count(Severity::Warning),
            report.count(Severity::Hint)};
}

QString countsText(const ReportHeading& heading) {
    return counted(heading.errors, "error", "errors") + QStringLiteral(", ") +
           counted(heading.warnings, "warning", "warnings") + QStringLiteral(", ") +
           counted(heading.hints, "hint", "hints");
}

QStringList problemHeader() {
    return {QObject::tr("Severity"),
            QObject::tr("Code"),
            QObject::tr("Sheet Number"),
            QObject::tr("Type"),
            QObject::tr("Surname"),
            QObject::tr("Other Names in Full"),
            QObject::tr("H.K. Identity Card Number"),
            QObject::tr("Page"),
            QObject::tr("Field"),
            QObject::tr("Value"),
            QObject::tr("Problem"),
            QObject::tr("How to fix it")};
}

QStringList problemRow(const ReturnProblem& problem) {
    return {severityName(severityOf(problem.code)),
            problem.code,
            problem.sheetNumber,
            problem.status,
            problem.surname,
            problem.firstName,
            problem.identity,
            problem.page > 0 ? QString::number(problem.page) : QString(),
            fieldOf(problem),
            problem.value,
            problem.message,
            fixOf(problem.code)};
}

QStringList totalsHeader(const ReturnReport& report) {
    QStringList header{QObject::tr("Category"), QObject::tr("Income"), QObject::tr("Total")};
    if (report.lastYear)
        header << QObject::tr("Last year") << QObject::tr("Change");
    return header;
}

QList<QStringList> totalsRows(const ReturnReport& report) {
    QList<QStringList> rows;
    const QList<CategoryChange> changes = categoryChanges(
        report.lastYear ? report.lastYear->categoryTotals : std::array<qint64, categoryCount>{},
        report.totals);
    for (const CategoryChange& change : changes) {
        QStringList row{QString(categoryLetter(change.category)), categoryName(change.category),
                        groupDigits(change.thisYear)};
        if (report.lastYear)
            row << groupDigits(change.lastYear) << change.percentText();
        rows << row;
    }
    rows << QStringList{QString(), QObject::tr("All income"), groupDigits(report.totals.income())};
    rows << QStringList{QString(), QObject::tr("Original records the save carries"),
                        QString::number(report.totals.records)};
    return rows;
}

QList<QStringList> csvRows(const ReportHeading& heading, const ReturnReport& report,
                           const QList<ReturnProblem>& problems) {
    QList<QStringList> rows{{QObject::tr("Employer"), heading.employerName},
                            {QObject::tr("File number"), heading.fileNumber},
                            {QObject::tr("Return year"), heading.returnYear},
                            {QObject::tr("Checked"), heading.checkedAt},
                            {QObject::tr("Errors"), QString::number(heading.errors)},
                            {QObject::tr("Warnings"), QString::number(heading.warnings)},
                            {QObject::tr("Hints"), QString::number(heading.hints)},
                            {},
                            problemHeader()};
    for (const ReturnProblem& problem : problems)
        rows << problemRow(problem);
    rows << QStringList{} << totalsHeader(report) << totalsRows(report);
    return rows;
}

QString csvText(const QList<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << csv::protectedCell(cell);
        // A terminal shows a carriage return as an escape; the lines end with a line feed alone.
        text += csv::line(cells).chopped(2) + u'\n';
    }
    return text;
}

QString plainText(const ReportHeading& heading, const ReturnReport& report) {
    QString text = QObject::tr("Check of the return %1, %2 (%3), checked %4\n%5\n")
                       .arg(heading.returnYear, heading.employerName, heading.fileNumber,
                            heading.checkedAt, countsText(heading));
    for (const ReturnProblem& problem : report.problems) {
        const QStringList row = problemRow(problem);
        text += QStringLiteral("\n%1 %2  %3\n")
                    .arg(row[severityColumn], -7)
                    .arg(problem.code, recordText(problem));
        QString where = problem.page > 0 ? QObject::tr("page %1").arg(problem.page) : QString();
        if (!fieldOf(problem).isEmpty())
            where += (where.isEmpty() ? QString() : QStringLiteral(", ")) + fieldOf(problem);
        if (!where.isEmpty())
            text += QStringLiteral("  %1: \"%2\"\n").arg(where, problem.value);
        text += QObject::tr("  %1\n  Fix: %2\n").arg(problem.message, fixOf(problem.code));
    }
    text += QObject::tr("\nControl totals\n");
    for (const QStringList& row : totalsRows(report))
        text += QStringLiteral("  %1 %2 %3%4\n")
                    .arg(row[0], -1)
                    .arg(row[1], -52)
                    .arg(row[2], 15)
                    .arg(row.size() > 3 ? QObject::tr("  last year %1 (%2)").arg(row[3], row[4])
                                        : QString());
    return text;
}

QByteArray jsonText(const ReportHeading& heading, const ReturnReport& report) {
    QJsonArray problems;
    for (const ReturnProblem& problem : report.problems)
        problems.append(problemObject(problem));
    const QJsonObject root{{"employer", heading.employerName},
                           {"fileNumber", heading.fileNumber},
                           {"returnYear", heading.returnYear},
                           {"checked", heading.checkedAt},
                           {"counts", QJsonObject{{"error", heading.errors},
                                                  {"warning", heading.warnings},
                                                  {"hint", heading.hints}}},
                           {"problems", problems},
                           {"controlTotals", totalsObject(report)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace validation
