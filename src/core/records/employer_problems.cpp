// The employer row's own problems, which lead every report of a return.
#include "core/employer/employer_rules.h"
#include "core/records/return_check.h"
#include "core/validation/problem_codes.h"

#include <QObject>

namespace {

// The employer's items as its screen names them, with the column each is stored in.
struct EmployerItem {
    QString EmployerData::*text;
    const char* column;
    const char* name;
    const char* refusedCode; // what a value its screen refuses is reported as
};

constexpr EmployerItem employerItems[]{
    {&EmployerData::returnYear, "ReturnYear", "year of return", validation::code::employerYear},
    {&EmployerData::section, "Session", "section of the file number",
     validation::code::employerSection},
    {&EmployerData::fileNumber, "BRN", "file number", validation::code::employerFileNumber},
    {&EmployerData::name, "Name", "name", nullptr},
    {&EmployerData::designation, "Designation", "designation of the signatory", nullptr},
    {&EmployerData::submissionDate, "SubmissionDate", "date of submission",
     validation::code::employerDate},
};

// What the employer screen would say of the item's value, if it refuses it.
std::optional<QString> employerRefusal(const EmployerData& employer, QString EmployerData::*item) {
    if (item == &EmployerData::returnYear)
        return returnYearRefusal(employer.returnYear);
    if (item == &EmployerData::section)
        return sectionRefusal(employer.section);
    if (item == &EmployerData::fileNumber)
        return checkFileNumber(employer.fileNumber).refusal;
    return submissionDateRefusal(employer.submissionDate, employer.returnYear);
}

} // namespace

QList<ReturnProblem> employerProblems(const EmployerData& employer) {
    QList<ReturnProblem> problems;
    auto add = [&](const EmployerItem& item, const QString& message, const char* code) {
        problems << ReturnProblem{std::nullopt,
                                  {},
                                  {},
                                  0,
                                  QLatin1String(item.column),
                                  message,
                                  ReturnProblem::Kind::WholeReturn,
                                  {},
                                  QLatin1String(code),
                                  {},
                                  {},
                                  employer.*item.text};
    };
    for (const EmployerItem& item : employerItems)
        if ((employer.*item.text).trimmed().isEmpty())
            add(item, QObject::tr("The employer's %1 is missing.").arg(QLatin1String(item.name)),
                validation::code::employerMissing);
    for (const EmployerItem& item : employerItems)
        if (item.refusedCode && !(employer.*item.text).isEmpty())
            if (const auto refusal = employerRefusal(employer, item.text))
                add(item, *refusal, item.refusedCode);
    return problems;
}
