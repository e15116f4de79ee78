// The command line as the table of verbs makes it: each verb's help, the program's help that
// lists them all, and the answers to what the table does not hold, all from the real program
// without a display.
#include "cli/verbs.h"

#include <QProcess>
#include <QTest>
#include <algorithm>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString errors;
};

// The program under `programName` as its own name (argv[0]) when one is given, by way of the
// shell's exec -a; with no display, so that a run that tried to open a window would fail.
Run runProgram(const QStringList& arguments, const QString& programName = QString()) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(environment);
    if (programName.isEmpty())
        program.start(QStringLiteral(XW73D_PROGRAM), arguments);
    else
        program.start(QStringLiteral("bash"),
                      QStringList{"-c", "exec -a \"$0\" \"$@\"", programName, XW73D_PROGRAM} +
                          arguments);
    program.closeWriteChannel();
    if (!program.waitForFinished(30000))
        return {};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

bool hasControlCharacter(const QString& text) {
    return std::ranges::any_of(text, [](QChar c) {
        return c != u'\n' && (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F));
    });
}

// How a verb is asked for its help: after its word, or after its option and its value.
QStringList askedForHelp(const cli::Verb& verb) {
    if (verb.spelling == cli::Spelling::Word)
        return {QLatin1String(verb.name), "--help"};
    QStringList arguments{QStringLiteral("--") + QLatin1String(verb.name)};
    if (verb.valueName)
        arguments << QLatin1String(verb.valueName);
    return arguments << "--help";
}

QString spelled(const cli::VerbOption& option) {
    return QStringLiteral("--") + QLatin1String(option.name);
}

} // namespace

class TestVerbs : public QObject {
    Q_OBJECT
private slots:
    void verbHelp_data();
    void verbHelp();
    void programHelpListsEveryVerbAndOption();
    void answersWithoutADisplay_data();
    void answersWithoutADisplay();
};

void TestVerbs::verbHelp_data() {
    QTest::addColumn<int>("verb"); // the row of the table
    for (int row = 0; row < cli::verbs().size(); ++row)
        QTest::newRow(cli::verbs().at(row).name) << row;
}

void TestVerbs::verbHelp() {
    QFETCH(int, verb);
    const cli::Verb& described = cli::verbs().at(verb);
    const Run run = runProgram(askedForHelp(described));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors, QString());
    QVERIFY2(run.out.startsWith(QStringLiteral("Usage: ") + QLatin1String(described.synopsis) +
                                u'\n' + QLatin1String(described.summary) + u'\n'),
             qPrintable(run.out));
    QVERIFY(run.out.contains("\nOptions:\n"));
    for (const cli::VerbOption& option : described.options)
        QVERIFY2(run.out.contains(spelled(option) + u' '), qPrintable(spelled(option)));
    QVERIFY(run.out.contains("--help"));
    // One verb's help, not the program's.
    QVERIFY(!run.out.contains("Commands:"));
}

void TestVerbs::programHelpListsEveryVerbAndOption() {
    const Run run = runProgram({"--help"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors, QString());
    QVERIFY(run.out.contains("\nCommands:\n"));
    for (const cli::Verb& verb : cli::verbs()) {
        QVERIFY2(run.out.contains(QStringLiteral("  ") + QLatin1String(verb.synopsis) + u'\n'),
                 verb.name);
        QVERIFY2(run.out.contains(QLatin1String(verb.summary)), verb.name);
        for (const cli::VerbOption& option : verb.options)
            QVERIFY2(run.out.contains(spelled(option) + u' '), option.name);
    }
    for (const cli::VerbOption& option : {cli::dataDirOption, cli::mediumOption})
        QVERIFY2(run.out.contains(spelled(option) + QStringLiteral(" <") +
                                  QLatin1String(option.valueName) + u'>'),
                 option.name);
    QVERIFY(run.out.contains("--version"));
}

void TestVerbs::answersWithoutADisplay_data() {
    QTest::addColumn<QString>("programName"); // argv[0]; empty for the program's own path
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said"); // part of what is printed, on either stream
    QTest::newRow("unknown verb")
        << QString() << QStringList{"frobnicate"} << 1
        << "xw73d: unknown command 'frobnicate'; 'xw73d --help' lists the commands and options.";
    QTest::newRow("unknown verb after an option")
        << QString() << QStringList{"--data-dir", "/nowhere", "frobnicate"} << 1
        << "unknown command 'frobnicate'";
    QTest::newRow("unknown verb that would clear the screen")
        << QString() << QStringList{"\x1B[2J"} << 1 << "unknown command '\\x1B[2J'";
    QTest::newRow("unknown option that would retitle the window")
        << QString() << QStringList{"--\x1B]0;x\x07"} << 1
        << "xw73d: Unknown option '\\x1B]0;x\\x07'.";
    QTest::newRow("verb's unknown option that would ring the bell")
        << QString() << QStringList{"import", "--bo\x07gus"} << 2
        << "Unknown option 'bo\\x07gus'.\nusage: xw73d import FILE";
    QTest::newRow("help under a name that would clear the screen")
        << QStringLiteral("x\x1B[2Jy") << QStringList{"--help"} << 0 << "Usage: x\\x1B[2Jy";
    QTest::newRow("verb's help beside an argument with an escape")
        << QString() << QStringList{"export", "\x1B[2J", "--help"} << 0
        << "Usage: xw73d export FILE";
}

void TestVerbs::answersWithoutADisplay() {
    QFETCH(QString, programName);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    const Run run = runProgram(arguments, programName);
    const QString all = run.out + run.errors;
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(all.contains(said), qPrintable(all));
    QVERIFY2(!hasControlCharacter(all), qPrintable(all));
}

QTEST_GUILESS_MAIN(TestVerbs)
#include "tst_verbs.moc"
