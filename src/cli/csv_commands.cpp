#include "cli/csv_commands.h"

#include "cli/error_report.h"
#include "cli/verbs.h"
#include "cli/working_database.h"
#include "core/common/engine_error.h"
#include "core/common/files.h"
#include "core/common/secrets.h"
#include "store/common/database.h"
#include "store/common/schema.h"
#include "store/import/kept_mappings.h"
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
    ImportKinds kinds; // adding alone unless --update is given
    bool emptyCellsClear = false;
    QString mappingFile;
};

// The import's own options; the other verbs take none of them.
const VerbOption importOptions[] = {dryRunOption, sheetOption,      addOption,
                                    updateOption, clearEmptyOption, mappingOption};

void takeImportOptions(const QCommandLineParser& parser, VerbArguments& read) {
    auto isSet = [&parser](const VerbOption& option) {
        return parser.isSet(QLatin1String(option.name));
    };
    read.dryRun = isSet(dryRunOption);
    // Updating stored records is asked for explicitly; a plain import only adds, as before.
    read.kinds = ImportKinds{isSet(addOption) || !isSet(updateOption), isSet(updateOption)};
    read.emptyCellsClear = isSet(clearEmptyOption);
    read.mappingFile = parser.value(QLatin1String(mappingOption.name));
    read.sheet = parser.value(QLatin1String(sheetOption.name));
}

std::optional<VerbArguments> readArguments(const QStringList& arguments, bool isImport,
                                           QTextStream& errors, const char* usage) {
    QCommandLineParser parser;
    const QCommandLineOption dataDir = parserOption(dataDirOption);
    parser.addOption(dataDir);
    if (isImport)
        for (const VerbOption& option : importOptions)
            parser.addOption(parserOption(option));
    if (!parser.parse(QStringList{QStringLiteral("xw73d")} + arguments) ||
        parser.positionalArguments().size() != 1) {
        if (!parser.errorText().isEmpty())
            errors << parser.errorText() << '\n';
        errors << "usage: " << usage << '\n';
        return std::nullopt;
    }
    VerbArguments read;
    read.file = parser.positionalArguments().first();
    read.dataDir = parser.value(dataDir);
    if (isImport)
        takeImportOptions(parser, read);
    return read;
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

// The mapping named on the command line must be made for the file's header; otherwise those
// kept with the return are used, as in the editor.
ImportPlan plannedImport(Database& db, const VerbContext& context) {
    const VerbArguments& arguments = context.arguments;
    const bool named = !arguments.mappingFile.isEmpty();
    const DryRunOptions options{named ? mappingsInFile(arguments.mappingFile)
                                      : keptMappings(context.folder),
                                arguments.emptyCellsClear, arguments.sheet};
    ImportPlan plan = dryRun(db, arguments.file, options);
    if (named && !plan.mapped)
        throw EngineError(engine::InvalidArgument,
                          QObject::tr("The column mapping '%1' is not made for the header of "
                                      "'%2'. Nothing was imported.")
                              .arg(QDir::toNativeSeparators(arguments.mappingFile),
                                   QDir::toNativeSeparators(arguments.file)));
    return plan;
}

int importPlan(Database& db, const VerbContext& context, QTextStream& out) {
    const ImportPlan plan = plannedImport(db, context);
    auto print = [&out](const QString& line) { out << line << '\n'; };
    forEachReportLine(plan, print);
    forEachChangeLine(plan, print);
    const int refused = plan.rowsWithProblems();
    if (!context.arguments.dryRun) {
        backUpBeforeImport(db, context);
        // Without a window to choose in, only the rows without problems are imported.
        const std::optional<ImportCounts> stored = importRecords(
            db, chosenWork(plan, ImportChoice::RowsWithoutProblems, context.arguments.kinds));
        if (context.arguments.kinds.updateMatching)
            out << QObject::tr("%1 records updated.\n").arg(stored ? stored->updated : 0);
        out << QObject::tr("%1 records imported, %2 rows refused.\n")
                   .arg(stored ? stored->added : 0)
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
int runOnDatabase(const QStringList& arguments, bool isImport, const char* verb,
                  const char* synopsis, QTextStream& out, QTextStream& errors,
                  const std::function<QString()>& password,
                  int (*work)(Database&, const VerbContext&, QTextStream&)) {
    const auto read = readArguments(arguments, isImport, errors, synopsis);
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
