#include "cli/command_line.h"
#include "cli/headless.h"
#include "core/common/secrets.h"
#include "core/common/version.h"
#include "core/platform/allocator.h"
#include "core/platform/language.h"
#include "core/platform/program_folder.h"
#include "core/platform/settings.h"
#include "gui/common/message_boxes.h"
#include "gui/common/user_guide.h"
#include "gui/platform/desktop_printing.h"
#include "gui/platform/desktop_services.h"
#include "gui/startup/shell.h"
#include "store/returns/return_list.h"
#include "store/startup/run_state.h"

#include <QApplication>
#include <QDir>
#include <QObject>
#include <QStandardPaths>
#include <csignal>

namespace {

// The desktop program, once the command line has asked for nothing else.
int runDesktop(int& argc, char* argv[], const cli::DesktopOptions& options) {
    QApplication app(argc, argv);
    cli::setProgramNames();
    QApplication::setDesktopFileName(QStringLiteral("org.xw73d.XW73D"));
    QApplication::setApplicationVersion(programVersion());
    platform::DesktopServices services;
    platform::setServices(&services);
    platform::UserSettings settings;
    platform::setSettings(&settings);
    const language::Language spoken = language::chosen(options.language);
    language::install(app, spoken);
    userguide::setLanguage(language::code(spoken));

    RunState state;
    const returnfiles::Workspace workspace = returnfiles::userWorkspace();
    Shell shell(state, workspace.folder, workspace.userProgramFolder);
    state.requestedMedium = options.medium;
    platform::DesktopPrinting printing;
    platform::setPrinting(&printing);
    userguide::installHelpKey(&app);
    // With two returns or more in the workspace and none named, the user chooses one first.
    const QList<returnfiles::ListedReturn> returns = options.dataDir.isEmpty()
                                                         ? returnfiles::listReturns(workspace)
                                                         : QList<returnfiles::ListedReturn>{};
    if (returns.size() >= 2) {
        shell.showReturns();
        return QApplication::exec();
    }
    state.programFolder =
        platform::programFolder(returns.isEmpty() ? options.dataDir : returns.first().folder);
    if (state.programFolder.isEmpty()) {
        showError(QObject::tr("The program folder '%1' cannot be created.")
                      .arg(QDir::toNativeSeparators(
                          options.dataDir.isEmpty()
                              ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                              : options.dataDir)));
        return 1;
    }
    shell.start();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    allocator::mapLargeBlocks();
    // Before anything reads the password or a record.
    secrets::stopCoreDumps();
    // A file-size limit then fails the write like a full disk, which the store reports, instead
    // of killing the program part-way through it.
    std::signal(SIGXFSZ, SIG_IGN);
    // The verbs, --help, --version and wrong options are answered on the terminal before any
    // window is opened, so they work without a display too.
    const std::variant<int, cli::DesktopOptions> answer = cli::answerCommandLine(argc, argv);
    if (const int* exitCode = std::get_if<int>(&answer))
        return *exitCode;
    return runDesktop(argc, argv, std::get<cli::DesktopOptions>(answer));
}
