// Start-up with a database left by an earlier version: converted all or nothing, the old file
// kept byte for byte, or nothing changed at all.
#include "core/common/files.h"
#include "gui/startup/conversion_messages.h"
#include "gui/startup/startup_screen.h"
#include "store/startup/backups.h"
#include "store/startup/conversion.h"
#include "support/file_size_limit.h"
#include "support/hostile_files.h"
#include "support/old_database.h"
#include "support/program_run.h"
#include "support/temp_folder.h"
#include "support/without_access_override.h"
#include "support/working_database.h"

#include <QProcess>
#include <QProgressBar>
#include <QTest>
#include <sys/stat.h>

namespace {

const QString question =
    QStringLiteral("Your original database will be converted to a new database. (Please refer "
                   "to Appendix E of the Operation Guide.)\n\nDo you want to proceed with the "
                   "conversion?");
const QString checkFields =
    QStringLiteral("Please check the correctness of all the fields in the database.");

QList<QVariantList> threeRecords() {
    return {
        {1, "O", " ", "CHAN", QString(45, u'a') + "bbbbb", "KOWLOON", "98", "1234567", "12000"},
        oldPlaceholder(),
        {2, "O", " ", "WONG", "1 MAIN ST", QVariant(), "1999", "1,000", QVariant()},
        {3, "R", "7", "LEE", QVariant(), QVariant(), QVariant(), QVariant(), ""},
    };
}

QStringList values(Database& db, const QString& sql) {
    QStringList texts;
    Statement read = db.prepare(sql);
    while (read.next())
        texts << (read.value(0).isNull() ? QStringLiteral("(none)") : read.value(0).toString());
    return texts;
}

QString employeeColumn(Database& db, const char* name) {
    return values(db, QStringLiteral("select \"%1\" from employee where Status <> 'H' order by ID")
                          .arg(QLatin1String(name)))
        .join(u'|');
}

// Makes the folder read-only while it lives.
struct ReadOnlyFolder {
    explicit ReadOnlyFolder(const QString& path)
        : m_path(QFile::encodeName(path)) {
        chmod(m_path.constData(), 0500);
    }
    ~ReadOnlyFolder() { chmod(m_path.constData(), 0700); }
    QByteArray m_path;
    WithoutAccessOverride asAUser;
};

// The records of the working database in the folder, read with the default password.
int employeeRows(const QString& folder) {
    Database db = Database::open(databasePath(folder, DatabaseFile::Working), OpenOptions{"qvz"});
    Statement count = db.prepare(QStringLiteral("select count(*) from employee"));
    return count.next() ? count.value(0).toInt() : -1;
}

// Converts the old database in the folder in another process, which is killed with SIGKILL
// right after its given number of renames.
QProcess::ExitStatus convertKilledAfterRenames(const QString& folder, int renames) {
    QProcess convert;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", QStringLiteral(KILL_AT_RENAME));
    environment.insert("KILL_AFTER_RENAMES", QString::number(renames));
    // In the sanitizer build the preloaded library comes before the sanitizer's runtime, which
    // the runtime refuses unless told that this order is meant.
    environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") +
                                           QStringLiteral(":verify_asan_link_order=0"));
    convert.setProcessEnvironment(environment);
    convert.start(QCoreApplication::applicationDirPath() + "/hold_database", {folder, "convert"});
    if (!convert.waitForFinished(60000))
        convert.kill();
    return convert.exitStatus();
}

} // namespace

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void convertsAndKeepsTheOldFile();
    void progressCoversEveryOldRow();
    void nothingChangesWhenRefused_data();
    void nothingChangesWhenRefused();
    void failureInTheMiddleKeepsTheOldFile_data();
    void failureInTheMiddleKeepsTheOldFile();
    void valueTakenOrRefused_data();
    void valueTakenOrRefused();
    void folderNameWithSignsOfAnAddress();
    void killedAroundTheRenamesLosesNothing_data();
    void killedAroundTheRenamesLosesNothing();
    void conversionFilesAreNeverHiddenByANewDatabase_data();
    void conversionFilesAreNeverHiddenByANewDatabase();
    void refusedValueNamesItsRecord_data();
    void refusedValueNamesItsRecord();

    void oldDatabaseOfAnotherMakeIsNotRead_data();
    void oldDatabaseOfAnotherMakeIsNotRead();
};

void TestConversion::convertsAndKeepsTheOldFile() {
    TempFolder folder;
    makeOldDatabase(folder.path(), threeRecords());
    const QByteArray oldDigest = md5OfFile(folder.file("xw73d.mdb"));
    {
        ProgramRun run(folder.path(), {true});
        QCOMPARE(run.services.texts(), QStringList({question, checkFields}));
        QVERIFY(visibleScreen<QWidget>("fSubInfo")); // logged in with qvz by itself
    }
    QCOMPARE(md5OfFile(folder.file("1999a.xwd")), oldDigest);
    QVERIFY(!QFile::exists(folder.file("xw73dnew.mdb")));
    Database db = Database::open(folder.file("xw73d.mdb"), OpenOptions{"qvz"});
    QCOMPARE(values(db, "select Status from employee order by rowid"),
             QStringList({"H", "O", "O", "R"}));
    QCOMPARE(employeeColumn(db, "Surname"), QString("CHAN|WONG|LEE"));
    QCOMPARE(employeeColumn(db, "EYear1"), QString("1998|1999|(none)"));
    QCOMPARE(employeeColumn(db, "aIncome"), QString("1,234,567|1,000|(none)"));
    QCOMPARE(employeeColumn(db, "Q1Rent1"), QString("12,000|(none)|"));
    QCOMPARE(employeeColumn(db, "RAddress1"), QString(45, u'a') + "|1 MAIN ST|(none)");
    QCOMPARE(employeeColumn(db, "RAddress2"), QString("bbbbb KOWLOON|(none)|(none)"));
    QCOMPARE(employeeColumn(db, "Remark"), QString("(none)|(none)|(none)")); // not in the old
    QCOMPARE(values(db, "select Version || ReturnYear || Session || Name || Designation || "
                        "coalesce(BRN, '-') || coalesce(SubmissionDate, '-') from employer"),
             QStringList({"3.4e1999AACMEManager--"}));
    db.close();
    // The old file as it was, without a password, beside the first login's copy.
    QList<backups::Backup> copies = backups::list(folder.path(), {QString()});
    QCOMPARE(copies.size(), qsizetype(2));
    if (copies.first().reason != backups::reason::conversion)
        std::swap(copies.first(), copies.last());
    QCOMPARE(copies.first().reason, backups::reason::conversion);
    QCOMPARE(copies.first().records, std::optional<qint64>(3));
    QCOMPARE(prepareWorkingDatabase(folder.path()), StartupPath::PasswordProtected);
}

// The bar runs over all old rows, the placeholder included, beyond a 16-bit counter.
void TestConversion::progressCoversEveryOldRow() {
    TempFolder folder;
    makeOldDatabase(folder.path(), oldRecords(33'000));
    ScriptedServices services;
    services.answers = {true};
    RunState state;
    state.programFolder = folder.path();
    StartupScreen screen(state);
    QList<int> shown;
    auto* bar = screen.findChild<QProgressBar*>("ProgressBar1");
    connect(bar, &QProgressBar::valueChanged, this, [&shown](int value) { shown << value; });
    screen.load();
    QCOMPARE(services.lastText(), checkFields);
    QCOMPARE(bar->maximum(), 33'001);
    QVERIFY(shown.size() > 100);
    QCOMPARE(shown.last(), 33'001);
    // Every other record went the careful way, after the others; each kept its place.
    Database db = Database::open(folder.file("xw73d.mdb"), OpenOptions{"qvz"});
    QStringList inOrder;
    for (int id = 1; id <= 33'000; ++id)
        inOrder << QString::number(id);
    QCOMPARE(values(db, "select ID from employee where Status = 'O' order by rowid"), inOrder);
}

void TestConversion::nothingChangesWhenRefused_data() {
    QTest::addColumn<bool>("keptFileInTheWay");
    QTest::addColumn<QString>("lastText");
    QTest::newRow("declined") << false << question;
    QTest::newRow("1999a.xwd in the way") << true << QString();
}

void TestConversion::nothingChangesWhenRefused() {
    QFETCH(bool, keptFileInTheWay);
    QFETCH(QString, lastText);
    TempFolder folder;
    makeOldDatabase(folder.path(), threeRecords());
    if (keptFileInTheWay)
        QVERIFY(createFiles(folder.path(), {"1999A.XWD"}));
    if (lastText.isEmpty())
        lastText = "A file named '1999a.xwd' is found in the working directory (" + folder.path() +
                   "), please move it to other directory and start the program "
                   "again!";
    const QStringList entries = entriesIn(folder.path());
    const QByteArray oldDigest = md5OfFile(folder.file("xw73d.mdb"));
    ProgramRun run(folder.path(), {keptFileInTheWay});
    QVERIFY(run.services.ended);
    QCOMPARE(run.services.lastText(), lastText);
    QCOMPARE(entriesIn(folder.path()), entries);
    QCOMPARE(md5OfFile(folder.file("xw73d.mdb")), oldDigest);
}

void TestConversion::failureInTheMiddleKeepsTheOldFile_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("number");
    QTest::newRow("read-only program folder") << true << QString(" 3051");
    QTest::newRow("file-size limit") << false << QString(" 3026");
}

// The backup cannot be written either; the user goes on without it, and the conversion fails.
void TestConversion::failureInTheMiddleKeepsTheOldFile() {
    QFETCH(bool, readOnly);
    QFETCH(QString, number);
    TempFolder folder;
    makeOldDatabase(folder.path(), oldRecords(300));
    const QByteArray oldDigest = md5OfFile(folder.file("xw73d.mdb"));
    {
        std::optional<ReadOnlyFolder> locked;
        std::optional<FileSizeLimit> limit;
        if (readOnly)
            locked.emplace(folder.path());
        else
            limit.emplace(16 * 1024);
        ProgramRun run(folder.path(), {true, true});
        QVERIFY(run.services.ended);
        QCOMPARE(run.services.boxes.size(), 4); // question, backup failed, go on?, conversion
        QVERIFY2(run.services.lastText().endsWith(number), qPrintable(run.services.lastText()));
    }
    QCOMPARE(md5OfFile(folder.file("xw73d.mdb")), oldDigest);
    QVERIFY(!files::exists(folder.path(), "xw73dnew.mdb"));
    QVERIFY(!files::exists(folder.path(), "xw73dnew.mdb-journal"));
    QVERIFY(!files::exists(folder.path(), "1999a.xwd"));
}

void TestConversion::valueTakenOrRefused_data() {
    QTest::addColumn<int>("column"); // in oldEmployeeColumns
    QTest::addColumn<QVariant>("old");
    QTest::addColumn<int>("refusal");    // 0: taken
    QTest::addColumn<QString>("stored"); // when taken; empty: as it was
    const QChar chen(0x9673);
    const QString fortyFive(45, u'a');
    const int tooLong = engine::FieldTooSmall;
    QTest::newRow("ASCII surname of 20") << 3 << QVariant(QString(20, u'A')) << 0 << "";
    QTest::newRow("ASCII surname of 21") << 3 << QVariant(QString(21, u'A')) << tooLong << "";
    QTest::newRow("10 Chinese in a 20-byte surname") << 3 << QVariant(QString(10, chen)) << 0 << "";
    QTest::newRow("11 Chinese in a 20-byte surname")
        << 3 << QVariant(QString(11, chen)) << tooLong << "";
    QTest::newRow("character outside the code page")
        << 3 << QVariant(QStringLiteral("A\U0001F600")) << tooLong << "";
    QTest::newRow("empty sheet number")
        << 2 << QVariant(QStringLiteral("")) << int(engine::ZeroLength) << "";
    QTest::newRow("text in a number column")
        << 0 << QVariant(QStringLiteral("12 A")) << int(engine::InvalidArgument) << "";
    QTest::newRow("digits as text in a number column")
        << 0 << QVariant(QStringLiteral("12")) << 0 << "";
    QTest::newRow("number beyond 32 bits")
        << 0 << QVariant(qlonglong(1) << 40) << int(engine::InvalidArgument) << "";
    QTest::newRow("two-digit year") << 6 << QVariant(QStringLiteral("98")) << 0 << "1998";
    QTest::newRow("two-digit year as a number") << 6 << QVariant(98) << 0 << "1998";
    QTest::newRow("amount of digits")
        << 7 << QVariant(QStringLiteral("1234567")) << 0 << "1,234,567";
    QTest::newRow("amount with blanks") << 7 << QVariant(QStringLiteral(" 1234 ")) << 0 << "1,234";
    QTest::newRow("amount too long once grouped")
        << 7 << QVariant(QStringLiteral("1234567890")) << tooLong << "";
    QTest::newRow("address of 45") << 4 << QVariant(fortyFive) << 0 << "";
    QTest::newRow("address of 46") << 4 << QVariant(fortyFive + u'b') << 0 << fortyFive;
    QTest::newRow("20 Chinese in a 45-byte address") << 4 << QVariant(QString(20, chen)) << 0 << "";
    QTest::newRow("23 Chinese in a 45-byte address")
        << 4 << QVariant(QString(23, chen)) << 0 << QString(22, chen);
    QTest::newRow("address outside the code page")
        << 4 << QVariant(QStringLiteral("A\U0001F600")) << tooLong << "";
}

// Every old value goes through our columns' checks: what they refuse stops the conversion with
// the old file untouched; what they take arrives as the rules make it. The record's other values
// pass unchanged, so each case decides alone whether the record is copied by the engine or the
// careful way.
void TestConversion::valueTakenOrRefused() {
    QFETCH(int, column);
    QFETCH(QVariant, old);
    QFETCH(int, refusal);
    QFETCH(QString, stored);
    TempFolder folder;
    QVariantList record = threeRecords()[2];
    record[column] = old;
    makeOldDatabase(folder.path(), {oldPlaceholder(), record});
    const QByteArray oldDigest = md5OfFile(folder.file("xw73d.mdb"));
    int raised = 0;
    try {
        convertDatabase(folder.path(), [](qint64, qint64) {});
    } catch (const EngineError& error) {
        raised = error.number();
    }
    QCOMPARE(raised, refusal);
    if (refusal) {
        QCOMPARE(md5OfFile(folder.file("xw73d.mdb")), oldDigest);
        QVERIFY(!files::exists(folder.path(), "xw73dnew.mdb"));
        return;
    }
    Database db = Database::open(folder.file("xw73d.mdb"), OpenOptions{"qvz"});
    QCOMPARE(employeeColumn(db, qPrintable(oldEmployeeColumns[column])),
             stored.isEmpty() ? old.toString() : stored);
}

// The old file is read through an address made of its path: signs that mean something in an
// address are taken as part of the name.
void TestConversion::folderNameWithSignsOfAnAddress() {
    TempFolder parent;
    const QString folder = parent.file(QStringLiteral("Return 2026 #2 %20?mode=rw 陳"));
    QVERIFY(QDir().mkpath(folder));
    makeOldDatabase(folder, threeRecords());
    const QByteArray oldDigest = md5OfFile(QDir(folder).filePath("xw73d.mdb"));
    convertDatabase(folder, [](qint64, qint64) {});
    QCOMPARE(md5OfFile(QDir(folder).filePath("1999a.xwd")), oldDigest);
    Database db = Database::open(QDir(folder).filePath("xw73d.mdb"), OpenOptions{"qvz"});
    QCOMPARE(employeeColumn(db, "Surname"), QString("CHAN|WONG|LEE"));
}

void TestConversion::killedAroundTheRenamesLosesNothing_data() {
    QTest::addColumn<int>("renames");
    QTest::addColumn<QStringList>("leftBehind");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("killed before the first rename")
        << 0 << QStringList{"xw73d.mdb", "xw73dnew.mdb"} << QStringList{question, checkFields};
    QTest::newRow("killed between the renames")
        << 1 << QStringList{"1999a.xwd", "xw73dnew.mdb"}
        << QStringList{conversionmessages::interruptedConversionFinished(), checkFields};
    QTest::newRow("killed after both renames")
        << 2 << QStringList{"1999a.xwd", "xw73d.mdb"} << QStringList();
}

// Killed at any point of the renames, the next start finishes the conversion or does it again;
// the records are never hidden behind a new, empty database.
void TestConversion::killedAroundTheRenamesLosesNothing() {
    QFETCH(int, renames);
    QFETCH(QStringList, leftBehind);
    QFETCH(QStringList, messages);
    TempFolder folder;
    makeOldDatabase(folder.path(), oldRecords(300));
    const QByteArray oldDigest = md5OfFile(folder.file("xw73d.mdb"));
    QCOMPARE(convertKilledAfterRenames(folder.path(), renames), QProcess::CrashExit);
    QCOMPARE(entriesIn(folder.path()), leftBehind);
    {
        ProgramRun run(folder.path(), {true});
        QCOMPARE(run.services.texts(), messages);
        QVERIFY(!run.services.ended);
        // Entered with the default password by itself, or (after a completed conversion) asked.
        QVERIFY(visibleScreen<QWidget>(renames < 2 ? "fSubInfo" : "fLogin"));
    }
    QCOMPARE(employeeRows(folder.path()), 301);
    QCOMPARE(md5OfFile(folder.file("1999a.xwd")), oldDigest);
    QVERIFY(!files::exists(folder.path(), schema::conversionFile));
}

void TestConversion::conversionFilesAreNeverHiddenByANewDatabase_data() {
    QTest::addColumn<QStringList>("laid");
    QTest::addColumn<bool>("newWanted");
    QTest::newRow("the old file alone, kept") << QStringList{"1999a.xwd"} << false;
    QTest::newRow("the old file alone, a new database wanted") << QStringList{"1999a.xwd"} << true;
    QTest::newRow("a complete new file alone") << QStringList{"xw73dnew.mdb"} << false;
    QTest::newRow("a damaged new file beside the old")
        << QStringList{"1999a.xwd", "xw73dnew.mdb"} << false;
}

// Without a working database, the files a conversion leaves are named to the user, who decides
// whether a new, empty database is made; No leaves every file as it is.
void TestConversion::conversionFilesAreNeverHiddenByANewDatabase() {
    QFETCH(QStringList, laid);
    QFETCH(bool, newWanted);
    TempFolder folder;
    makeOldDatabase(folder.path(), threeRecords());
    convertDatabase(folder.path(), [](qint64, qint64) {});
    QVERIFY(QFile::rename(folder.file("xw73d.mdb"), folder.file("xw73dnew.mdb")));
    if (!laid.contains("1999a.xwd"))
        QVERIFY(QFile::remove(folder.file("1999a.xwd")));
    if (!laid.contains("xw73dnew.mdb"))
        QVERIFY(QFile::remove(folder.file("xw73dnew.mdb")));
    else if (laid.contains("1999a.xwd")) // cut short: it cannot be read whole
        QVERIFY(QFile::resize(folder.file("xw73dnew.mdb"), 4096));
    QMap<QString, QByteArray> digests;
    for (const QString& name : laid)
        digests[name] = md5OfFile(folder.file(name));
    ProgramRun run(folder.path(), {newWanted});
    QCOMPARE(run.services.boxes.size(), 1);
    QCOMPARE(run.services.boxes.first().kind, platform::BoxKind::Confirmation);
    QVERIFY(run.services.lastText().startsWith("There is no database 'xw73d.mdb'"));
    for (const QString& name : laid)
        QVERIFY2(run.services.lastText().contains('\'' + name + "' is the database"),
                 qPrintable(run.services.lastText()));
    QCOMPARE(run.services.ended, !newWanted);
    QCOMPARE(files::exists(folder.path(), schema::workingFile), newWanted);
    for (const QString& name : laid)
        QCOMPARE(md5OfFile(folder.file(name)), digests[name]);
    if (newWanted)
        QVERIFY(visibleScreen<QWidget>("fSubInfo"));
}

void TestConversion::refusedValueNamesItsRecord_data() {
    QTest::addColumn<int>("column"); // in oldEmployeeColumns
    QTest::addColumn<QVariant>("old");
    QTest::addColumn<bool>("cutAgreed");
    QTest::addColumn<QString>("stored");              // empty: not converted
    const QString surname = "WONGSOONGMANKITCHANLEE"; // 22 characters; our column holds 20
    QTest::newRow("too long a surname, cut agreed")
        << 3 << QVariant(surname) << true << surname.left(20);
    QTest::newRow("too long a surname, cut declined") << 3 << QVariant(surname) << false << "";
    QTest::newRow("text in a number column, no cut offered")
        << 0 << QVariant(QStringLiteral("12 A")) << true << "";
}

// A value our column refuses names its record and column and says how to go on; a free text
// that is only too long may be cut, once the user agrees, and is named when the conversion is
// done. The old file keeps every byte.
void TestConversion::refusedValueNamesItsRecord() {
    QFETCH(int, column);
    QFETCH(QVariant, old);
    QFETCH(bool, cutAgreed);
    QFETCH(QString, stored);
    TempFolder folder;
    QList<QVariantList> records = threeRecords();
    records[2][column] = old;
    makeOldDatabase(folder.path(), records);
    const QByteArray oldDigest = md5OfFile(folder.file("xw73d.mdb"));
    const bool cutOffered = column == 3;
    {
        ProgramRun run(folder.path(), {true, cutAgreed});
        const QString refusal = run.services.texts().value(1);
        const QString record = column == 3 ? "the old record with ID 2 (surname '" +
                                                 old.toString() + "', other names (none))"
                                           : "the old record with ID 12 A (surname 'WONG'";
        QVERIFY2(refusal.contains(record), qPrintable(refusal));
        QVERIFY2(refusal.contains("in the column '" + oldEmployeeColumns[column] + "'",
                                  Qt::CaseInsensitive),
                 qPrintable(refusal));
        QVERIFY(refusal.contains("Correct that record with any SQLite tool"));
        QCOMPARE(run.services.boxes.value(1).kind,
                 cutOffered ? platform::BoxKind::Confirmation : platform::BoxKind::Error);
        QCOMPARE(run.services.ended, stored.isEmpty());
        if (!stored.isEmpty())
            QCOMPARE(run.services.lastText(),
                     checkFields +
                         "\n\nThese values were too long and were cut to the width of "
                         "their column:\n" +
                         record + ", Surname: '" + old.toString() + "' is now '" + stored + "'");
    }
    if (stored.isEmpty()) {
        QCOMPARE(md5OfFile(folder.file("xw73d.mdb")), oldDigest);
        QCOMPARE(entriesIn(folder.path()), (QStringList{"backups", "xw73d.mdb"}));
        return;
    }
    QCOMPARE(md5OfFile(folder.file("1999a.xwd")), oldDigest);
    Database db = Database::open(folder.file("xw73d.mdb"), OpenOptions{"qvz"});
    QCOMPARE(employeeColumn(db, "Surname"), "CHAN|" + stored + "|LEE");
}

void TestConversion::oldDatabaseOfAnotherMakeIsNotRead_data() {
    QTest::addColumn<QString>("entry"); // empty: the statements run as they are
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("why");
    QTest::newRow("table made by a query crashes the engine") << "Employer"
                                                              << "CREATE TABLE Employer AS SELECT 1"
                                                              << "made the database engine fail";
    QTest::newRow("records as an endless view")
        << ""
        << "DROP TABLE Employee; " + endlessView("Employee", employeeColumns())
        << "it holds view 'Employee'";
    QTest::newRow("a table's definition rewritten as an endless view")
        << "Employee" << endlessView("Employee", employeeColumns()) << "it holds view 'Employee'";
}

// The conversion reads nothing of an old file that is not one of ours: a clear error, the old
// file as it was, and nothing new left behind.
void TestConversion::oldDatabaseOfAnotherMakeIsNotRead() {
    QFETCH(QString, entry);
    QFETCH(QString, sql);
    QFETCH(QString, why);
    TempFolder folder;
    makeOldDatabase(folder.path(), threeRecords());
    changeHostilely(folder.file("xw73d.mdb"), entry, sql);
    const QStringList entries = entriesIn(folder.path());
    const QByteArray oldDigest = md5OfFile(folder.file("xw73d.mdb"));
    QString text;
    try {
        convertDatabase(folder.path(), [](qint64, qint64) {});
    } catch (const EngineError& error) {
        text = error.description();
    }
    QVERIFY2(text.contains("is not a database of this program") && text.contains(why),
             qPrintable(text));
    QCOMPARE(md5OfFile(folder.file("xw73d.mdb")), oldDigest);
    QCOMPARE(entriesIn(folder.path()), entries);
}

QTEST_MAIN(TestConversion)
#include "tst_conversion.moc"
