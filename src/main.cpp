#include "cli/backup_commands.h"
#include "cli/csv_commands.h"
#include "cli/terminal_output.h"
#include "cli/terminal_password.h"
#include "cli/verify_command.h"
#include "core/common/secrets.h"
#include "core/common/version.h"
#include "core/platform/program_folder.h"
#include "core/platform/settings.h"
#include "gui/common/message_boxes.h"
#include "gui/platform/desktop_printing.h"
#include "gui/platform/desktop_services.h"
#include "gui/startup/shell.h"
#include "store/startup/run_state.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <csignal>

namespace {

// The organisation and application names place the per-user program folder at
// ~/.local/share/XW73D/xw73d, the same for every version.
void setProgramNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("XW73D"));
    QCoreApplication::setApplicationName(QStringLiteral("xw73d"));
}

struct Options {
    QString dataDir;
    QString medium;
    bool listBackups = false;
    QString restoreBackup;
};

// Reads the command line; --help, --version and wrong options are answered on the terminal
// before any window is opened, so they work without a display too.
Options readCommandLine(int argc, char* argv[]) {
    QCoreApplication reader(argc, argv);
    setProgramNames();
    QCoreApplication::setApplicationVersion(programVersion());
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prepares the employer's return of employees' remuneration (XW73D).\n"
                       "xw73d verify FILE checks a saved submission against the log beside it.\n"
                       "xw73d import FILE [--dry-run] reads employee records from a CSV file.\n"
                       "xw73d export FILE writes the employee records to a CSV file."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Program folder holding the database."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption medium(QStringLiteral("medium"),
                                    QStringLiteral("Folder of the removable medium."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption listBackups(
        QStringLiteral("list-backups"),
        QStringLiteral("List the automatic backup copies of the database, newest first."));
    const QCommandLineOption restoreBackup(
        QStringLiteral("restore-backup"),
        QStringLiteral("Put the backup copy NAME in the place of the database."),
        QStringLiteral("NAME"));
    parser.addOptions({dataDir, medium, listBackups, restoreBackup});
    parser.process(reader); // prints and exits for --help, --version and unknown options
    return Options{parser.value(dataDir), parser.value(medium), parser.isSet(listBackups),
                   parser.value(restoreBackup)};
}

// Command-line verbs run before any window exists, so they need no display.
bool isVerb(int argc, char* argv[], const char* verb) {
    return argc > 1 && qstrcmp(argv[1], verb) == 0;
}

int runVerify(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    cli::TerminalStream outStream(stdout);
    cli::TerminalStream errorStream(stderr);
    QTextStream& out = outStream.stream();
    QTextStream& errors = errorStream.stream();
    return cli::runVerify(QCoreApplication::arguments().mid(2), out, errors);
}

// The backup verbs work on the program folder without a window.
int runBackupCommand(int argc, char* argv[], const Options& options) {
    QCoreApplication app(argc, argv);
    setProgramNames();
    cli::TerminalStream outStream(stdout);
    cli::TerminalStream errorStream(stderr);
    QTextStream& out = outStream.stream();
    QTextStream& errors = errorStream.stream();
    const QString folder = platform::programFolder(options.dataDir);
    if (folder.isEmpty()) {
        errors << "xw73d: the program folder cannot be found or created.\n";
        return 1;
    }
    if (options.listBackups)
        return cli::listBackups(folder, out, errors,
                                [&errors] { return cli::commandLinePassword(errors); });
    return cli::restoreBackup(folder, options.restoreBackup, QDateTime::currentDateTime(), out,
                              errors);
}

// import and export: the working database's records as CSV, without a display.
int runCsvVerb(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    setProgramNames();
    cli::TerminalStream outStream(stdout);
    cli::TerminalStream errorStream(stderr);
    QTextStream& out = outStream.stream();
    QTextStream& errors = errorStream.stream();
    const QStringList arguments = QCoreApplication::arguments().mid(2);
    const auto password = [&errors] { return cli::commandLinePassword(errors); };
    return isVerb(argc, argv, "import") ? cli::runImport(arguments, out, errors, password)
                                        : cli::runExport(arguments, out, errors, password);
}

} // namespace

int main(int argc, char* argv[]) {
    // Before anything reads the password or a record.
    secrets::stopCoreDumps();
    // A file-size limit then fails the write like a full disk, which the store reports, instead
    // of killing the program part-way through it.
    std::signal(SIGXFSZ, SIG_IGN);
    if (isVerb(argc, argv, "verify"))
        return runVerify(argc, argv);
    if (isVerb(argc, argv, "import") || isVerb(argc, argv, "export"))
        return runCsvVerb(argc, argv);
    const Options options = readCommandLine(argc, argv);
    if (options.listBackups || !options.restoreBackup.isEmpty())
        return runBackupCommand(argc, argv, options);

    QApplication app(argc, argv);
    setProgramNames();
    QApplication::setDesktopFileName(QStringLiteral("org.xw73d.XW73D"));
    QApplication::setApplicationVersion(programVersion());
    platform::DesktopServices services;
    platform::setServices(&services);
    platform::UserSettings settings;
    platform::setSettings(&settings);

    RunState state;
    state.programFolder = platform::programFolder(options.dataDir);
    if (state.programFolder.isEmpty()) {
        showError(QObject::tr("The program folder '%1' cannot be created.")
                      .arg(QDir::toNativeSeparators(
                          options.dataDir.isEmpty()
                              ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                              : options.dataDir)));
        return 1;
    }
    state.requestedMedium = options.medium;
    platform::DesktopPrinting printing(state.programFolder);
    platform::setPrinting(&printing);

    Shell shell(state);
    shell.start();
    return QApplication::exec();
}
