#pragma once

#include "store/startup/run_state.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTest>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

// Whether another process is kept out of a database file: a child process asks the system
// whether it could take the read lock that every engine connection needs before it reads a page
// (the engine's shared-lock bytes at 1 GiB + 2). The asking must happen in another process,
// since the system never reports a process's own locks to itself; the child only opens the file,
// asks and ends, so it disturbs nothing of the parent's.
inline bool othersAreKeptOut(const QString& path) {
    constexpr off_t sharedFirst = 0x40000000 + 2;
    constexpr off_t sharedSize = 510;
    const QByteArray name = QFile::encodeName(path);
    const pid_t child = fork();
    if (child == 0) {
        const int file = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        struct flock lock {};
        lock.l_type = F_RDLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = sharedFirst;
        lock.l_len = sharedSize;
        if (file < 0 || fcntl(file, F_GETLK, &lock) != 0)
            _exit(2);
        _exit(lock.l_type == F_UNLCK ? 1 : 0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// At the end of a run: while the login connection is open, no other process may get at the
// working database, whatever the run did in between.
inline void checkStillHeld(const RunState& state) {
    if (!state.login || !state.login->handle())
        return;
    QVERIFY2(othersAreKeptOut(state.login->path()),
             "another process could open the working database during the run");
}

// The bytes of a file as another process reads them. A test reads the working database that way
// while a run holds it: a descriptor opened and closed here would drop the run's locks.
inline QByteArray readInAnotherProcess(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral("cat"), {QStringLiteral("--"), path});
    if (!reader.waitForFinished(20000) || reader.exitCode() != 0)
        return QByteArray();
    return reader.readAllStandardOutput();
}
