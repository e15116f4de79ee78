#include "store/submission/log_database.h"
#include "store/submission/return_image_file.h"
#include "store/submission/submission_database.h"
#include "support/engine_errors.h"
#include "support/file_size_limit.h"
#include "support/submission_setup.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <sys/stat.h>

namespace {

QString submissionPath(WorkingDatabase& db) {
    return db.folder.file(submissionFileName);
}

// An original record named for its case, employed from start to end (YYYYMMDD texts).
QStringList employed(const QString& surname, const QString& start, const QString& end,
                     const QString& status = QStringLiteral("O")) {
    return {"Status=" + status,           "SheetNo= ",
            "Surname=" + surname,         "EYear1=" + start.left(4),
            "EMonth1=" + start.mid(4, 2), "EDay1=" + start.mid(6),
            "EYear2=" + end.left(4),      "EMonth2=" + end.mid(4, 2),
            "EDay2=" + end.mid(6)};
}

// The worked example's employer and records built into the submission; the image's path.
QString buildExample(WorkingDatabase& db, int records) {
    setEmployer(db, exampleEmployer);
    addExampleRecords(db, records);
    buildSubmission(db.state.db(), db.folder.path(), "2002");
    return db.folder.file("_a.txt");
}

QString sqliteOutput(const QString& path, const QString& command) {
    QProcess client;
    client.start("sqlite3", {path, command});
    client.waitForFinished();
    return QString::fromUtf8(client.readAllStandardOutput()).simplified();
}

} // namespace

class TestSubmissionFiles : public QObject {
    Q_OBJECT
private slots:
    void buildCopiesOriginalRecordsWithinTheYear();
    void submissionIsAPlainFileWithExactlyTwoTables();
    void buildIsWhatCompactingItGives();
    void noQualifyingRecordLeavesNoSubmission();
    void fullDiskDuringBuildLeavesNoFiles();
    void imageDigestIsWhatMd5sumPrints();
    void imagePassTotalsTheFileAsTheLogWould();
    void imageKeepsSheetOrderHoweverRowsAreStored();
    void submissionAndImageOfAMixedReturn_data();
    void submissionAndImageOfAMixedReturn();
    void fullDiskDuringImageLeavesNoImage();
    void imageIsTheUsersAlone();
    void unreadableImageIsReportedWithItsCode();
    void fullDiskDuringLogLeavesNoLog();
};

void TestSubmissionFiles::buildCopiesOriginalRecordsWithinTheYear() {
    WorkingDatabase db;
    for (const QStringList& record :
         {employed("FROM0401", "20010401", "20010930"),
          employed("FROM0331", "20010331", "20010930"), employed("TO0331", "20011001", "20020331"),
          employed("TO0401", "20011001", "20020401"),
          employed("LOWERO", "20010401", "20020331", "o"),
          employed("REPLACED", "20010401", "20020331", "R"),
          employed("SUPPLEMENT", "20010401", "20020331", "S")})
        db.addRecord(record);
    QCOMPARE(buildSubmission(db.state.db(), db.folder.path(), "2002"), qint64(3));
    QCOMPARE(sqliteOutput(submissionPath(db), "select Surname from Employee order by rowid"),
             QString("FROM0401 TO0331 LOWERO"));
}

void TestSubmissionFiles::submissionIsAPlainFileWithExactlyTwoTables() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    db.addRecord(exampleRecord());
    const auto before = tableRows(db.state.db(), table::employee, employeeColumns());
    buildSubmission(db.state.db(), db.folder.path(), "2002");
    QCOMPARE(sqliteOutput(submissionPath(db), ".tables"), QString("Employee Employer"));
    QCOMPARE(sqliteOutput(submissionPath(db), "PRAGMA user_version"), QString("20"));
    QCOMPARE(sqliteOutput(submissionPath(db), "select Name from Employer"),
             QString("ABC TRADING LTD"));
    QCOMPARE(openForReading(submissionPath(db)).formatVersion(), QString("2.0"));
    QVERIFY(!QFile::exists(db.folder.file(buildFileName)));
    QCOMPARE(tableRows(db.state.db(), table::employee, employeeColumns()), before);
}

// The build is left uncompacted when it holds no free page: compacting it afterwards changes
// neither its size nor its rows, and both give the same image, byte for byte.
void TestSubmissionFiles::buildIsWhatCompactingItGives() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    addExampleRecords(db, 1000);
    buildSubmission(db.state.db(), db.folder.path(), "2002");
    const QString compacted = db.folder.file("compacted.mdb");
    QVERIFY(QFile::copy(submissionPath(db), compacted));
    QCOMPARE(sqliteOutput(compacted, "PRAGMA freelist_count"), QString("0"));
    sqliteOutput(compacted, "VACUUM");
    QCOMPARE(QFileInfo(compacted).size(), QFileInfo(submissionPath(db)).size());
    for (const auto& [name, columns] : {std::pair{submissionEmployeeTable, employeeColumns()},
                                        std::pair{submissionEmployerTable, employerColumns()}}) {
        Database built = openForReading(submissionPath(db));
        Database other = openForReading(compacted);
        QCOMPARE(tableRows(built, name, columns).size(),
                 name == submissionEmployeeTable ? 1000 : 1);
        QCOMPARE(tableRows(built, name, columns), tableRows(other, name, columns));
    }
    writeReturnImage(submissionPath(db), db.folder.file("built.txt"));
    writeReturnImage(compacted, db.folder.file("compacted.txt"));
    QVERIFY(!fileBytes(db.folder.file("built.txt")).isEmpty());
    QCOMPARE(fileBytes(db.folder.file("built.txt")), fileBytes(db.folder.file("compacted.txt")));
}

void TestSubmissionFiles::noQualifyingRecordLeavesNoSubmission() {
    WorkingDatabase db;
    db.addRecord(employed("LATE", "20020401", "20030331"));
    const QStringList before = entriesIn(db.folder.path());
    QCOMPARE(errorNumber([&] { buildSubmission(db.state.db(), db.folder.path(), "2002"); }),
             int(engine::NoCurrentRecord));
    QCOMPARE(entriesIn(db.folder.path()), before);
}

void TestSubmissionFiles::fullDiskDuringBuildLeavesNoFiles() {
    WorkingDatabase db;
    addExampleRecords(db, 1000);
    const QStringList before = entriesIn(db.folder.path());
    FileSizeLimit limit(64 * 1024);
    QVERIFY(errorNumber([&] { buildSubmission(db.state.db(), db.folder.path(), "2002"); }) != 0);
    QCOMPARE(entriesIn(db.folder.path()), before);
}

void TestSubmissionFiles::imageDigestIsWhatMd5sumPrints() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    db.addRecord(exampleRecord("10", "TEN") + QStringList{"Remark=LAST"});
    db.addRecord(exampleRecord("9", "NINE"));
    buildSubmission(db.state.db(), db.folder.path(), "2002");
    const QString image = db.folder.file("_a.txt");
    writeReturnImage(submissionPath(db), image);
    QVERIFY(fileBytes(image).indexOf("NINE") < fileBytes(image).indexOf("TEN"));
    const LogRecord log =
        writeLogDatabase(db.folder.path(), {submissionPath(db), image, "A:\\12345678.MDB",
                                            QDateTime::currentDateTime()});
    QProcess md5sum;
    md5sum.start("md5sum", {image});
    QVERIFY(md5sum.waitForFinished());
    const QString printed = QString::fromLatin1(md5sum.readAllStandardOutput()).section(u' ', 0, 0);
    QCOMPARE(digestCode(printed), log.code);
    QCOMPARE(readLogRecord(db.folder.file(logFileName)).toRow(), log.toRow());
    QCOMPARE(log.totalRecords, QString("2"));
    QCOMPARE(log.totalIncome, QString("480000"));
    // Every column declares its width: "FName" is 12 wide.
    const QString columns =
        sqliteOutput(db.folder.file(logFileName), "PRAGMA table_info(Checksum)");
    QCOMPARE(columns.count("|VARCHAR("), 8);
    QVERIFY(columns.contains("|FName|VARCHAR(12)|"));
}

// The log takes the totals the image's pass read, which are the file's own: the same log as
// one that reads the file again, for amounts of every kind, empty and missing ones included.
void TestSubmissionFiles::imagePassTotalsTheFileAsTheLogWould() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    db.addRecord(exampleRecord("1", "ONE") + QStringList{"bIncome=1,500", "kIncome2=30"});
    db.addRecord(exampleRecord("2", "TWO") + QStringList{"aIncome=", "lIncome=7"});
    db.addRecord(exampleRecord("3", "THREE") + QStringList{"jIncome=12,345,678"});
    // Plain digits are read as they stand, up to nine of them; every other form by the rule.
    db.addRecord(exampleRecord("4", "FOUR") + QStringList{"aIncome=999999999", "cIncome=1000000000",
                                                          "dIncome=007", "eIncome= 12",
                                                          "fIncome=-5"});
    buildSubmission(db.state.db(), db.folder.path(), "2002");
    const QString image = db.folder.file("_a.txt");
    const SubmissionTotals fromImage = writeReturnImage(submissionPath(db), image);
    Database submission = openForReading(submissionPath(db));
    const SubmissionTotals read = readTotals(submission);
    QCOMPARE(fromImage.records, qint64(4));
    QCOMPARE(fromImage.income, qint64(240'000 + 1'500 + 30 + 7 + 240'000 + 12'345'678 +
                                      999'999'999 + 1'000'000'000 + 7 + 12 - 5));
    QCOMPARE(fromImage.categories[0], qint64(240'000 + 240'000 + 999'999'999));
    QCOMPARE(fromImage.categories[2], qint64(1'000'000'000));
    QCOMPARE(fromImage.categories[3], qint64(7));
    QCOMPARE(fromImage.categories[4], qint64(12));
    QCOMPARE(fromImage.categories[5], qint64(-5));
    QCOMPARE(fromImage.records, read.records);
    QCOMPARE(fromImage.income, read.income);
    QVERIFY(fromImage.categories == read.categories);
    const QDateTime savedAt = QDateTime::currentDateTime();
    const LogRecord reading =
        writeLogDatabase(db.folder.path(), {submissionPath(db), image, "A:\\1.MDB", savedAt});
    const LogRecord given = writeLogDatabase(
        db.folder.path(), {submissionPath(db), image, "A:\\1.MDB", savedAt}, fromImage);
    QCOMPARE(given.toRow(), reading.toRow());
}

void TestSubmissionFiles::imageKeepsSheetOrderHoweverRowsAreStored() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    for (const QString& sheet : QStringList{"2", "10", "1", "9"})
        db.addRecord(exampleRecord(sheet, "SHEET" + sheet) + QStringList{"Remark=R"});
    buildSubmission(db.state.db(), db.folder.path(), "2002");
    const QString image = db.folder.file("_a.txt");
    writeReturnImage(submissionPath(db), image);
    const QByteArray stored = fileBytes(image);
    QCOMPARE(stored.count("SHEET"), 4);
    QVERIFY(stored.indexOf("SHEET1T") < stored.indexOf("SHEET2T"));
    QVERIFY(stored.indexOf("SHEET9T") < stored.indexOf("SHEET10T"));
    sqliteOutput(submissionPath(db), "update Employee set rowid = 100 where SheetNo = '1'");
    writeReturnImage(submissionPath(db), image);
    QCOMPARE(fileBytes(image), stored);
    // A file stored in sheet order, as earlier builds wrote it, gives the same image.
    sqliteOutput(submissionPath(db),
                 "create table Sorted as select * from Employee order by SheetNo+1000000; "
                 "delete from Employee; insert into Employee select * from Sorted; "
                 "drop table Sorted");
    QCOMPARE(sqliteOutput(submissionPath(db), "select SheetNo from Employee order by rowid"),
             QString("1 2 9 10"));
    writeReturnImage(submissionPath(db), image);
    QCOMPARE(fileBytes(image), stored);
}

// Records in no order of their sheet numbers, repeated and blank numbers, a lower-case original,
// a Chinese name and remarks that end some lines and not others: the submission's rows, in the
// order they are stored (the working file's), and the image's digest, as the program has always
// made it. Saves made before and after any change to the build give the tax authority the same
// image.
void TestSubmissionFiles::submissionAndImageOfAMixedReturn_data() {
    QTest::addColumn<QList<QStringList>>("records");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("digest");
    QTest::newRow("sheets out of order, repeated and blank")
        << QList<QStringList>{exampleRecord("12", "TWELVE") + QStringList{"Remark=R12"},
                              exampleRecord("5", "FIVEA"),
                              exampleRecord("3", "THREE") + QStringList{"ChineseName=陳大文"},
                              exampleRecord(" ", "BLANK"),
                              exampleRecord("5", "FIVEB") + QStringList{"Remark=R5"},
                              exampleRecord("2", "LOWER") + QStringList{"Status=o"},
                              exampleRecord("100", "HUNDRED")}
        << "TWELVE FIVEA THREE BLANK FIVEB LOWER HUNDRED"
        << "b2c4199f79dd05e3f59ed1ac81b92210";
}

void TestSubmissionFiles::submissionAndImageOfAMixedReturn() {
    QFETCH(QList<QStringList>, records);
    QFETCH(QString, stored);
    QFETCH(QString, digest);
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    for (const QStringList& record : records)
        db.addRecord(record);
    QCOMPARE(buildSubmission(db.state.db(), db.folder.path(), "2002"), qint64(records.size()));
    QCOMPARE(sqliteOutput(submissionPath(db), "select Surname from Employee order by rowid"),
             stored);
    const QString image = db.folder.file("_a.txt");
    writeReturnImage(submissionPath(db), image);
    QProcess md5sum;
    md5sum.start("md5sum", {image});
    QVERIFY(md5sum.waitForFinished());
    QCOMPARE(QString::fromLatin1(md5sum.readAllStandardOutput()).section(u' ', 0, 0), digest);
}

// The image holds names, identity numbers and incomes: neither its work file nor the image is
// readable by other users, whatever the umask.
void TestSubmissionFiles::imageIsTheUsersAlone() {
    WorkingDatabase db;
    const QString image = buildExample(db, 3);
    const mode_t umaskBefore = umask(022);
    const auto restoreUmask = qScopeGuard([umaskBefore] { umask(umaskBefore); });
    const auto modeOf = [](const QString& path) {
        struct stat found {};
        return stat(QFile::encodeName(path).constData(), &found) == 0 ? found.st_mode & 0777 : 0;
    };
    mode_t whileWritten = 0;
    writeReturnImage(submissionPath(db), image, [&] { whileWritten = modeOf(image + ".part"); });
    QCOMPARE(whileWritten, mode_t(0600));
    QCOMPARE(modeOf(image), mode_t(0600));
}

void TestSubmissionFiles::fullDiskDuringImageLeavesNoImage() {
    WorkingDatabase db;
    const QString image = buildExample(db, 500);
    QVERIFY(QFile(image).open(QIODevice::WriteOnly)); // an image left by an earlier run
    {
        FileSizeLimit limit(16 * 1024);
        QVERIFY(errorNumber([&] { writeReturnImage(submissionPath(db), image); }) != 0);
    }
    QVERIFY(!entriesIn(db.folder.path()).join(u' ').contains("_a.txt"));
}

void TestSubmissionFiles::unreadableImageIsReportedWithItsCode() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    db.addRecord(exampleRecord());
    buildSubmission(db.state.db(), db.folder.path(), "2002");
    try {
        writeLogDatabase(db.folder.path(), {submissionPath(db), db.folder.file("_a.txt"),
                                            "A:\\12345678.MDB", QDateTime::currentDateTime()});
        QFAIL("a missing image was digested");
    } catch (const EngineError& error) {
        QCOMPARE(error.description(), QString("File saving error(2), please try again!1"));
    }
    QVERIFY(!QFile::exists(db.folder.file(logFileName)));
}

void TestSubmissionFiles::fullDiskDuringLogLeavesNoLog() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    db.addRecord(exampleRecord());
    buildSubmission(db.state.db(), db.folder.path(), "2002");
    const QString image = db.folder.file("_a.txt");
    writeReturnImage(submissionPath(db), image);
    const QStringList before = entriesIn(db.folder.path());
    {
        FileSizeLimit limit(1500); // less than the log's two pages
        QVERIFY(errorNumber([&] {
                    writeLogDatabase(db.folder.path(), {submissionPath(db), image, "A:\\1.MDB",
                                                        QDateTime::currentDateTime()});
                }) != 0);
    }
    QCOMPARE(entriesIn(db.folder.path()), before);
}

QTEST_GUILESS_MAIN(TestSubmissionFiles)
#include "tst_submission_files.moc"
