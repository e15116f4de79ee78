#include "cli/backup_commands.h"

#include "common/engine_error.h"
#include "store/backups.h"
#include "store/schema.h"

#include <QDir>

namespace cli {
namespace {

const QString shownTime = QStringLiteral("yyyy-MM-dd HH:mm");

} // namespace

int listBackups(const QString& programFolder, QTextStream& out, QTextStream& errors) {
    QList<backups::Backup> copies;
    try {
        copies = backups::list(programFolder, {schema::defaultPassword, QString()});
    } catch (const EngineError& error) {
        errors << "xw73d: " << error.description() << '\n';
        return 1;
    }
    if (copies.isEmpty()) {
        out << "No backup copies in "
            << QDir::toNativeSeparators(QDir(programFolder).filePath(backups::folderName)) << ".\n";
        return 0;
    }
    for (const backups::Backup& copy : copies)
        out << copy.name << "  " << copy.taken.toString(shownTime) << "  " << qSetFieldWidth(15)
            << Qt::left << copy.reason << qSetFieldWidth(12) << Qt::right << copy.size
            << qSetFieldWidth(0) << " bytes  "
            << (copy.records ? QString::number(*copy.records) : QStringLiteral("?"))
            << " records\n";
    return 0;
}

int restoreBackup(const QString& programFolder, const QString& name, const QDateTime& now,
                  QTextStream& out, QTextStream& errors) {
    const std::optional<backups::Backup> copy = backups::parseName(name);
    QString keptName;
    try {
        keptName = backups::restore(programFolder, name, now);
    } catch (const EngineError& error) {
        errors << "xw73d: " << error.description() << '\n';
        return 1;
    }
    if (!keptName.isEmpty())
        out << "The working database as it was is kept as " << keptName << ".\n";
    out << "The working database is now the backup copy " << name << ".\n"
        << "Its password is the one that was in use when the copy was taken, on "
        << copy->taken.toString(shownTime) << ".\n";
    return 0;
}

} // namespace cli
