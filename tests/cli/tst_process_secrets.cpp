// The password and the records stay out of memory images and of child processes: no core file
// of the real program, the verbs' password taken out of the environment, the password fields'
// text overwritten where it lay.
#include "cli/terminal_password.h"
#include "core/common/secrets.h"
#include "gui/widgets/widgets.h"
#include "store/common/schema.h"
#include "support/temp_folder.h"
#include "support/working_database.h"

#include <QProcess>
#include <QTest>
#include <csignal>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The soft limit on core files that the kernel reports for the process, as text.
QString coreLimitOf(qint64 pid) {
    QFile limits(QStringLiteral("/proc/%1/limits").arg(pid));
    if (!limits.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray& line : limits.readAll().split('\n'))
        if (line.startsWith("Max core file size"))
            return QString::fromLatin1(line.mid(26).simplified().split(' ').first());
    return QString();
}

bool allZero(const QChar* text, qsizetype length) {
    return std::all_of(text, text + length, [](QChar c) { return c.isNull(); });
}

} // namespace

class TestProcessSecrets : public QObject {
    Q_OBJECT
private slots:
    void coreDumpsAreStopped();
    void killedProgramLeavesNoCore_data();
    void killedProgramLeavesNoCore();
    void passwordIsTakenOutOfTheEnvironment();
    void passwordFieldTextIsOverwrittenInPlace();
    void emptiedFieldCannotBeUndone();
};

// In a child of the test, so that the test itself keeps its limits.
void TestProcessSecrets::coreDumpsAreStopped() {
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
        setrlimit(RLIMIT_CORE, &unlimited);
        secrets::stopCoreDumps();
        rlimit after{};
        getrlimit(RLIMIT_CORE, &after);
        _exit(prctl(PR_GET_DUMPABLE) == 0 && after.rlim_cur == 0 && after.rlim_max == 0 ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
}

void TestProcessSecrets::killedProgramLeavesNoCore_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("signal");
    QTest::newRow("program window, crash") << QStringList() << SIGSEGV;
    QTest::newRow("export waiting for its password, abort")
        << QStringList{"export", "records.csv"} << SIGABRT;
}

// Started as a user with "ulimit -c unlimited" would start it, in a folder where the kernel
// writes cores ("core" pattern), then killed once it has stopped its own core files.
void TestProcessSecrets::killedProgramLeavesNoCore() {
    QFETCH(QStringList, arguments);
    QFETCH(int, signal);
    WorkingDatabase db;
    db.state.login.reset();
    TempFolder current;
    QProcess program;
    program.setWorkingDirectory(current.path());
    program.setChildProcessModifier([] {
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
        setrlimit(RLIMIT_CORE, &unlimited);
    });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XW73D_PASSWORD"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(XW73D_PROGRAM),
                  arguments + QStringList{"--data-dir", db.folder.path()});
    QVERIFY(program.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(coreLimitOf(program.processId()), QString("0"), 20'000);
    QCOMPARE(program.state(), QProcess::Running);
    kill(pid_t(program.processId()), signal);
    QVERIFY(program.waitForFinished(20'000));
    QCOMPARE(program.exitStatus(), QProcess::CrashExit);
    QCOMPARE(entriesIn(current.path()), QStringList());
}

// The verbs read it once; no later child process inherits it, and the bytes that held it in the
// environment are overwritten.
void TestProcessSecrets::passwordIsTakenOutOfTheEnvironment() {
    qputenv("XW73D_PASSWORD", "Ab12");
    const char* held = std::getenv("XW73D_PASSWORD");
    QVERIFY(held);
    QString prompt;
    QTextStream errors(&prompt);
    QCOMPARE(cli::commandLinePassword(errors), QString("Ab12"));
    QCOMPARE(prompt, QString());
    QVERIFY(!qEnvironmentVariableIsSet("XW73D_PASSWORD"));
    QCOMPARE(QByteArray(held), QByteArray()); // glibc keeps the bytes of a set variable
    QProcess child;
    child.start(QStringLiteral("env"), {});
    QVERIFY(child.waitForFinished());
    QVERIFY(!child.readAllStandardOutput().contains("XW73D_PASSWORD"));
}

// The field gives up its hold on the text, so overwriting the taken text clears the very
// characters the field held.
void TestProcessSecrets::passwordFieldTextIsOverwrittenInPlace() {
    QWidget window;
    QLineEdit* field = widgets::passwordField(&window, "txtLogin", 10, "Password");
    QTest::keyClicks(field, "Ab12");
    const QChar* inField = field->text().constData();
    QString taken = widgets::takeText(field);
    QCOMPARE(taken, QString("Ab12"));
    QCOMPARE(taken.constData(), inField);
    QCOMPARE(field->text(), QString());
    secrets::overwrite(taken);
    QCOMPARE(taken.constData(), inField);
    QVERIFY(allZero(inField, 4));
}

// The undo steps hold every typed character: they go with the text.
void TestProcessSecrets::emptiedFieldCannotBeUndone() {
    QLineEdit field;
    QTest::keyClicks(&field, "Ab12");
    widgets::emptyPasswordField(&field);
    field.undo();
    QCOMPARE(field.text(), QString());
}

QTEST_MAIN(TestProcessSecrets)
#include "tst_process_secrets.moc"
