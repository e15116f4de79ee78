#include "store/archive/last_year_return.h"

#include "core/records/return_check.h"
#include "core/validation/control_totals.h"
#include "store/archive/archive.h"
#include "store/returns/return_list.h"

#include <QDir>
#include <QLocale>
#include <QObject>

namespace archive {
namespace {

QString previousYear(const EmployerData& employer) {
    return QString::number(employer.returnYear.trimmed().toInt() - 1);
}

QString text(const FieldTexts& fields, const char* column) {
    return fieldText(fields, column).trimmed();
}

validation::LastYearEmployee employeeOf(const FieldTexts& fields) {
    const QString number = text(fields, "HKID");
    const QString check = text(fields, "ChkDigit");
    return {number.isEmpty() || check.isEmpty() ? number : number + u'(' + check + u')',
            text(fields, "Surname"), text(fields, "FirstName"),
            text(fields, "EDay2") + text(fields, "EMonth2") + text(fields, "EYear2"),
            text(fields, "Status").toUpper()};
}

QString descriptionOf(const Summary& summary) {
    return QObject::tr("saved %1 to %2")
        .arg(QLocale::c().toString(summary.savedAt, QStringLiteral("dd/MM/yyyy HH:mm")),
             summary.target);
}

// The entry's file number is printed as 6A1-12345678; an employer without one matches none.
bool sameEmployer(const Summary& summary, const EmployerData& employer) {
    const QString number = employer.fileNumber.trimmed();
    return !number.isEmpty() && summary.fileNumber.endsWith(number);
}

} // namespace

QStringList lastYearFolders(const QString& returnFolder, const EmployerData& employer) {
    QStringList folders{returnFolder};
    const QString year = previousYear(employer);
    for (const returnfiles::ListedReturn& listed :
         returnfiles::listReturns(returnfiles::userWorkspace(), returnFolder)) {
        const bool same = QDir(listed.folder) == QDir(returnFolder);
        if (!same && listed.summary.returnYear == year &&
            listed.summary.fileNumber == employer.fileNumber.trimmed())
            folders << listed.folder;
    }
    return folders;
}

std::optional<validation::LastYearReturn>
lastYearReturn(const QStringList& folders, const EmployerData& employer, const QString& password) {
    const std::optional<ArchivedReturn> archived =
        latestOfYear(previousYear(employer), folders, {password});
    if (!archived || !sameEmployer(archived->summary, employer))
        return std::nullopt;
    validation::LastYearReturn last{descriptionOf(archived->summary), {}, {}};
    validation::ControlTotals totals;
    for (const RowValues& row : archived->employees) {
        const FieldTexts fields = recordTexts(row);
        last.employees << employeeOf(fields);
        totals.add(fields);
    }
    last.categoryTotals = totals.categories;
    return last;
}

std::optional<validation::LastYearReturn>
lastYearReturn(const QString& returnFolder, const EmployerData& employer, const QString& password) {
    return lastYearReturn(lastYearFolders(returnFolder, employer), employer, password);
}

} // namespace archive
