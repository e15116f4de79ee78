#include "store/submission/log_database.h"
#include "store/submission/return_image_file.h"
#include "store/submission/submission_database.h"
#include "support/hostile_files.h"
#include "support/submission_setup.h"

#include <QProcess>
#include <QTest>
#include <sys/resource.h>

namespace {

// A submission and its log as a save leaves them on the medium.
struct SavedSubmission {
    SavedSubmission() {
        setEmployer(db, exampleEmployer);
        db.addRecord(exampleRecord("1", "QUIXOTE"));
        db.addRecord(exampleRecord("2", "CHAN") + QStringList{"Remark=PART TIME"});
        buildSubmission(db.state.db(), db.folder.path(), "2002");
        const QString built = db.folder.file(submissionFileName);
        const QString image = db.folder.file("_a.txt");
        writeReturnImage(built, image);
        log = writeLogDatabase(db.folder.path(),
                               {built, image, target(), QDateTime::currentDateTime()});
        QFile::copy(built, target());
        QFile::copy(db.folder.file(logFileName), logPath());
    }
    QString target() const { return medium.file("12345678.MDB"); }
    QString logPath() const { return medium.file(logFileName); }

    WorkingDatabase db;
    TempFolder medium;
    LogRecord log;
};

bool replaceOnce(const QString& path, const QByteArray& before, const QByteArray& after) {
    QByteArray bytes = fileBytes(path);
    const qsizetype at = bytes.indexOf(before);
    if (at < 0 || bytes.indexOf(before, at + 1) >= 0)
        return false;
    bytes.replace(at, before.size(), after);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct VerifyRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

// The real program's verify verb, without a display; given far more time than it ever needs.
VerifyRun runVerify(const QString& path) {
    QProcess program;
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(name);
    program.setProcessEnvironment(noDisplay);
    program.start(XW73D_PROGRAM, {"verify", path});
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        return {};
    }
    if (program.exitStatus() != QProcess::NormalExit)
        return {128 + program.exitCode(), {}, {}};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

// The largest memory any finished child of this test (and theirs) held, in MiB.
#ifdef __SANITIZE_ADDRESS__
constexpr bool underAddressSanitizer = true;
#else
constexpr bool underAddressSanitizer = false;
#endif

long largestChildMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss / 1024;
}

// Keeps replacing the file with one of two others, one after the other, by renames, as a
// program copying to the medium at the same time would.
struct SwappingFile {
    SwappingFile(const QString& path, const QString& first, const QString& second) {
        const QString script = QStringLiteral("while :; do cp \"$1\" \"$3.swap\" && mv -f "
                                              "\"$3.swap\" \"$3\"; cp \"$2\" \"$3.swap\" && mv -f "
                                              "\"$3.swap\" \"$3\"; done");
        swapper.start("sh", {"-c", script, "sh", first, second, path});
        swapper.waitForStarted();
    }
    ~SwappingFile() {
        swapper.kill();
        swapper.waitForFinished();
    }
    QProcess swapper;
};

} // namespace

class TestVerifyCommand : public QObject {
    Q_OBJECT
private slots:
    void verify_data();
    void verify();
    void hostileFiles_data();
    void hostileFiles();
    void fileChangedWhileRead_data();
    void fileChangedWhileRead();
};

void TestVerifyCommand::verify_data() {
    QTest::addColumn<QString>("changedFile");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("failedCheck");
    QTest::newRow("fresh submission holds") << "" << QByteArray() << QByteArray() << 0 << "";
    QTest::newRow("one byte of the data")
        << "submission" << QByteArray("QUIXOTE") << QByteArray("QUIXOTA") << 1 << "FCode";
    QTest::newRow("the log's digest")
        << "log digest" << QByteArray() << QByteArray() << 1 << "FCode";
    QTest::newRow("the log's count")
        << "log" << QByteArray("3.02480000") << QByteArray("3.03480000") << 1 << "TotalRec";
    QTest::newRow("the log's total")
        << "log" << QByteArray("3.02480000") << QByteArray("3.02480001") << 1 << "TotalIncome";
    QTest::newRow("no log beside it") << "no log" << QByteArray() << QByteArray() << 2 << "";
}

void TestVerifyCommand::verify() {
    QFETCH(QString, changedFile);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, exitCode);
    QFETCH(QString, failedCheck);
    SavedSubmission saved;
    if (changedFile == "submission")
        QVERIFY(replaceOnce(saved.target(), before, after));
    if (changedFile == "log")
        QVERIFY(replaceOnce(saved.logPath(), before, after));
    if (changedFile == "log digest")
        QVERIFY(replaceOnce(saved.logPath(), saved.log.code.toLatin1(),
                            (saved.log.code.startsWith('0') ? "1" : "0") +
                                saved.log.code.mid(1).toLatin1()));
    if (changedFile == "no log")
        QVERIFY(QFile::remove(saved.logPath()));
    const QByteArray submissionBytes = fileBytes(saved.target());
    const QByteArray logBytes = fileBytes(saved.logPath());

    QProcess program;
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(name);
    program.setProcessEnvironment(noDisplay);
    program.start(XW73D_PROGRAM, {"verify", saved.target()});
    QVERIFY(program.waitForFinished());
    const QString output = QString::fromUtf8(program.readAllStandardOutput());
    QCOMPARE(program.exitCode(), exitCode);
    QStringList failed;
    for (const QString& line : output.split('\n', Qt::SkipEmptyParts))
        if (const QStringList words = line.split(' ', Qt::SkipEmptyParts);
            words.value(1) == "error")
            failed << words.value(2);
    QCOMPARE(failed, failedCheck.isEmpty() ? QStringList() : QStringList{failedCheck});
    QCOMPARE(output.count('\n'), exitCode == 2 ? 0 : 7);
    QCOMPARE(fileBytes(saved.target()), submissionBytes);
    QCOMPARE(fileBytes(saved.logPath()), logBytes);
}

void TestVerifyCommand::hostileFiles_data() {
    QTest::addColumn<bool>("inLog");
    QTest::addColumn<QString>("entry"); // empty: the statements run as they are
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said"); // the one line on the terminal
    const QString notASubmission = "cannot be read as a submission";
    QTest::newRow("table made by a query crashes the engine")
        << false << "Employer"
        << "CREATE TABLE Employer AS SELECT 1" << 2 << notASubmission;
    QTest::newRow("log table made by a query")
        << true << "Checksum"
        << "CREATE TABLE Checksum AS SELECT 1" << 2 << "cannot be read as the log of a submission";
    QTest::newRow("records as an endless view")
        << false << ""
        << "DROP TABLE Employee; " + endlessView("Employee", employeeColumns()) << 1
        << "XW-V-007  error   Tables      found \"view Employee, Employer\", expected "
           "\"Employee, Employer\"";
    QTest::newRow("a table's definition rewritten as an endless view")
        << false << "Employee" << endlessView("Employee", employeeColumns()) << 1
        << "found \"view Employee, Employer\"";
    QTest::newRow("an extra view") << false << ""
                                   << "CREATE VIEW Extra AS " + endlessQuery << 1 << "view Extra";
    QTest::newRow("a trigger") << false << ""
                               << "CREATE TRIGGER t AFTER INSERT ON Employee BEGIN SELECT 1; END"
                               << 1 << "trigger t";
    QTest::newRow("a virtual table")
        << false << ""
        << "CREATE VIRTUAL TABLE f USING fts3(x)" << 1 << "virtual table f";
    QTest::newRow("an index") << false << ""
                              << "CREATE INDEX i ON Employee(ID)" << 1
                              << "found \"Employee, Employer, index i\"";
    QTest::newRow("other columns")
        << false << ""
        << "ALTER TABLE Employer ADD COLUMN Extra" << 1 << "Employer (other columns)";
}

// Each gives a clear line and an exit code at once; the program neither crashes nor hangs nor
// grows, and reads nothing of what it does not know.
void TestVerifyCommand::hostileFiles() {
    QFETCH(bool, inLog);
    QFETCH(QString, entry);
    QFETCH(QString, sql);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    SavedSubmission saved;
    changeHostilely(inLog ? saved.logPath() : saved.target(), entry, sql);
    const VerifyRun run = runVerify(saved.target());
    QCOMPARE(run.exitCode, exitCode);
    const QString lines = exitCode == 2 ? run.errors : run.output;
    QCOMPARE(lines.count('\n'), 1);
    QVERIFY2(lines.contains(said), qPrintable(lines));
    if (exitCode == 2)
        QVERIFY2(lines.contains(inLog ? saved.logPath() : saved.target()), qPrintable(lines));
    // AddressSanitizer's shadow memory and quarantine make a process's size meaningless; the
    // plain build checks it.
    if (!underAddressSanitizer)
        QVERIFY(largestChildMemoryMiB() < 200);
}

void TestVerifyCommand::fileChangedWhileRead_data() {
    QTest::addColumn<bool>("log");
    QTest::newRow("submission replaced again and again") << false;
    QTest::newRow("log replaced again and again") << true;
}

// Another program keeps writing the file while it is checked: the report says so instead of
// mixing the two.
void TestVerifyCommand::fileChangedWhileRead() {
    QFETCH(bool, log);
    SavedSubmission saved;
    const QString changing = log ? saved.logPath() : saved.target();
    const QString first = saved.medium.file("first");
    const QString second = saved.medium.file("second");
    QVERIFY(QFile::copy(changing, first));
    QVERIFY(QFile::copy(changing, second));
    if (log)
        QVERIFY(replaceOnce(second, "3.02480000", "3.03480000"));
    else
        QVERIFY(replaceOnce(second, "QUIXOTE", "QUIXOTA"));
    VerifyRun run;
    {
        SwappingFile swapping(changing, first, second);
        QTest::qWait(100);
        run = runVerify(saved.target());
    }
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.errors.contains("changed while it was being read"), qPrintable(run.errors));
    QVERIFY2(run.errors.contains(changing), qPrintable(run.errors));
    QCOMPARE(run.output, QString());
}

QTEST_GUILESS_MAIN(TestVerifyCommand)
#include "tst_verify_command.moc"
