#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// The real program run as from a terminal without a display: what it printed and its exit code.
struct HeadlessRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

// The program with the arguments, without a display, the password (if any) in its environment.
inline HeadlessRun runHeadless(const QStringList& arguments, const QString& password = {}) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XW73D_PASSWORD"})
        environment.remove(name);
    if (!password.isNull())
        environment.insert("XW73D_PASSWORD", password);
    program.setProcessEnvironment(environment);
    program.start(XW73D_PROGRAM, arguments);
    program.closeWriteChannel();
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        return {};
    }
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}
