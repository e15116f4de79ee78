#include "core/returns/workspace_rules.h"

#include "core/common/dates.h"
#include "core/reports/pdf_names.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>

namespace workspace {

QString defaultFolderBeside(const QString& userProgramFolder) {
    return QFileInfo(userProgramFolder).absolutePath() + QStringLiteral("/returns");
}

QString proposedName(const QString& employerName, const QString& year, const QStringList& taken) {
    const QString employer =
        employerName.trimmed().isEmpty() ? QObject::tr("Return") : employerName.trimmed();
    const QString base = pdfname::safeFileName(
        year.trimmed().isEmpty() ? employer : employer + u' ' + year.trimmed());
    QString name = base;
    for (int copy = 2; taken.contains(name, Qt::CaseInsensitive); ++copy)
        name = base + QStringLiteral(" (%1)").arg(copy);
    return name;
}

std::optional<QString> nameRefusal(const QString& name, const QStringList& taken) {
    if (name.trimmed().isEmpty())
        return QObject::tr("Please enter a name for the return's folder.");
    if (name != pdfname::safeFileName(name) || name.startsWith(u'.') ||
        name.compare(removedFolderName, Qt::CaseInsensitive) == 0)
        return QObject::tr("'%1' cannot be the name of a folder. Please choose another name.")
            .arg(name);
    if (taken.contains(name, Qt::CaseInsensitive))
        return QObject::tr("A return named '%1' is in the list already. Please choose another "
                           "name.")
            .arg(name);
    return std::nullopt;
}

QString nextYear(const QString& returnYear) {
    bool number = false;
    const int year = returnYear.trimmed().toInt(&number);
    if (!number || returnYear.trimmed().size() != 4 || year >= 9999)
        return QString();
    return QString::number(year + 1);
}

bool endedBeforeNextYear(const QString& lastDay, const QString& returnYear) {
    if (lastDay.size() != 8 || !isCalendarDate(lastDay))
        return false;
    const QString sortable = lastDay.mid(4, 4) + lastDay.mid(2, 2) + lastDay.left(2);
    return sortable < returnYear.trimmed() + QStringLiteral("0331");
}

} // namespace workspace
