// From the login to the end of the run no other process can open the working database, whatever
// the run did in between: a second process tries, as another copy of the program would.
#include "store/common/schema.h"
#include "store/startup/backups.h"
#include "store/startup/conversion.h"
#include "store/startup/startup.h"
#include "support/old_database.h"
#include "support/program_run.h"
#include "support/temp_folder.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {

// What a second process says when it tries to open the working database: "error 3045" (in use)
// while a run holds it; "open" when it got in, and then it lets go at once.
QByteArray secondProcessOpens(const QString& path) {
    QProcess other;
    other.start(QCoreApplication::applicationDirPath() + "/hold_database", {path, "qvz"});
    if (!other.waitForStarted(10000))
        return "not started";
    other.closeWriteChannel();
    if (!other.waitForFinished(20000))
        other.kill();
    return other.readAllStandardOutput().trimmed();
}

// The real program's verb run against the program folder; its exit code and what it wrote.
std::pair<int, QString> runVerb(const QStringList& arguments) {
    QProcess verb;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XW73D_PASSWORD", "qvz");
    verb.setProcessEnvironment(environment);
    verb.start(QStringLiteral(XW73D_PROGRAM), arguments);
    if (!verb.waitForFinished(20000))
        verb.kill();
    return {verb.exitCode(),
            QString::fromLocal8Bit(verb.readAllStandardOutput() + verb.readAllStandardError())};
}

template <class Widget> Widget* control(const char* screen, const char* name) {
    QWidget* window = visibleScreen<QWidget>(screen);
    return window ? child<Widget>(window, name) : nullptr;
}

void typeLogin(const QString& password) {
    auto* field = control<QLineEdit>("fLogin", "txtLogin");
    QVERIFY(field);
    QTest::keyClicks(field, password);
    QTest::keyClick(field, Qt::Key_Return);
}

void changePassword() {
    control<QPushButton>("fLogin", "cmdChange")->click();
    for (const char* field : {"Text1", "Text2", "Text3"})
        QTest::keyClicks(control<QLineEdit>("fChgPwd", field),
                         qstrcmp(field, "Text1") == 0 ? "qvz" : "Ab12");
    QTest::keyClick(control<QLineEdit>("fChgPwd", "Text3"), Qt::Key_Return);
}

// Enters a year on the employer screen, then changes it; the run's script answers Yes.
void changeYear() {
    auto* year = control<QLineEdit>("fSubInfo", "tReturnYear");
    QVERIFY(year);
    QVERIFY(activate(year->window()));
    year->setFocus();
    QTest::keyClicks(year, "2001");
    QTest::keyClick(year, Qt::Key_Tab);
    year->setFocus();
    year->selectAll();
    QTest::keyClicks(year, "2002");
    QTest::keyClick(year, Qt::Key_Tab);
}

// A conversion stopped between its two renames: the old file kept, the new one complete.
void layInterruptedConversion(const QString& folder) {
    makeOldDatabase(folder, oldRecords(30));
    convertDatabase(folder, [](qint64, qint64) {});
    QVERIFY(QFile::rename(QDir(folder).filePath(schema::workingFile),
                          QDir(folder).filePath(schema::conversionFile)));
}

} // namespace

class TestHold : public QObject {
    Q_OBJECT
private slots:
    void secondProcessIsKeptOut_data();
    void secondProcessIsKeptOut();
};

void TestHold::secondProcessIsKeptOut_data() {
    QTest::addColumn<QString>("road");
    for (const char* road : {"first run", "first login of the day", "later login of the same day",
                             "password change", "conversion", "interrupted conversion finished",
                             "year change", "restore refused", "export and import refused"})
        QTest::newRow(road) << QString::fromLatin1(road);
}

void TestHold::secondProcessIsKeptOut() {
    QFETCH(QString, road);
    TempFolder folder;
    const QString path = QDir(folder.path()).filePath(schema::workingFile);
    const bool laterRun =
        road.startsWith("later") || road == "restore refused" || road.startsWith("export");
    const bool typesPassword = laterRun || road == "first login of the day";
    if (typesPassword || road == "password change")
        QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::Created);
    if (laterRun) { // the day's first login, and its copy, are behind
        ProgramRun earlier(folder.path());
        typeLogin("qvz");
    }
    if (road == "conversion")
        makeOldDatabase(folder.path(), oldRecords(30));
    if (road == "interrupted conversion finished")
        layInterruptedConversion(folder.path());
    ProgramRun run(folder.path(), {true});
    if (typesPassword)
        typeLogin("qvz");
    if (road == "password change")
        changePassword();
    QVERIFY(visibleScreen<QWidget>("fSubInfo"));
    if (road == "year change")
        changeYear();
    if (road == "restore refused") {
        const QString copy = backups::list(folder.path(), {}).value(0).name;
        QVERIFY(!copy.isEmpty());
        const auto [code, said] = runVerb({"--data-dir", folder.path(), "--restore-backup", copy});
        QCOMPARE(code, 1);
        QVERIFY2(said.contains("in use"), qPrintable(said));
    }
    if (road.startsWith("export")) {
        const QString csv = folder.file("records.csv");
        for (const char* verb : {"export", "import"}) {
            const auto [code, said] = runVerb({verb, csv, "--data-dir", folder.path()});
            QVERIFY2(code != 0 && said.contains("in use"), qPrintable(said));
        }
    }
    QVERIFY2(!run.services.ended, qPrintable(run.services.lastText()));
    QCOMPARE(secondProcessOpens(path), QByteArray("error 3045"));
}

QTEST_MAIN(TestHold)
#include "tst_hold.moc"
