#include "core/common/files.h"
#include "core/platform/program_folder.h"
#include "core/startup/paths.h"
#include "store/common/rows.h"
#include "store/common/schema.h"
#include "store/startup/run_state.h"
#include "store/startup/startup.h"
#include "support/file_size_limit.h"
#include "support/hostile_files.h"
#include "support/temp_folder.h"
#include "support/without_access_override.h"
#include "support/working_database.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

int startupError(const QString& folder) {
    try {
        prepareWorkingDatabase(folder);
    } catch (const EngineError& error) {
        return error.number();
    }
    return 0;
}

// A database left by an earlier version: no password, the given format and version marker.
void writeOldDatabase(const QString& path, int format, const QVariant& version) {
    Database db = Database::create(path, format, std::nullopt);
    db.exec(createTableSql("employer", employerColumns()));
    RowValues row = emptyRow(employerColumns());
    row[0] = version;
    insertRow(db, table::employer, employerColumns(), row);
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

int startupErrorText(const QString& folder, QString& text) {
    try {
        prepareWorkingDatabase(folder);
    } catch (const EngineError& error) {
        text = error.description();
        return error.number();
    }
    return 0;
}

// Permission bits of a file or folder.
int modeOf(const QString& path) {
    struct stat info {};
    stat(QFile::encodeName(path).constData(), &info);
    return int(info.st_mode & 07777);
}

// While it lives, files and folders are created with every permission the program asks for.
struct OpenUmask {
    OpenUmask()
        : previous(umask(0)) {}
    ~OpenUmask() { umask(previous); }
    mode_t previous;
};

QString helper() {
    return QCoreApplication::applicationDirPath() + "/hold_database";
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void needsConversion_data();
    void needsConversion();
    void firstRunCreatesThenLaterRunsAskForThePassword();
    void oldDatabasesAreFoundByFormatAndMarker_data();
    void oldDatabasesAreFoundByFormatAndMarker();
    void damagedDatabaseIsReportedAndLeftAlone();
    void databaseOfAnotherMakeIsRefused_data();
    void databaseOfAnotherMakeIsRefused();
    void programShowsADatabaseOfAnotherMakeAndStaysUp();
    void probeOfADatabaseWithoutPasswordWritesNothing();
    void databaseInUseByAnotherProcessIsLeftAlone();
    void commandLineAnswersWithoutADisplay_data();
    void commandLineAnswersWithoutADisplay();
    void failedCreationLeavesNoHalfMadeFile_data();
    void failedCreationLeavesNoHalfMadeFile();
    void interruptedCreationIsRemovedAtTheNextStart_data();
    void interruptedCreationIsRemovedAtTheNextStart();
    void passwordChangeKilledPartWayLosesNothing_data();
    void passwordChangeKilledPartWayLosesNothing();
    void filesAndFoldersAreTheUsersAlone();
    void unreachableDatabaseSaysWhy_data();
    void unreachableDatabaseSaysWhy();
    void imagePathWithoutPathIni();
    void imagePathFromPathIniCreatesTheFolder();
    void deleteTempFilesIgnoresCase();
    void startUpRemovesTheProgramsWorkFilesOnly_data();
    void startUpRemovesTheProgramsWorkFilesOnly();
};

void TestStartup::needsConversion_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QVariant>("marker");
    QTest::addColumn<bool>("convert");
    QTest::newRow("current") << "3.0" << QVariant(QStringLiteral("3.4e")) << false;
    QTest::newRow("3.2") << "3.0" << QVariant(QStringLiteral("3.2")) << false;
    QTest::newRow("3.4") << "3.0" << QVariant(QStringLiteral("3.4")) << false;
    QTest::newRow("3.1") << "3.0" << QVariant(QStringLiteral("3.1")) << true;
    QTest::newRow("3.10") << "3.0" << QVariant(QStringLiteral("3.10")) << true;
    QTest::newRow("2.5") << "3.0" << QVariant(QStringLiteral("2.5")) << true;
    QTest::newRow("empty marker") << "3.0" << QVariant(QString()) << true;
    QTest::newRow("no marker") << "3.0" << QVariant() << false;
    QTest::newRow("older format") << "2.0" << QVariant(QStringLiteral("3.4e")) << true;
    QTest::newRow("unknown format") << "0.0" << QVariant() << true;
}

void TestStartup::needsConversion() {
    QFETCH(QString, format);
    QFETCH(QVariant, marker);
    QFETCH(bool, convert);
    QCOMPARE(::needsConversion(format, marker), convert);
}

void TestStartup::firstRunCreatesThenLaterRunsAskForThePassword() {
    TempFolder folder;
    QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::Created);
    QVERIFY(QFile::exists(folder.file("xw73d.mdb")));
    const QByteArray created = md5OfFile(folder.file("xw73d.mdb"));
    QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::PasswordProtected);
    QCOMPARE(md5OfFile(folder.file("xw73d.mdb")), created);
}

void TestStartup::oldDatabasesAreFoundByFormatAndMarker_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QVariant>("marker");
    QTest::addColumn<int>("path");
    QTest::newRow("current layout without password")
        << 30 << QVariant(QStringLiteral("3.4e")) << int(StartupPath::Current);
    QTest::newRow("marker 3.1") << 30 << QVariant(QStringLiteral("3.1"))
                                << int(StartupPath::NeedsConversion);
    QTest::newRow("older format") << 20 << QVariant(QStringLiteral("3.4e"))
                                  << int(StartupPath::NeedsConversion);
    QTest::newRow("no marker") << 30 << QVariant() << int(StartupPath::Current);
}

void TestStartup::oldDatabasesAreFoundByFormatAndMarker() {
    QFETCH(int, format);
    QFETCH(QVariant, marker);
    QFETCH(int, path);
    TempFolder folder;
    // An upper-case name, as an earlier version may have left it.
    writeOldDatabase(folder.file("XW73D.MDB"), format, marker);
    const QByteArray before = md5OfFile(folder.file("XW73D.MDB"));
    QCOMPARE(int(prepareWorkingDatabase(folder.path())), path);
    QCOMPARE(md5OfFile(folder.file("XW73D.MDB")), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"XW73D.MDB"});
}

void TestStartup::damagedDatabaseIsReportedAndLeftAlone() {
    TempFolder folder;
    QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::Created);
    QFile file(folder.file("xw73d.mdb"));
    QVERIFY(file.open(QIODevice::ReadWrite));
    file.resize(file.size() - 100);
    file.close();
    const QByteArray before = md5OfFile(folder.file("xw73d.mdb"));
    QCOMPARE(startupError(folder.path()), int(engine::Damaged));
    QCOMPARE(md5OfFile(folder.file("xw73d.mdb")), before);

    writeFile(folder.file("xw73d.mdb"),
              QByteArray("SQLite format 3\0", 16) + QByteArray(4080, 'z'));
    QCOMPARE(startupError(folder.path()), int(engine::Damaged));

    writeFile(folder.file("xw73d.mdb"), QByteArray("not even a database"));
    QCOMPARE(startupError(folder.path()), int(engine::Damaged));

    writeFile(folder.file("xw73d.mdb"), QByteArray()); // nothing of ours, and must stay so
    QCOMPARE(startupError(folder.path()), int(engine::Damaged));
    QCOMPARE(QFileInfo(folder.file("xw73d.mdb")).size(), 0);

    QFile::remove(folder.file("xw73d.mdb"));
    {
        Database foreign = Database::create(folder.file("xw73d.mdb"), 30, std::nullopt);
        foreign.exec(QStringLiteral("create table notes(text)"));
    }
    const QByteArray foreign = md5OfFile(folder.file("xw73d.mdb"));
    QCOMPARE(startupError(folder.path()), int(engine::Damaged));
    QCOMPARE(md5OfFile(folder.file("xw73d.mdb")), foreign);
}

void TestStartup::databaseOfAnotherMakeIsRefused_data() {
    QTest::addColumn<QString>("entry"); // empty: the statements run as they are
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("why");
    QTest::newRow("table made by a query crashes the engine") << "employer"
                                                              << "CREATE TABLE employer AS SELECT 1"
                                                              << "reading it made the database "
                                                                 "engine fail";
    QTest::newRow("records as an endless view")
        << "" << endlessView("employee", employeeColumns()) << "it holds view 'employee'";
    QTest::newRow("a trigger") << ""
                               << "CREATE TRIGGER t AFTER UPDATE ON employer BEGIN SELECT 1; END"
                               << "it holds trigger 't'";
    QTest::newRow("a column of no version") << ""
                                            << "ALTER TABLE employer ADD COLUMN Extra"
                                            << "its table 'employer' has other columns";
}

// A working database without a password that is not one of ours is refused before the program
// reads it, with a clear message, and left as it was.
void TestStartup::databaseOfAnotherMakeIsRefused() {
    QFETCH(QString, entry);
    QFETCH(QString, sql);
    QFETCH(QString, why);
    TempFolder folder;
    const QString path = folder.file("xw73d.mdb");
    writeOldDatabase(path, 30, QStringLiteral("3.1"));
    changeHostilely(path, entry, sql);
    const QByteArray before = md5OfFile(path);
    QString text;
    QCOMPARE(startupErrorText(folder.path(), text), int(engine::Damaged));
    QVERIFY2(text.contains("is not a database of this program: " + why), qPrintable(text));
    QCOMPARE(md5OfFile(path), before);
}

// The program as a user starts it: the crafted file that crashed every start is told in the
// error box (which also goes to the terminal), and the program waits for the user.
void TestStartup::programShowsADatabaseOfAnotherMakeAndStaysUp() {
    TempFolder folder;
    const QString path = folder.file("xw73d.mdb");
    writeOldDatabase(path, 30, QStringLiteral("3.4e"));
    changeHostilely(path, "employer", "CREATE TABLE employer AS SELECT 1");
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.setReadChannel(QProcess::StandardError);
    program.start(QStringLiteral(XW73D_PROGRAM), {"--data-dir", folder.path()});
    const QByteArray expected = "is not a database of this program";
    QByteArray said;
    while (!said.contains(expected) && program.waitForReadyRead(30000))
        said += program.readAllStandardError();
    QCOMPARE(program.state(), QProcess::Running); // the error box waits for the user
    program.kill();
    program.waitForFinished(10000);
    QVERIFY2(said.contains(expected), said.constData());
}

// Until it is known to be one of ours, the file is only read: a file the user may not change
// is still recognised (and the login then says what it says of it).
void TestStartup::probeOfADatabaseWithoutPasswordWritesNothing() {
    TempFolder folder;
    const QString path = folder.file("xw73d.mdb");
    writeOldDatabase(path, 30, QStringLiteral("3.1"));
    const QByteArray before = md5OfFile(path);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    {
        WithoutAccessOverride asAUser;
        QCOMPARE(startupError(folder.path()), 0);
        QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::NeedsConversion);
    }
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(md5OfFile(path), before);
}

void TestStartup::databaseInUseByAnotherProcessIsLeftAlone() {
    TempFolder folder;
    prepareWorkingDatabase(folder.path());
    const QString path = folder.file("xw73d.mdb");
    const QByteArray before = md5OfFile(path);

    QProcess holder;
    holder.start(QCoreApplication::applicationDirPath() + "/hold_database",
                 {path, QStringLiteral("qvz")});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("open"));

    QCOMPARE(startupError(folder.path()), int(engine::InUse));
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(md5OfFile(path), before);
    QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::PasswordProtected);
}

void TestStartup::commandLineAnswersWithoutADisplay_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("version") << "--version"
                             << "xw73d 3.4" << 0;
    QTest::newRow("help") << "--help"
                          << "--data-dir <DIR>" << 0;
    QTest::newRow("unknown option") << "--bogus"
                                    << "Unknown option 'bogus'" << 1;
}

void TestStartup::commandLineAnswersWithoutADisplay() {
    QFETCH(QString, option);
    QFETCH(QString, answer);
    QFETCH(int, exitCode);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb"); // a window could not be opened
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(XW73D_PROGRAM), {option});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), exitCode);
    QVERIFY(QString::fromLocal8Bit(program.readAllStandardOutput() + program.readAllStandardError())
                .contains(answer));
}

void TestStartup::failedCreationLeavesNoHalfMadeFile_data() {
    QTest::addColumn<int>("limit");
    QTest::newRow("nothing can be written") << 1;
    QTest::newRow("the file is started, then the disk is full") << 2048;
}

void TestStartup::failedCreationLeavesNoHalfMadeFile() {
    QFETCH(int, limit);
    TempFolder folder;
    {
        const FileSizeLimit full(limit);
        QCOMPARE(startupError(folder.path()), int(engine::DiskFull)); // the write is refused
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::Created);
}

// A first run killed part-way through the creation (here by the file-size limit's signal at a
// write) leaves no working database; the next start removes what it left and creates one.
void TestStartup::interruptedCreationIsRemovedAtTheNextStart_data() {
    QTest::addColumn<int>("limit");
    QTest::newRow("at the first write") << 1;
    QTest::newRow("after the first page") << 1024;
    QTest::newRow("after three pages") << 3072;
    QTest::newRow("after five pages") << 5120;
}

void TestStartup::interruptedCreationIsRemovedAtTheNextStart() {
    QFETCH(int, limit);
    TempFolder folder;
    QProcess firstRun;
    startLimited(firstRun, helper(), {folder.path(), QStringLiteral("create")}, rlim_t(limit));
    QVERIFY(firstRun.waitForFinished(10000));
    QCOMPARE(firstRun.exitStatus(), QProcess::CrashExit);
    QVERIFY(!files::exists(folder.path(), schema::workingFile));
    QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::Created);
    QCOMPARE(entriesIn(folder.path()), QStringList{schema::workingFile});
    Database db =
        Database::open(folder.file(schema::workingFile), OpenOptions{schema::defaultPassword});
    db.exec(QStringLiteral("select count(*) from employer; select count(*) from employee"));
}

// A password change killed at a write (by the file-size limit's signal) leaves a database that
// opens with the old password or with the new one, holding every record.
void TestStartup::passwordChangeKilledPartWayLosesNothing_data() {
    QTest::addColumn<int>("limit");
    QTest::newRow("at the copy's first write") << 1;
    QTest::newRow("part-way through the copy") << 16384;
    QTest::newRow("not killed") << (1 << 30);
}

void TestStartup::passwordChangeKilledPartWayLosesNothing() {
    QFETCH(int, limit);
    TempFolder folder;
    prepareWorkingDatabase(folder.path());
    const QString path = folder.file(schema::workingFile);
    addRecords(folder.path(), 300, schema::defaultPassword);
    QProcess change;
    startLimited(change, helper(), {path, "qvz", "rekey", "Ab12"}, rlim_t(limit));
    QVERIFY(change.waitForFinished(20000));
    QCOMPARE(change.exitStatus(), limit < (1 << 30) ? QProcess::CrashExit : QProcess::NormalExit);
    prepareWorkingDatabase(folder.path()); // the next start removes what the change left
    QCOMPARE(entriesIn(folder.path()), QStringList{schema::workingFile});
    const QString password = limit < (1 << 30) ? QStringLiteral("qvz") : QStringLiteral("Ab12");
    Database db = Database::open(path, OpenOptions{.password = password});
    Statement count = db.prepare(QStringLiteral("select count(*) from employee"));
    QVERIFY(count.next());
    QCOMPARE(count.value(0).toInt(), 301);
}

// Even with a umask that lets every user in, the database is the user's alone, and so are the
// folders the program makes.
void TestStartup::filesAndFoldersAreTheUsersAlone() {
    TempFolder folder;
    const OpenUmask open;
    QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::Created);
    QCOMPARE(modeOf(folder.file(schema::workingFile)), 0600);
    const QString made = platform::programFolder(folder.file("made/program"));
    QCOMPARE(modeOf(made), 0700);
    writeFile(folder.file("path.ini"), folder.file("images").toLocal8Bit());
    setUpPaths(folder.path());
    QCOMPARE(modeOf(folder.file("images")), 0700);
}

// What stands in the way is named: a folder in the database's place, a file without read
// permission, a folder where nothing can be written.
void TestStartup::unreachableDatabaseSaysWhy_data() {
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder named like the database")
        << "folder" << int(engine::CannotReach) << "is a folder, not a database file";
    QTest::newRow("an unreadable database")
        << "unreadable" << int(engine::CannotReach) << "you have no permission to read it";
    QTest::newRow("a read-only program folder, first run")
        << "read-only folder" << int(engine::ReadOnly) << "is read-only";
}

void TestStartup::unreachableDatabaseSaysWhy() {
    QFETCH(QString, blocker);
    QFETCH(int, number);
    QFETCH(QString, reason);
    TempFolder folder;
    const QString path = folder.file(schema::workingFile);
    if (blocker == "folder")
        QVERIFY(QDir().mkdir(path));
    if (blocker == "unreadable") {
        writeOldDatabase(path, 30, QStringLiteral("3.4e"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }
    if (blocker == "read-only folder")
        QVERIFY(
            QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QString text;
    {
        const WithoutAccessOverride asAUser;
        QCOMPARE(startupErrorText(folder.path(), text), number);
    }
    QFile::setPermissions(folder.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY2(text.contains(reason), qPrintable(text));
}

void TestStartup::imagePathWithoutPathIni() {
    TempFolder folder;
    const ImagePaths paths = setUpPaths(folder.path());
    QCOMPARE(paths.imagePath, QDir::toNativeSeparators(folder.file("_a.txt")));
}

void TestStartup::imagePathFromPathIniCreatesTheFolder() {
    TempFolder folder;
    const QString target = folder.file("RETURN");
    writeFile(folder.file("PATH.INI"), (target + "\r\nsecond line ignored\r\n").toLocal8Bit());
    const ImagePaths paths = setUpPaths(folder.path());
    QCOMPARE(paths.imagePath, QDir::toNativeSeparators(target + "/_xw73d.txt"));
    QVERIFY(QFileInfo(target).isDir());
}

void TestStartup::deleteTempFilesIgnoresCase() {
    TempFolder folder;
    const QStringList work{"TEMP73D.MDB",         "temp73dc.mdb",     "~~LOG~~.mdb",
                           "temp73d.mdb-journal", "TEMP73D.MDB.part", "~~log~~.mdb.part"};
    for (const QString& name : work)
        writeFile(folder.file(name), "x");
    writeFile(folder.file("xw73d.mdb"), "kept");
    writeFile(folder.file("temp73d.txt"), "kept");
    deleteTempFiles(folder.path());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name),
             (QStringList{"temp73d.txt", "xw73d.mdb"}));
    deleteTempFiles(folder.path()); // nothing left to delete: no complaint
}

void TestStartup::startUpRemovesTheProgramsWorkFilesOnly_data() {
    QTest::addColumn<bool>("firstRun");
    QTest::newRow("first run") << true;
    QTest::newRow("later run") << false;
}

// What interrupted runs left under the program's work names goes at the next start, whatever
// the case of the name; files of the user's beside them stay.
void TestStartup::startUpRemovesTheProgramsWorkFilesOnly() {
    QFETCH(bool, firstRun);
    TempFolder folder;
    if (!firstRun)
        prepareWorkingDatabase(folder.path());
    QVERIFY(QDir(folder.path()).mkdir("backups"));
    for (const char* entry : {"archive/2026-12-07-101200", "archive/2026-12-07-101500"})
        QVERIFY(QDir(folder.path()).mkpath(entry));
    const QStringList work{"archive/2026-12-07-101200/entry.mdb.part",
                           "archive/2026-12-07-101200/entry.mdb.part-journal",
                           "archive/2026-12-07-101500/entry.mdb.part",
                           "_A.TXT.PART",
                           "_a.txt.part",
                           "xw73d.mdb-restoring",
                           "XW73D.MDB-RESTORING.part",
                           "xw73d.mdb-newkey",
                           "xw73d.mdb-newkey-journal",
                           ".xw73d-probe-Ab12Cd",
                           "backups/.xw73d-2026-12-07-1012-first-login.mdb.part",
                           "backups/.xw73d-2026-12-07-1012-first-login.mdb.part-journal",
                           "backups/XW73D-2026-12-07-1012-BEFORE-RESTORE.MDB.PART"};
    const QStringList users{"_a.txt.part.mine",
                            "notes.part",
                            "xw73d.mdb.bak",
                            "backups/mine.part",
                            "backups/xw73d-2026-12-07-1012-first-login.mdb",
                            "archive/2026-12-07-101500/entry.mdb"};
    for (const QString& name : work + users)
        writeFile(folder.file(name), "x");
    prepareWorkingDatabase(folder.path());
    QStringList left;
    for (const QString& name : work + users)
        if (QFile::exists(folder.file(name)))
            left << name;
    QCOMPARE(left, users);
    // The folder of an entry that never took its name goes too; a kept entry's stays.
    QCOMPARE(entriesIn(folder.file("archive")), QStringList{"2026-12-07-101500"});
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
