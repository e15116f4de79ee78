#include "common/files.h"
#include "startup/paths.h"
#include "startup/run_state.h"
#include "startup/startup.h"
#include "store/rows.h"
#include "store/schema.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

QByteArray digest(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5);
}

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
    void databaseInUseByAnotherProcessIsLeftAlone();
    void commandLineAnswersWithoutADisplay_data();
    void commandLineAnswersWithoutADisplay();
    void failedCreationLeavesNoHalfMadeFile_data();
    void failedCreationLeavesNoHalfMadeFile();
    void doubleBackslashes_data();
    void doubleBackslashes();
    void imagePathWithoutPathIni();
    void imagePathFromPathIniCreatesTheFolder();
    void deleteTempFilesIgnoresCase();
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
    const QByteArray created = digest(folder.file("xw73d.mdb"));
    QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::PasswordProtected);
    QCOMPARE(digest(folder.file("xw73d.mdb")), created);
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
    const QByteArray before = digest(folder.file("XW73D.MDB"));
    QCOMPARE(int(prepareWorkingDatabase(folder.path())), path);
    QCOMPARE(digest(folder.file("XW73D.MDB")), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"XW73D.MDB"});
}

void TestStartup::damagedDatabaseIsReportedAndLeftAlone() {
    TempFolder folder;
    QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::Created);
    QFile file(folder.file("xw73d.mdb"));
    QVERIFY(file.open(QIODevice::ReadWrite));
    file.resize(file.size() - 100);
    file.close();
    const QByteArray before = digest(folder.file("xw73d.mdb"));
    QCOMPARE(startupError(folder.path()), int(engine::Damaged));
    QCOMPARE(digest(folder.file("xw73d.mdb")), before);

    writeFile(folder.file("xw73d.mdb"),
              QByteArray("SQLite format 3\0", 16) + QByteArray(4080, 'z'));
    QCOMPARE(startupError(folder.path()), int(engine::Damaged));

    writeFile(folder.file("xw73d.mdb"), QByteArray("not even a database"));
    QCOMPARE(startupError(folder.path()), int(engine::Damaged));

    writeFile(folder.file("xw73d.mdb"),
              QByteArray()); // an empty file is an engine file without tables
    QCOMPARE(startupError(folder.path()), int(engine::Damaged));
}

void TestStartup::databaseInUseByAnotherProcessIsLeftAlone() {
    TempFolder folder;
    prepareWorkingDatabase(folder.path());
    const QString path = folder.file("xw73d.mdb");
    const QByteArray before = digest(path);

    QProcess holder;
    holder.start(QCoreApplication::applicationDirPath() + "/hold_database",
                 {path, QStringLiteral("qvz")});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("open"));

    QCOMPARE(startupError(folder.path()), int(engine::InUse));
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(digest(path), before);
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
        QCOMPARE(startupError(folder.path()), int(engine::DiskError)); // the write is refused
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::Created);
}

void TestStartup::doubleBackslashes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("doubled");
    QTest::newRow("none") << QString("/home/a/_a.txt") << QString("/home/a/_a.txt");
    QTest::newRow("drive path") << QString("D:\\RETURN\\_xw73d.txt")
                                << QString("D:\\\\RETURN\\\\_xw73d.txt");
    QTest::newRow("two together") << QString("a\\\\b") << QString("a\\\\\\\\b");
    QTest::newRow("empty") << QString() << QString();
}

void TestStartup::doubleBackslashes() {
    QFETCH(QString, text);
    QFETCH(QString, doubled);
    QCOMPARE(::doubleBackslashes(text), doubled);
}

void TestStartup::imagePathWithoutPathIni() {
    TempFolder folder;
    const ImagePaths paths = setUpPaths(folder.path());
    QCOMPARE(paths.imagePath, QDir::toNativeSeparators(folder.file("_a.txt")));
    QCOMPARE(paths.escapedImagePath, ::doubleBackslashes(paths.imagePath));
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

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
