#include "cli/returns_command.h"

#include "core/employer/employer_rules.h"
#include "store/returns/return_list.h"

#include <QDir>
#include <QLocale>
#include <QObject>
#include <QTextStream>
#include <algorithm>

namespace cli {
namespace {

const QString shownTime = QStringLiteral("yyyy-MM-dd HH:mm");

QString timeText(const QDateTime& time) {
    return time.isValid() ? time.toString(shownTime) : QStringLiteral("-");
}

QStringList lineOf(const returnfiles::ListedReturn& listed) {
    const ReturnSummary& summary = listed.summary;
    const bool known =
        listed.condition != ReturnCondition::NoSummary && !summary.returnYear.isEmpty();
    return {listed.name,
            summary.employerName,
            wholeFileNumber(summary.section, summary.fileNumber),
            summary.returnYear,
            known ? QLocale(QLocale::English).toString(summary.recordCount) : QString(),
            known ? timeText(summary.lastChange) : QString(),
            known ? timeText(summary.lastSave) : QString(),
            conditionWord(listed.condition)};
}

// Columns as wide as their longest text, so that the list reads as a table on a terminal.
void printTable(const QList<QStringList>& lines, QTextStream& out) {
    QList<qsizetype> widths(lines.first().size(), 0);
    for (const QStringList& line : lines)
        for (qsizetype column = 0; column < line.size(); ++column)
            widths[column] = std::max(widths[column], line[column].size());
    for (const QStringList& line : lines) {
        QString text;
        for (qsizetype column = 0; column < line.size(); ++column)
            text += line[column].leftJustified(widths[column] + 2);
        out << text.trimmed() << '\n';
    }
}

} // namespace

int listReturns(const returnfiles::Workspace& workspace, QTextStream& out) {
    const QList<returnfiles::ListedReturn> returns = returnfiles::listReturns(workspace);
    if (returns.isEmpty()) {
        out << QObject::tr("No returns in %1.\n").arg(QDir::toNativeSeparators(workspace.folder));
        return 0;
    }
    QList<QStringList> lines{{QObject::tr("Return"), QObject::tr("Employer"),
                              QObject::tr("File number"), QObject::tr("Year"),
                              QObject::tr("Records"), QObject::tr("Last change"),
                              QObject::tr("Last save"), QObject::tr("State")}};
    for (const returnfiles::ListedReturn& listed : returns)
        lines << lineOf(listed);
    printTable(lines, out);
    return 0;
}

QString returnFolder(const returnfiles::Workspace& workspace, const QString& name,
                     QTextStream& errors) {
    if (const std::optional<returnfiles::ListedReturn> found =
            returnfiles::findReturn(workspace, name))
        return found->folder;
    errors << QObject::tr("xw73d: there is no return named '%1' in %2; 'xw73d returns' lists "
                          "the returns.\n")
                  .arg(name, QDir::toNativeSeparators(workspace.folder));
    return QString();
}

} // namespace cli
