// Start-up with a database left by an earlier version: converted all or nothing, the old file
// kept byte for byte, or nothing changed at all.
#include "common/files.h"
#include "startup/startup_screen.h"
#include "store/backups.h"
#include "store/conversion.h"
#include "support/file_size_limit.h"
#include "support/hostile_files.h"
#include "support/old_database.h"
#include "support/program_run.h"
#include "support/temp_folder.h"
#include "support/without_access_override.h"
#include "support/working_database.h"

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
