#include "cli/verbs.h"

#include "cli/archive_command.h"
#include "cli/backup_commands.h"
#include "cli/check_command.h"
#include "cli/csv_commands.h"
#include "cli/returns_command.h"
#include "cli/terminal_password.h"
#include "cli/verify_command.h"
#include "core/platform/program_folder.h"
#include "store/returns/return_list.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QDateTime>
#include <QObject>
#include <QTextStream>

namespace cli {
namespace {

std::function<QString()> passwordAsker(QTextStream& errors) {
    return [&errors] { return commandLinePassword(errors); };
}

int verify(const VerbCall& call) {
    return runVerify(call.arguments, call.out, call.errors, passwordAsker(call.errors));
}

int listArchive(const VerbCall& call) {
    return runArchive(call.arguments, call.out, call.errors, passwordAsker(call.errors));
}

int importRecords(const VerbCall& call) {
    return runImport(call.arguments, call.out, call.errors, passwordAsker(call.errors));
}

int checkReturn(const VerbCall& call) {
    return runCheck(call.arguments, call.out, call.errors, passwordAsker(call.errors));
}

int exportRecords(const VerbCall& call) {
    return runExport(call.arguments, call.out, call.errors, passwordAsker(call.errors));
}

int writeTemplate(const VerbCall& call) {
    return runTemplate(call.arguments, call.out, call.errors, passwordAsker(call.errors));
}

// The backup verbs work on the program folder, which they may have to create.
int inProgramFolder(const VerbCall& call, const std::function<int(const QString&)>& work) {
    const QString folder = platform::programFolder(call.dataDir);
    if (folder.isEmpty()) {
        call.errors << QObject::tr("xw73d: the program folder cannot be found or created.\n");
        return 1;
    }
    return work(folder);
}

int listCopies(const VerbCall& call) {
    return inProgramFolder(call, [&call](const QString& folder) {
        return listBackups(folder, call.out, call.errors, passwordAsker(call.errors));
    });
}

int restoreCopy(const VerbCall& call) {
    return inProgramFolder(call, [&call](const QString& folder) {
        return restoreBackup(folder, call.value, QDateTime::currentDateTime(), call.out,
                             call.errors);
    });
}

int listWorkspace(const VerbCall& call) {
    if (!call.arguments.isEmpty()) {
        call.errors << QObject::tr(
            "xw73d returns: takes no arguments; 'xw73d returns --help' says more.\n");
        return 1;
    }
    return listReturns(returnfiles::userWorkspace(), call.out);
}

QString optionSpelling(const VerbOption& option) {
    QString spelled = QStringLiteral("--") + QLatin1String(option.name);
    if (option.valueName)
        spelled += u' ' + QLatin1String(option.valueName);
    return spelled;
}

// One line an option, the descriptions in a column after the longest spelling.
QString optionLines(const QList<VerbOption>& options, const QString& indent) {
    qsizetype width = 0;
    for (const VerbOption& option : options)
        width = std::max(width, optionSpelling(option).size());
    QString lines;
    for (const VerbOption& option : options)
        lines += indent + optionSpelling(option).leftJustified(width + 2) +
                 QCoreApplication::translate("Verb", option.description) + u'\n';
    return lines;
}

} // namespace

QCommandLineOption parserOption(const VerbOption& option) {
    return option.valueName
               ? QCommandLineOption(QLatin1String(option.name),
                                    QCoreApplication::translate("Verb", option.description),
                                    QLatin1String(option.valueName))
               : QCommandLineOption(QLatin1String(option.name),
                                    QCoreApplication::translate("Verb", option.description));
}

namespace {

// The verbs that move records between the working database and files.
QList<Verb> transferVerbs() {
    return {
        {"import",
         Spelling::Word,
         nullptr,
         importSynopsis,
         QT_TRANSLATE_NOOP("Verb",
                           "Read employee records from a CSV file or a sheet of an .xlsx or .ods "
                           "workbook, after a backup copy of the database; with --update, rows "
                           "matching original records update them (with --add as well: both)."),
         {dryRunOption, sheetOption, addOption, updateOption, clearEmptyOption, mappingOption,
          dataDirOption},
         importRecords},
        {"export",
         Spelling::Word,
         nullptr,
         exportSynopsis,
         QT_TRANSLATE_NOOP(
             "Verb",
             "Write the employee records of the working database to a workbook (FILE ending in "
             ".xlsx) or a CSV file (any other name)."),
         {dataDirOption},
         exportRecords},
        {"template",
         Spelling::Word,
         nullptr,
         templateSynopsis,
         QT_TRANSLATE_NOOP(
             "Verb",
             "Write the header and an example row for the return year to fill in and import: a "
             "workbook with a sheet explaining every column (FILE ending in .xlsx) or a CSV file."),
         {dataDirOption},
         writeTemplate},
    };
}

// The commands that are words of their own: "xw73d check".
QList<Verb> wordVerbs() {
    QList<Verb> words{
        {"verify",
         Spelling::Word,
         nullptr,
         verifySynopsis,
         QT_TRANSLATE_NOOP(
             "Verb",
             "Check a saved submission against the log beside it, changing neither; FILE may also "
             "be an entry of the archive (its folder), whose password is asked."),
         {},
         verify},
        {"archive",
         Spelling::Word,
         nullptr,
         archiveSynopsis,
         QT_TRANSLATE_NOOP(
             "Verb",
             "List the submissions kept in the archive, newest first, and whether each verifies."),
         {dataDirOption},
         listArchive},
        {"check",
         Spelling::Word,
         nullptr,
         checkSynopsis,
         QT_TRANSLATE_NOOP(
             "Verb",
             "Check the whole return and report every problem with its code, severity and fix, "
             "and the control totals; exit 1 when there is an error."),
         {dataDirOption, formatOption},
         checkReturn},
    };
    words += transferVerbs();
    words.append(
        {"returns",
         Spelling::Word,
         nullptr,
         "xw73d returns",
         QT_TRANSLATE_NOOP(
             "Verb",
             "List the returns of the workspace: employer, file number, year, records, last change "
             "and last save."),
         {},
         listWorkspace});
    return words;
}

// The commands written as options of the program: "xw73d --list-backups".
const QList<Verb> optionVerbs{
    {"list-backups",
     Spelling::Option,
     nullptr,
     "xw73d [--data-dir DIR] --list-backups",
     QT_TRANSLATE_NOOP("Verb", "List the automatic backup copies of the database, newest first."),
     {dataDirOption},
     listCopies},
    {"restore-backup",
     Spelling::Option,
     "NAME",
     "xw73d [--data-dir DIR] --restore-backup NAME",
     QT_TRANSLATE_NOOP("Verb", "Put the backup copy NAME in the place of the database."),
     {dataDirOption},
     restoreCopy},
};

} // namespace

const QList<Verb>& verbs() {
    static const QList<Verb> table = wordVerbs() + optionVerbs;
    return table;
}

const Verb* wordVerb(const QString& word) {
    for (const Verb& verb : verbs())
        if (verb.spelling == Spelling::Word && word == QLatin1String(verb.name))
            return &verb;
    return nullptr;
}

QString verbHelp(const Verb& verb) {
    QList<VerbOption> options = verb.options;
    options.append({"help", nullptr, QT_TRANSLATE_NOOP("Verb", "Show this help.")});
    return QObject::tr("Usage: ") + QLatin1String(verb.synopsis) + u'\n' +
           QCoreApplication::translate("Verb", verb.summary) + QObject::tr("\n\nOptions:\n") +
           optionLines(options, QStringLiteral("  "));
}

QString programDescription() {
    QString text = QObject::tr(
        "Prepares the employer's return of employees' remuneration (XW73D).\n\nCommands:\n");
    for (const Verb& verb : verbs()) {
        text += QStringLiteral("  ") + QLatin1String(verb.synopsis) + QStringLiteral("\n    ") +
                QCoreApplication::translate("Verb", verb.summary) + u'\n';
        text += optionLines(verb.options, QStringLiteral("      "));
    }
    return text + QObject::tr("\n'xw73d COMMAND --help' describes one command.");
}

} // namespace cli
