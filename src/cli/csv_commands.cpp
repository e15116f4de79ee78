#include "cli/csv_commands.h"

#include "cli/error_report.h"
#include "cli/verbs.h"
#include "core/common/engine_error.h"
#include "core/common/files.h"
#include "core/common/secrets.h"
#include "store/common/database.h"
#include "store/common/schema.h"
#include "store/import/record_transfer.h"

#include <QCommandLineParser>
#include <QDir>
#include <QScopeGuard>
#include <QStandardPaths>
#include <optional>

namespace cli {
namespace {

struct VerbArguments {
    QString file;
    QString dataDir;
    bool dryRun = false;
};

std::optional<VerbArguments> readArguments(const QStringList& arguments, bool takesDryRun,
                                           QTextStream& errors, const char* usage) {
    QCommandLineParser parser;
    const QCommandLineOption dataDir = parserOption(dataDirOption);
    const QCommandLineOption dryRun = parserOption(dryRunOption);
    parser.addOption(dataDir);
    if (takesDryRun)
        parser.addOption(dryRun);
    if (!parser.parse(QStringList{QStringLiteral("xw73d")} + arguments) ||
        parser.positionalArguments().size() != 1) {
        if (!parser.errorText().isEmpty())
            errors << parser.errorText() << '\n';
        errors << "usage: " << usage << '\n';
        return std::nullopt;
    }
    return VerbArguments{parser.positionalArguments().first(), parser.value(dataDir),
                         takesDryRun && parser.isSet(dryRun)};
}

// The working database of the program folder, opened exclusively as the program opens it: while
// the program holds it, this fails and says so.
Database openWorkingDatabase(const QString& dataDir, const std::function<QString()>& password) {
    const QString folder = dataDir.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : QDir(dataDir).absolutePath();
    if (!files::exists(folder, schema::workingFile))
        throw EngineError(engine::FileNotFound,
                          QObject::tr("There is no working database in the folder '%1'.")
                              .arg(QDir::toNativeSeparators(folder)));
    QString given = password();
    const auto forget = qScopeGuard([&given] { secrets::overwrite(given); });
    return Database::open(databasePath(folder, DatabaseFile::Working),
                          OpenOptions{.password = given, .exclusive = true});
}

int importPlan(Database& db, const VerbArguments& arguments, QTextStream& out) {
    const ImportPlan plan = dryRun(db, arguments.file);
    forEachReportLine(plan, [&out](const QString& line) { out << line << '\n'; });
    const int refused = plan.rowsWithProblems();
    if (!arguments.dryRun) {
        // Without a window to choose in, only the rows without problems are imported.
        const std::optional<int> stored =
            importRecords(db, chosenRows(plan, ImportChoice::RowsWithoutProblems));
        out << stored.value_or(0) << " records imported, " << refused << " rows refused.\n";
    }
    return refused > 0 ? RowsRefused : Completed;
}

int exportAll(Database& db, const VerbArguments& arguments, QTextStream& out) {
    const int count = exportRecords(db, arguments.file);
    out << count << " records exported to " << QDir::toNativeSeparators(arguments.file) << ".\n";
    return Completed;
}

// A verb's arguments read, its database opened and its work done, each failure told on
// `errors` with the verb's name.
int runOnDatabase(const QStringList& arguments, bool takesDryRun, const char* verb,
                  const char* synopsis, QTextStream& out, QTextStream& errors,
                  const std::function<QString()>& password,
                  int (*work)(Database&, const VerbArguments&, QTextStream&)) {
    const auto read = readArguments(arguments, takesDryRun, errors, synopsis);
    if (!read)
        return Failed;
    return runReportingTo(errors, QStringLiteral("xw73d ") + QLatin1String(verb), Failed, [&] {
        Database db = openWorkingDatabase(read->dataDir, password);
        return work(db, *read, out);
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

} // namespace cli
