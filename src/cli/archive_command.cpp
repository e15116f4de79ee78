#include "cli/archive_command.h"

#include "cli/error_report.h"
#include "cli/verbs.h"
#include "core/common/amounts.h"
#include "store/archive/archive.h"
#include "store/common/schema.h"

#include <QCommandLineParser>
#include <QDir>
#include <QObject>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

namespace cli {
namespace {

std::optional<QString> listedFolder(const QStringList& arguments, QTextStream& errors) {
    QCommandLineParser parser;
    const QCommandLineOption dataDir = parserOption(dataDirOption);
    parser.addOption(dataDir);
    if (!parser.parse(QStringList{QStringLiteral("xw73d")} + arguments) ||
        parser.positionalArguments() != QStringList{QStringLiteral("list")}) {
        if (!parser.errorText().isEmpty())
            errors << parser.errorText() << '\n';
        errors << "usage: " << archiveSynopsis << '\n';
        return std::nullopt;
    }
    const QString given = parser.value(dataDir);
    return given.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                           : QDir(given).absolutePath();
}

bool someUnopened(const QList<archive::Listed>& entries) {
    return std::any_of(entries.cbegin(), entries.cend(), [](const archive::Listed& entry) {
        return entry.standing == archive::Standing::DoesNotOpen;
    });
}

QList<archive::Listed> listedEntries(const QString& folder,
                                     const std::function<QString()>& password) {
    QList<archive::Listed> entries = archive::list(folder, schema::defaultPassword);
    if (someUnopened(entries))
        entries = archive::list(folder, password());
    return entries;
}

void printEntry(const archive::Listed& entry, QTextStream& out) {
    out << QDir(entry.folder).dirName();
    if (entry.summary)
        out << "  " << entry.summary->savedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")) << "  "
            << QDir::toNativeSeparators(entry.summary->target) << "  " << entry.summary->records
            << " records  " << groupDigits(entry.summary->income);
    out << "  " << archive::standingText(entry.standing);
    if (!entry.problem.isEmpty())
        out << ": " << entry.problem;
    out << '\n';
}

} // namespace

int runArchive(const QStringList& arguments, QTextStream& out, QTextStream& errors,
               const std::function<QString()>& password) {
    const std::optional<QString> folder = listedFolder(arguments, errors);
    if (!folder)
        return 2;
    return runReportingTo(errors, QStringLiteral("xw73d archive"), 2, [&] {
        const QList<archive::Listed> entries = listedEntries(*folder, password);
        if (entries.isEmpty())
            out << QObject::tr("No submission is kept in the archive of '%1'.\n")
                       .arg(QDir::toNativeSeparators(*folder));
        bool allVerify = true;
        for (const archive::Listed& entry : entries) {
            printEntry(entry, out);
            allVerify = allVerify && entry.standing == archive::Standing::Verifies;
        }
        return allVerify ? 0 : 1;
    });
}

} // namespace cli
