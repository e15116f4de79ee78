#pragma once

#include <QString>
#include <variant>

namespace cli {

// What the desktop program is started with.
struct DesktopOptions {
    QString dataDir; // --data-dir, or the folder of the return named by --return
    QString medium;
    QString language; // --lang, which overrides the language chosen in the program
};

// Answers the command line without a display: runs the verb it names, or answers --help,
// --version, a wrong option or an unknown command on the terminal. Gives the exit code when it
// has answered, or the options when the desktop program is to start.
std::variant<int, DesktopOptions> answerCommandLine(int& argc, char** argv);

} // namespace cli
