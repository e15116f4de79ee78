#include "cli/backup_commands.h"

#include "cli/error_report.h"
#include "core/common/secrets.h"
#include "store/common/schema.h"
#include "store/startup/backups.h"

#include <QDir>
#include <QObject>
#include <algorithm>

namespace cli {
namespace {

const QString shownTime = QStringLiteral("yyyy-MM-dd HH:mm");

bool someCountUnread(const QList<backups::Backup>& copies) {
    return std::any_of(copies.cbegin(), copies.cend(),
                       [](const backups::Backup& copy) { return !copy.records; });
}

// The copies with their counts: first with the default password alone, and only when that
// leaves some copy unread with the password the user gives.
QList<backups::Backup> listedCopies(const QString& programFolder,
                                    const std::function<QString()>& password) {
    const QStringList withoutAsking{schema::defaultPassword, QString()};
    QList<backups::Backup> copies = backups::list(programFolder, withoutAsking);
    if (!someCountUnread(copies))
        return copies;
    QString given = password();
    copies = backups::list(programFolder, withoutAsking + QStringList{given});
    secrets::overwrite(given);
    return copies;
}

void printCopies(const QList<backups::Backup>& copies, const QString& programFolder,
                 QTextStream& out) {
    if (copies.isEmpty()) {
        out << QObject::tr("No backup copies in %1.\n")
                   .arg(
                       QDir::toNativeSeparators(QDir(programFolder).filePath(backups::folderName)));
        return;
    }
    for (const backups::Backup& copy : copies)
        out << copy.name << "  " << copy.taken.toString(shownTime) << "  " << qSetFieldWidth(15)
            << Qt::left << copy.reason << qSetFieldWidth(12) << Qt::right << copy.size
            << qSetFieldWidth(0) << QObject::tr(" bytes  ")
            << (copy.records ? QString::number(*copy.records) : QStringLiteral("?"))
            << QObject::tr(" records\n");
}

} // namespace

int listBackups(const QString& programFolder, QTextStream& out, QTextStream& errors,
                const std::function<QString()>& password) {
    return runReportingTo(errors, QStringLiteral("xw73d"), 1, [&] {
        printCopies(listedCopies(programFolder, password), programFolder, out);
        return 0;
    });
}

int restoreBackup(const QString& programFolder, const QString& name, const QDateTime& now,
                  QTextStream& out, QTextStream& errors) {
    return runReportingTo(errors, QStringLiteral("xw73d"), 1, [&] {
        const QString keptName = backups::restore(programFolder, name, now);
        if (!keptName.isEmpty())
            out << QObject::tr("The working database as it was is kept as %1.\n").arg(keptName);
        out << QObject::tr("The working database is now the backup copy %1, taken on %2.\n")
                   .arg(name, backups::parseName(name)->taken.toString(shownTime))
            << QObject::tr("Its password is the one in use before the restore: a password "
                           "change gives every kept copy the new password.\n");
        return 0;
    });
}

} // namespace cli
