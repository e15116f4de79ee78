#pragma once

#include "core/records/return_check.h"
#include "core/validation/last_year.h"
#include "core/validation/problem_codes.h"

#include <QSet>
#include <optional>

// The check of a whole return as the program, the save and the command line report it: every
// problem with its code and severity, the control totals of the records the save carries and,
// when last year's saved return is known, each category beside last year's.
namespace validation {

struct ReturnReport {
    QList<ReturnProblem> problems;
    ControlTotals totals;
    std::optional<LastYearReturn> lastYear; // its employees are not kept

    int count(Severity severity) const;
    bool hasErrors() const { return count(Severity::Error) > 0; }
    // The errors that stop a save: all but those of original records the save leaves out, which
    // the save tells of itself once it has built the submission.
    int errorsStoppingSave() const;
};

// Records are added one at a time, so a large return need not be held; only what the rules
// across records need (identity numbers, names) is kept of each.
class ReturnValidator {
public:
    explicit ReturnValidator(const EmployerData& employer,
                             std::optional<LastYearReturn> lastYear = std::nullopt);

    // `where` names the record in other records' problems: "record CHAN, TAI MAN (sheet 3)".
    void addRecord(std::optional<qint64> record, FieldView fields, const QString& where);
    ReturnReport finish();

private:
    struct NameHolder {
        QString number;
        QString where;
    };
    void checkName(std::optional<qint64> record, FieldView fields, const QString& where);
    void addLastYearProblems();

    EmployerData m_employer;
    ReturnCheck m_check;
    std::optional<LastYearReturn> m_lastYear;
    QList<ReturnProblem> m_problems;
    ControlTotals m_totals;
    QHash<QString, NameHolder> m_originalNames; // names of "O" records with a number
    QSet<QString> m_seen;                       // identity and names keys, for last year
};

} // namespace validation
