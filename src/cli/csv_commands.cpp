#include "cli/csv_commands.h"

#include "cli/error_report.h"
#include "cli/verbs.h"
#include "cli/working_database.h"
#include "core/common/engine_error.h"
#include "core/common/files.h"
#include "core/common/secrets.h"
#include "store/common/database.h"
#include "store/common/schema.h"
#include "store/import/record_transfer.h"
#include "store/import/workbook_export.h"
#include "store/startup/backups.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QObject>
#include <QScopeGuard>
#include <QStandardPaths>
#include <optional>

namespace cli {
namespace {

struct VerbArguments {
    QString file;
    QString dataDir;
    bool dryRun = false;
    QString sheet;
};

std::optional<VerbArguments> readArguments(const QStringList& arguments, bool takesDryRun,
                                           QTextStream& errors, const char* usage) {
    QCommandLineParser parser;
    const QCommandLineOption dataDir = parserOption(dataDirOption);
    const QCommandLineOption dryRun = parserOption(dryRunOption);
    const QCommandLineOption sheet = parserOption(sheetOption);
    parser.addOption(dataDir);
    if (takesDryRun) {
        parser.addOption(dryRun);
        parser.addOption(sheet);
    }
    if (!parser.parse(QStringList{QStringLiteral("xw73d")} + arguments) ||
        parser.positionalArguments().size() != 1) {
        if (!parser.errorText().isEmpty())
            errors << parser.errorText() << '\n';
        errors << "usage: " << usage << '\n';
        return std::nullopt;
    }
    return VerbArguments{parser.positionalArguments().first(), parser.value(dataDir),
                         takesDryRun && parser.isSet(dryRun),
                         takesDryRun ? parser.value(sheet) : QString()};
}

// What a verb works with: its arguments, the program folder and the working database opened
// with the password given, which the import keeps for its backup copy.
struct VerbContext {
    VerbArguments arguments;
    QString folder;
    QString password;
};

// The copy the program takes before an import, under the same password; without it nothing is
// imported, as there is nobody to ask whether to go on.
void backUpBeforeImport(Database& db, const VerbContext& context) {
    try {
        backups::take(db, context.folder, context.password, backups::reason::import,
                      QDateTime::currentDateTime());
    } catch (const EngineError& error) {
        throw EngineError(error.number(),
                          QObject::tr("No backup copy of the database could be made: %1 Nothing "
                                      "was imported.")
                              .arg(error.description()));
    }
}

int importPlan(Database& db, const VerbContext& context, QTextStream& out) {
    const ImportPlan plan = dryRun(db, context.arguments.file, context.arguments.sheet);
    forEachReportLine(plan, [&out](const QString& line) { out << line << '\n'; });
    const int refused = plan.rowsWithProblems();
    if (!context.arguments.dryRun) {
        backUpBeforeImport(db, context);
        // Without a window to choose in, only the rows without problems are imported.
        const std::optional<int> stored =
            importRecords(db, chosenRows(plan, ImportChoice::RowsWithoutProblems));
        out << QObject::tr("%1 records imported, %2 rows refused.\n")
                   .arg(stored.value_or(0))
                   .arg(refused);
    }
    return refused > 0 ? RowsRefused : Completed;
}

int exportAll(Database& db, const VerbContext& context, QTextStream& out) {
    const int count = exportRecordsByName(db, context.arguments.file);
    out << QObject::tr("%1 records exported to %2.\n")
               .arg(count)
               .arg(QDir::toNativeSeparators(context.arguments.file));
    return Completed;
}

int writeTemplate(Database& db, const VerbContext& context, QTextStream& out) {
    exportTemplateByName(db, context.arguments.file);
    out << QObject::tr("Template written to %1.\n")
               .arg(QDir::toNativeSeparators(context.arguments.file));
    return Completed;
}

// A verb's arguments read, its database opened and its work done, each failure told on
// `errors` with the verb's name.
int runOnDatabase(const QStringList& arguments, bool takesDryRun, const char* verb,
                  const char* synopsis, QTextStream& out, QTextStream& errors,
                  const std::function<QString()>& password,
                  int (*work)(Database&, const VerbContext&, QTextStream&)) {
    const auto read = readArguments(arguments, takesDryRun, errors, synopsis);
    if (!read)
        return Failed;
    return runReportingTo(errors, QStringLiteral("xw73d ") + QLatin1String(verb), Failed, [&] {
        VerbContext context{*read, programFolder(read->dataDir), password()};
        const auto forget = qScopeGuard([&context] { secrets::overwrite(context.password); });
        Database db = openWorkingDatabase(context.folder, context.password);
        return work(db, context, out);
    });
}

} // namespace

int runImport(const QStringList& arguments, QTextStream& out, QTextStream& errors,
              const std::function<QString()>& password) {
    return runOnDatabase(arguments, true, "import", importSynopsis, out, errors, password,
                         importPlan);
}

int runExport(const QStringList& arguments, QTextStream& out, QTextStream& errors,
              const std::function<QString()>& password) {
    return runOnDatabase(arguments, false, "export", exportSynopsis, out, errors, password,
                         exportAll);
}

int runTemplate(const QStringList& arguments, QTextStream& out, QTextStream& errors,
                const std::function<QString()>& password) {
    return runOnDatabase(arguments, false, "template", templateSynopsis, out, errors, password,
                         writeTemplate);
}

} // namespace cli
