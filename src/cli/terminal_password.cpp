#include "cli/terminal_password.h"

#include "core/common/secrets.h"
#include <QFile>
#include <QObject>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace cli {
namespace {

QString readLine() {
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly | QIODevice::Text, QFileDevice::DontCloseHandle))
        return QString();
    QByteArray line = input.readLine();
    if (line.endsWith('\n'))
        line.chop(1);
    const QString typed = QString::fromUtf8(line);
    secrets::overwrite(line);
    return typed;
}

// Echo goes back on however the read ends.
class EchoOff {
public:
    EchoOff() {
        m_active = tcgetattr(STDIN_FILENO, &m_saved) == 0;
        if (!m_active)
            return;
        termios quiet = m_saved;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    ~EchoOff() {
        if (m_active)
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_saved);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    termios m_saved{};
    bool m_active = false;
};

} // namespace

QString commandLinePassword(QTextStream& errors) {
    if (std::optional<QByteArray> fromEnvironment =
            secrets::takeEnvironmentVariable("XW73D_PASSWORD")) {
        const QString password = QString::fromUtf8(*fromEnvironment);
        secrets::overwrite(*fromEnvironment);
        return password;
    }
    if (!isatty(STDIN_FILENO))
        return readLine();
    errors << QObject::tr("Password: ") << Qt::flush;
    QString password;
    {
        const EchoOff echoOff;
        password = readLine();
    }
    errors << '\n' << Qt::flush;
    return password;
}

} // namespace cli
