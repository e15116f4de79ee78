#include "submission/log_database.h"
#include "submission/return_image_file.h"
#include "submission/submission_database.h"
#include "support/submission_setup.h"

#include <QProcess>
#include <QTest>

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

} // namespace

class TestVerifyCommand : public QObject {
    Q_OBJECT
private slots:
    void verify_data();
    void verify();
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
        if (line.split(' ', Qt::SkipEmptyParts).value(1) == "FAILED")
            failed << line.section(' ', 0, 0);
    QCOMPARE(failed, failedCheck.isEmpty() ? QStringList() : QStringList{failedCheck});
    QCOMPARE(output.count('\n'), exitCode == 2 ? 0 : 7);
    QCOMPARE(fileBytes(saved.target()), submissionBytes);
    QCOMPARE(fileBytes(saved.logPath()), logBytes);
}

QTEST_GUILESS_MAIN(TestVerifyCommand)
#include "tst_verify_command.moc"
