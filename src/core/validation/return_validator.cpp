#include "core/validation/return_validator.h"

#include "core/common/amounts.h"
#include "core/records/record_types.h"
#include "core/validation/record_warnings.h"

#include <QObject>
#include <algorithm>

namespace validation {
namespace {

using Kind = ReturnProblem::Kind;

bool isOriginal(const QString& status) {
    return status.compare(QChar(recordtype::original), Qt::CaseInsensitive) == 0;
}

ReturnProblem returnProblem(int page, const QString& column, const QString& message,
                            const char* code, const QString& value) {
    ReturnProblem problem;
    problem.page = page;
    problem.column = column;
    problem.message = message;
    problem.kind = Kind::WholeReturn;
    problem.code = sharedText(code);
    problem.value = value;
    return problem;
}

} // namespace

int ReturnReport::count(Severity severity) const {
    return int(std::ranges::count_if(problems, [severity](const ReturnProblem& problem) {
        return severityOf(problem.code) == severity;
    }));
}

int ReturnReport::errorsStoppingSave() const {
    QSet<qint64> leftOut;
    for (const ReturnProblem& problem : problems)
        if (problem.record && problem.code == QLatin1String(code::leftOutBySave))
            leftOut.insert(*problem.record);
    return int(std::ranges::count_if(problems, [&leftOut](const ReturnProblem& problem) {
        return severityOf(problem.code) == Severity::Error &&
               !(problem.record && leftOut.contains(*problem.record));
    }));
}

ReturnValidator::ReturnValidator(const EmployerData& employer,
                                 std::optional<LastYearReturn> lastYear)
    : m_employer(employer)
    , m_check(employer)
    , m_lastYear(std::move(lastYear))
    // The employer's problems come first; the list is handed over whole at the end, without a
    // copy of every record's problems beside it.
    , m_problems(employerProblems(employer)) {}

void ReturnValidator::addRecord(std::optional<qint64> record, FieldView fields,
                                const QString& where) {
    m_problems << m_check.checkRecord(record, fields, where);
    QList<ReturnProblem> warnings = recordWarnings(fields);
    for (ReturnProblem& problem : warnings)
        problem.record = record;
    m_problems << std::move(warnings);
    const QString status = fieldText(fields, "Status");
    if (isOriginal(status)) {
        if (!leftOutBySave(fields, m_employer.returnYear))
            m_totals.add(fields);
        checkName(record, fields, where);
    }
    if (m_lastYear) {
        m_seen.insert(identityKey(fieldText(fields, "HKID")));
        m_seen.insert(namesKey(fieldText(fields, "Surname"), fieldText(fields, "FirstName")));
    }
}

// The same names under two identity numbers: a number mistyped, or one person entered twice.
void ReturnValidator::checkName(std::optional<qint64> record, FieldView fields,
                                const QString& where) {
    // A number of the wrong shape is an error of its own already.
    const QString number = identityKey(fieldText(fields, "HKID"));
    if (!identityCheckCharacter(number))
        return;
    const QString names = namesKey(fieldText(fields, "Surname"), fieldText(fields, "FirstName"));
    const auto first = m_originalNames.constFind(names);
    if (first == m_originalNames.constEnd()) {
        m_originalNames.insert(names, NameHolder{number, where});
        return;
    }
    if (first->number == number)
        return;
    ReturnProblem problem = returnProblem(
        1, QStringLiteral("HKID"),
        QObject::tr("The name %1 is also on the original %2, with the identity number %3.")
            .arg(fieldText(fields, "Surname") + QStringLiteral(", ") +
                     fieldText(fields, "FirstName"),
                 first->where, first->number),
        code::nameOtherIdentity, identityText(fields));
    problem.record = record;
    problem.surname = fieldText(fields, "Surname");
    problem.firstName = fieldText(fields, "FirstName");
    problem.sheetNumber = fieldText(fields, "SheetNo").trimmed();
    problem.status = fieldText(fields, "Status");
    problem.identity = problem.value; // one text for both
    m_problems << std::move(problem);
}

void ReturnValidator::addLastYearProblems() {
    for (const LastYearEmployee& employee : m_lastYear->employees) {
        const QString number = identityKey(employee.identity);
        const bool here = number.isEmpty()
                              ? m_seen.contains(namesKey(employee.surname, employee.otherNames))
                              : m_seen.contains(number);
        if (here || !isOriginal(employee.type) ||
            !stillEmployedAtYearStart(employee, m_employer.returnYear))
            continue;
        ReturnProblem problem = returnProblem(
            0, QString(),
            QObject::tr("%1, %2 was on last year's return (%3) until its last day and is not "
                        "on this one.")
                .arg(employee.surname, employee.otherNames, m_lastYear->description),
            code::missingFromLastYear, employee.identity);
        problem.surname = employee.surname;
        problem.firstName = employee.otherNames;
        problem.status = employee.type;
        problem.identity = employee.identity;
        m_problems << std::move(problem);
    }
    for (const CategoryChange& change : categoryChanges(m_lastYear->categoryTotals, m_totals))
        if (change.large())
            m_problems << returnProblem(
                2, QString(),
                QObject::tr("The total of category %1 (%2) changed by more than half: %3 last "
                            "year, %4 this year (%5).")
                    .arg(categoryLetter(change.category))
                    .arg(categoryName(change.category), groupDigits(change.lastYear),
                         groupDigits(change.thisYear), change.percentText()),
                code::categoryChanged, groupDigits(change.thisYear));
}

ReturnReport ReturnValidator::finish() {
    ReturnReport report;
    m_check.forEachRepeatedIdentity(
        [this](const ReturnProblem& problem) { m_problems << problem; });
    if (m_lastYear)
        addLastYearProblems();
    report.problems = std::move(m_problems);
    report.totals = m_totals;
    if (m_lastYear) {
        m_lastYear->employees.clear();
        report.lastYear = std::move(m_lastYear);
    }
    return report;
}

} // namespace validation
