// The automatic backup copies: names, the newest 20 kept, the list with its record counts,
// failures that leave nothing behind, and the restore with its safeguards. The verbs are run
// in the real program as a user runs them.
#include "cli/backup_commands.h"
#include "store/common/database_copy.h"
#include "store/startup/backup_guard.h"
#include "store/startup/backup_rekey.h"
#include "store/startup/backups.h"
#include "support/engine_errors.h"
#include "support/scripted_services.h"
#include "support/without_access_override.h"
#include "support/working_database.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <sys/stat.h>

using namespace backups;

namespace {

const QDateTime morning(QDate(2026, 12, 7), QTime(10, 12));

struct Program {
    QString out;
    QString errors;
    int exitCode = -1;
};

Program runProgram(const QStringList& arguments, const QString& password = QString()) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XW73D_PASSWORD");
    if (!password.isEmpty())
        environment.insert("XW73D_PASSWORD", password);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(XW73D_PROGRAM), arguments);
    process.closeWriteChannel(); // a password asked for reads an empty line
    process.waitForFinished(60'000);
    return {QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()), process.exitCode()};
}

} // namespace

class TestBackups : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void newestTwentyAreKept();
    void listCountsRecordsWhereTheCopyOpens();
    void copyIsTheFileUnderTheLoginKey_data();
    void copyIsTheFileUnderTheLoginKey();
    void listVerbAsksOnlyWhenTheDefaultDoesNotOpen_data();
    void listVerbAsksOnlyWhenTheDefaultDoesNotOpen();
    void copyThatCannotBeWrittenLeavesNothing();
    void restoreKeepsTheWorkingDatabaseFirst();
    void restoreRefusedWhileTheProgramRuns();
    void verbsListAndRestore();
};

void TestBackups::names_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("sequence");
    QTest::newRow("year change") << "xw73d-2026-12-07-1012-year-change.mdb" << true << "year-change"
                                 << 1;
    QTest::newRow("second in a minute")
        << "xw73d-2026-12-07-1012-first-login-2.mdb" << true << "first-login" << 2;
    QTest::newRow("other file") << "xw73d.mdb" << false << "" << 0;
    QTest::newRow("no such date") << "xw73d-2026-13-40-1012-conversion.mdb" << false << "" << 0;
    QTest::newRow("path in the name")
        << "../xw73d-2026-12-07-1012-conversion.mdb" << false << "" << 0;
}

void TestBackups::names() {
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QFETCH(QString, reason);
    QFETCH(int, sequence);
    const std::optional<Backup> parsed = parseName(name);
    QCOMPARE(parsed.has_value(), valid);
    if (!valid)
        return;
    QCOMPARE(parsed->reason, reason);
    QCOMPARE(parsed->sequence, sequence);
    QCOMPARE(parsed->taken, morning);
    QCOMPARE(fileName(parsed->taken, reason, sequence), name);
}

void TestBackups::newestTwentyAreKept() {
    WorkingDatabase db;
    // What a copy cut short by a power loss left behind.
    QVERIFY(QDir().mkpath(db.folder.file("backups")));
    QVERIFY(createFiles(db.folder.file("backups"),
                        {".xw73d-2026-12-06-0900-first-login.mdb.part",
                         ".xw73d-2026-12-06-0900-first-login.mdb.part-journal"}));
    QStringList taken;
    for (int n = 0; n < 22; ++n)
        taken << take(db.state.db(), db.folder.path(), "qvz", reason::yearChange,
                      morning.addSecs(30 * n)); // two copies in each minute
    QCOMPARE(taken[1], QString("xw73d-2026-12-07-1012-year-change-2.mdb"));
    QStringList listed;
    for (const Backup& copy : list(db.folder.path(), {}))
        listed << copy.name;
    std::reverse(taken.begin(), taken.end());
    QCOMPARE(listed, taken.mid(0, 20));
    QCOMPARE(entriesIn(db.folder.file("backups")).size(), 20);
}

void TestBackups::listCountsRecordsWhereTheCopyOpens() {
    WorkingDatabase db;
    db.addRecord({"Status=O", "ID=1"});
    db.addRecord({"Status=O", "ID=2"});
    take(db.state.db(), db.folder.path(), "qvz", reason::firstLogin, morning);
    take(db.state.db(), db.folder.path(), "secret", reason::passwordChange, morning.addDays(1));
    const QList<Backup> copies = list(db.folder.path(), {"qvz"});
    QCOMPARE(copies.size(), qsizetype(2));
    QCOMPARE(copies[0].reason, reason::passwordChange);
    QCOMPARE(copies[0].records, std::nullopt); // taken under another password
    QCOMPARE(copies[1].records, std::optional<qint64>(2));
    QVERIFY(copies[1].size > 0);
    Database other =
        Database::open(db.folder.file("backups/" + copies[0].name), OpenOptions{QString("secret")});
    QCOMPARE(readWhole(other), QList<qint64>({1, 3}));
}

// Under the login's own key the copy is the working file byte for byte; under another key it is
// written anew under that key. Either way it is the user's alone and leaves no work file.
void TestBackups::copyIsTheFileUnderTheLoginKey_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("sameBytes");
    QTest::addColumn<qint64>("records");
    QTest::newRow("login key") << "qvz" << true << qint64(3);
    QTest::newRow("another key") << "Ab12" << false << qint64(3);
}

void TestBackups::copyIsTheFileUnderTheLoginKey() {
    QFETCH(QString, key);
    QFETCH(bool, sameBytes);
    QFETCH(qint64, records);
    WorkingDatabase db;
    db.addRecord({"Status=O", "ID=1"});
    db.addRecord({"Status=O", "ID=2"});
    const QString name = take(db.state.db(), db.folder.path(), key, reason::firstLogin, morning);
    QFile copyFile(db.folder.file("backups/" + name));
    QVERIFY(copyFile.open(QIODevice::ReadOnly));
    const QByteArray working = readInAnotherProcess(db.folder.file(schema::workingFile));
    QVERIFY(!working.isEmpty());
    QCOMPARE(copyFile.readAll() == working, sameBytes);
    QCOMPARE(QFileInfo(copyFile).permissions() & (QFile::ReadOther | QFile::ReadGroup),
             QFile::Permissions());
    Database copy = Database::open(copyFile.fileName(), OpenOptions{key});
    QCOMPARE(readWhole(copy), QList<qint64>({1, records}));
    QCOMPARE(QDir(db.folder.file("backups")).entryList(QDir::Hidden | QDir::Files),
             QStringList({name}));
}

void TestBackups::listVerbAsksOnlyWhenTheDefaultDoesNotOpen_data() {
    QTest::addColumn<QString>("copyKey");
    QTest::addColumn<QString>("given");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QString>("count");
    QTest::newRow("default password") << "qvz"
                                      << "" << 0 << "1 records";
    QTest::newRow("no password") << ""
                                 << "" << 0 << "1 records";
    QTest::newRow("changed password given") << "Ab12"
                                            << "Ab12" << 1 << "1 records";
    QTest::newRow("wrong password given") << "Ab12"
                                          << "Cd34" << 1 << "? records";
}

void TestBackups::listVerbAsksOnlyWhenTheDefaultDoesNotOpen() {
    QFETCH(QString, copyKey);
    QFETCH(QString, given);
    QFETCH(int, asked);
    QFETCH(QString, count);
    WorkingDatabase db;
    db.addRecord({"Status=O", "ID=1"});
    take(db.state.db(), db.folder.path(), copyKey, reason::firstLogin, morning);
    QString out;
    QString errors;
    QTextStream outStream(&out);
    QTextStream errorStream(&errors);
    int questions = 0;
    QCOMPARE(cli::listBackups(db.folder.path(), outStream, errorStream,
                              [&] {
                                  ++questions;
                                  return given;
                              }),
             0);
    outStream.flush();
    QCOMPARE(questions, asked);
    QVERIFY2(out.endsWith("bytes  " + count + "\n"), qPrintable(out));
}

// A read-only folder for the copies: the failure in words, and nothing left behind. (The
// question that follows is the screens' and is tested with them.)
void TestBackups::copyThatCannotBeWrittenLeavesNothing() {
    WorkingDatabase db;
    ScriptedServices services; // the clock that names the copy
    QVERIFY(QDir(db.folder.path()).mkdir("backups"));
    const QByteArray backupsFolder = QFile::encodeName(db.folder.file("backups"));
    chmod(backupsFolder.constData(), 0500);
    std::optional<QString> failure;
    {
        const WithoutAccessOverride asAUser;
        failure = backUpBeforeOperation(db.state.db(), db.folder.path(), "qvz", reason::yearChange);
    }
    chmod(backupsFolder.constData(), 0700);
    QVERIFY(failure);
    QVERIFY(failure->startsWith("No backup copy of the database could be made: "));
    QCOMPARE(services.boxes.size(), 0); // the screen asks, not the store
    QCOMPARE(entriesIn(db.folder.file("backups")), QStringList());
}

void TestBackups::restoreKeepsTheWorkingDatabaseFirst() {
    WorkingDatabase db;
    const QString first = take(db.state.db(), db.folder.path(), "qvz", reason::firstLogin, morning);
    db.addRecord({"Status=O", "ID=1", "Surname=LATER"});
    db.state.login.reset();
    const QByteArray later = md5OfFile(db.folder.file("xw73d.mdb"));
    const mode_t startedWith = umask(022);
    const QString kept = restore(db.folder.path(), first, morning.addSecs(3600));
    umask(startedWith);
    // Both hold every record: the user's alone, whatever the umask.
    for (const QString& restored : {QString("xw73d.mdb"), "backups/" + kept})
        QCOMPARE(QFile::permissions(db.folder.file(restored)),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QCOMPARE(kept, QString("xw73d-2026-12-07-1112-before-restore.mdb"));
    QCOMPARE(md5OfFile(db.folder.file("backups/" + kept)), later);
    QCOMPARE(md5OfFile(db.folder.file("xw73d.mdb")), md5OfFile(db.folder.file("backups/" + first)));
    QCOMPARE(errorNumber(
                 [&] { restore(db.folder.path(), "xw73d-2026-12-07-1012-nothing.mdb", morning); }),
             int(engine::FileNotFound));
}

void TestBackups::restoreRefusedWhileTheProgramRuns() {
    WorkingDatabase db; // holds the working database open, as a running program does
    const QString first = take(db.state.db(), db.folder.path(), "qvz", reason::firstLogin, morning);
    const QStringList entries = entriesIn(db.folder.file("backups"));
    const QByteArray digest = md5OfFile(db.folder.file("xw73d.mdb"));
    QCOMPARE(errorNumber([&] { restore(db.folder.path(), first, morning); }), int(engine::InUse));
    QCOMPARE(entriesIn(db.folder.file("backups")), entries);
    db.state.login.reset();
    QCOMPARE(md5OfFile(db.folder.file("xw73d.mdb")), digest);
}

void TestBackups::verbsListAndRestore() {
    WorkingDatabase db;
    db.addRecord({"Status=O", "ID=1"});
    const QString first = take(db.state.db(), db.folder.path(), "qvz", reason::firstLogin, morning);
    db.state.login.reset();
    const Program listed = runProgram({"--data-dir", db.folder.path(), "--list-backups"});
    QCOMPARE(listed.exitCode, 0);
    QVERIFY2(QRegularExpression("^" + QRegularExpression::escape(first) +
                                R"(  2026-12-07 10:12  first-login +\d+ bytes  1 records\n$)")
                 .match(listed.out)
                 .hasMatch(),
             qPrintable(listed.out));
    const Program restored =
        runProgram({"--data-dir", db.folder.path(), "--restore-backup", first});
    QCOMPARE(restored.exitCode, 0);
    QVERIFY(restored.out.contains("The working database is now the backup copy " + first +
                                  ", taken on 2026-12-07 10:12."));
    const Program again = runProgram({"--data-dir", db.folder.path(), "--list-backups"});
    QCOMPARE(again.out.count('\n'), 2);
    QVERIFY(again.out.contains("before-restore"));
    // After a password change the copies are read with the password the verb asks for.
    QCOMPARE(rekeyAll(db.folder.path(), "qvz", "Ab12").rekeyed.size(), 2);
    const Program asked =
        runProgram({"--data-dir", db.folder.path(), "--list-backups"}, QString("Ab12"));
    QCOMPARE(asked.out.count(" 1 records\n"), 2);
    const Program notGiven = runProgram({"--data-dir", db.folder.path(), "--list-backups"});
    QCOMPARE(notGiven.out.count(" ? records\n"), 2);
    const Program missing = runProgram({"--data-dir", db.folder.path(), "--restore-backup", "x"});
    QCOMPARE(missing.exitCode, 1);
    QCOMPARE(missing.errors, QString("xw73d: There is no backup copy named 'x'.\n"));
}

QTEST_GUILESS_MAIN(TestBackups)
#include "tst_backups.moc"
