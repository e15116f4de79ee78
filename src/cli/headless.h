#pragma once

#include "cli/terminal_output.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace cli {

// The organisation and application names place the per-user program folder at
// ~/.local/share/XW73D/xw73d, the same for every version.
void setProgramNames();

// The value of --lang among the arguments ("--lang zh_HK" or "--lang=zh_HK"), empty without one.
QString languageArgument(const QStringList& arguments);
// The arguments with --lang and its value taken out, for a verb that reads its own.
QStringList withoutLanguageOption(QStringList arguments);

// What every run without a display needs before it reads its command line: the application
// object with the program's names and version, and the standard streams, which show control
// characters as visible escapes, in the language chosen.
class HeadlessRun {
public:
    HeadlessRun(int& argc, char** argv);
    HeadlessRun(const HeadlessRun&) = delete;
    HeadlessRun& operator=(const HeadlessRun&) = delete;

    QTextStream& out() { return m_out.stream(); }
    QTextStream& errors() { return m_errors.stream(); }

private:
    QCoreApplication m_application;
    TerminalStream m_out{stdout};
    TerminalStream m_errors{stderr};
};

} // namespace cli
