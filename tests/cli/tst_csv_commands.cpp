#include "store/import/workbook_check.h"
#include "support/headless_run.h"
#include "support/submission_setup.h"

#include <QTest>

namespace {

using Run = HeadlessRun;

Run runProgram(const QStringList& arguments, const QString& password) {
    return runHeadless(arguments, password);
}

const QByteArray csvFile = "Surname,FirstName,HKID,ChkDigit,Sex,RAddress1,RAreaCode,Capacity,EDay1,"
                           "EMonth1,EYear1,EDay2,EMonth2,EYear2,QFlag,OSeaFlag\r\n"
                           "LAM,KA YAN,B111111,1,F,FLAT B,H,CLERK,01,04,2001,31,03,2002,0,0\r\n"
                           "HO,KA YAN,B222222,Z,F,FLAT B,H,CLERK,01,04,2001,31,03,2002,0,0\r\n";

const QStringList foreignHeader{"Last name", "Given names", "HKID",      "ChkDigit",
                                "Sex",       "RAddress1",   "RAreaCode", "Capacity",
                                "EDay1",     "EMonth1",     "EYear1",    "EDay2",
                                "EMonth2",   "EYear2",      "QFlag",     "OSeaFlag"};
// CHAN of the worked example, now a manager, and LAM, who is new.
const QByteArray foreignRows =
    "CHAN,TAI MAN,A123456,3,M,FLAT A 1/F,K,MANAGER,01,04,2001,31,03,2002,"
    "0,0\r\n"
    "LAM,KA YAN,B111111,1,F,FLAT B,H,CLERK,01,04,2001,31,03,2002,0,0\r\n";

// The mapping of the foreign header: its names to the names' fields, the rest as they stand.
QByteArray mappingOf(const QStringList& header) {
    QStringList columns;
    for (const QString& name : header) {
        const QString field = name == "Last name"     ? QStringLiteral("Surname")
                              : name == "Given names" ? QStringLiteral("FirstName")
                                                      : name;
        columns << QStringLiteral(R"({"header": "%1", "field": "%2"})").arg(name, field);
    }
    return (QStringLiteral(R"({"columns": [)") + columns.join(", ") + "]}").toUtf8();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QString capacityIn(const QString& path) {
    Database copy = Database::open(path, OpenOptions{.password = schema::defaultPassword});
    Statement read = copy.prepare("select Capacity from employee where ID = 1");
    return read.next() ? read.value(0).toString() : QString();
}

} // namespace

class TestCsvCommands : public QObject {
    Q_OBJECT
private slots:
    void verbs_data();
    void verbs();
    void importKeepsACopyFirst_data();
    void importKeepsACopyFirst();
    void controlCharactersAreNeverEchoed();
    void updatesAndMappings_data();
    void updatesAndMappings();
};

void TestCsvCommands::verbs_data() {
    QTest::addColumn<QStringList>("arguments"); // FILE: the CSV file; WORKBOOK: an .xlsx file
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("held"); // the test holds the database as a running program would
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");         // part of what is printed
    QTest::addColumn<QStringList>("surnames"); // the records afterwards
    QTest::addColumn<int>("sheetRows");        // of the workbook's first sheet; 0: none written
    const QStringList before{"CHAN"};
    QTest::newRow("export") << QStringList{"export", "FILE"} << "qvz" << false << 0
                            << "1 records exported" << before << 0;
    QTest::newRow("export to a workbook") << QStringList{"export", "WORKBOOK"} << "qvz" << false
                                          << 0 << "1 records exported" << before << 2;
    QTest::newRow("template as a workbook") << QStringList{"template", "WORKBOOK"} << "qvz" << false
                                            << 0 << "Template written to" << before << 2;
    QTest::newRow("template as CSV") << QStringList{"template", "FILE"} << "qvz" << false << 0
                                     << "Template written to" << before << 0;
    QTest::newRow("dry run reports the refused row, stores nothing")
        << QStringList{"import", "FILE", "--dry-run"} << "qvz" << false << 1
        << "Row 2 (line 3) HO, KA YAN, page 1, \"H.K. Identity Card Number, check character\": "
           "Invalid check character."
        << before << 0;
    QTest::newRow("import stores the rows without problems")
        << QStringList{"import", "FILE"} << "qvz" << false << 1
        << "1 records imported, 1 rows refused." << QStringList{"CHAN", "LAM"} << 0;
    QTest::newRow("wrong password") << QStringList{"import", "FILE"} << "wrong" << false << 2
                                    << "Not a valid password." << before << 0;
    QTest::newRow("refused while the program holds the database")
        << QStringList{"export", "FILE"} << "qvz" << true << 2 << "in use" << before << 0;
    QTest::newRow("no file") << QStringList{"import"} << "qvz" << false << 2 << "usage:" << before
                             << 0;
    QTest::newRow("a workbook's sheet chosen by name")
        << QStringList{"import", "BOOK:staff.ods", "--sheet", "Other"} << "qvz" << false << 0
        << "1 records imported, 0 rows refused." << QStringList{"CHAN", "YIP"} << 0;
    QTest::newRow("a workbook with macros is refused with its reason")
        << QStringList{"import", "BOOK:macro.xlsx"} << "qvz" << false << 2
        << "xw73d import: The file 'macro.xlsx' cannot be imported: it carries macros, which are "
           "never run."
        << before << 0;
}

void TestCsvCommands::verbs() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, password);
    QFETCH(bool, held);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QFETCH(QStringList, surnames);
    QFETCH(int, sheetRows);
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    db.addRecord(exampleRecord() + QStringList{"ID=1"});
    TempFolder files;
    const QString file = files.file("records.csv");
    QFile written(file);
    QVERIFY(written.open(QIODevice::WriteOnly) && written.write(csvFile) == csvFile.size());
    written.close();
    if (!held)
        db.state.login.reset();
    arguments.replaceInStrings(QRegularExpression("^FILE$"), file);
    const QString workbook = files.file("records.xlsx");
    arguments.replaceInStrings(QRegularExpression("^WORKBOOK$"), workbook);
    arguments.replaceInStrings(QRegularExpression("^BOOK:"),
                               QT_TESTCASE_SOURCEDIR "/data/workbooks/");
    const Run run = runProgram(arguments + QStringList{"--data-dir", db.folder.path()}, password);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((run.output + run.errors).contains(said), qPrintable(run.output + run.errors));
    if (!held)
        db.state.login = Database::open(databasePath(db.folder.path(), DatabaseFile::Working),
                                        OpenOptions{.password = schema::defaultPassword});
    QCOMPARE(db.column("Surname"), surnames);
    if (sheetRows > 0)
        QCOMPARE(workbookcheck::worksheetRows(workbook).value("xl/worksheets/sheet1.xml"),
                 sheetRows);
    else if (arguments.first() == "export" && exitCode == 0)
        QVERIFY(fileBytes(file).contains("\r\n1,O,1,CHAN,TAI MAN,"));
    else if (arguments.first() == "template") // the labels and the example, as in the program
        QCOMPARE(fileBytes(file).count("\r\n"), 2);
}

void TestCsvCommands::importKeepsACopyFirst_data() {
    QTest::addColumn<bool>("dryRun");
    QTest::addColumn<bool>("folderBlocked"); // a file stands where the backups' folder goes
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    QTest::addColumn<int>("copies");
    QTest::addColumn<QStringList>("surnames");
    QTest::newRow("import") << false << false << 1 << "1 records imported" << 1
                            << QStringList{"CHAN", "LAM"};
    QTest::newRow("dry run") << true << false << 1 << "Row 2 (line 3)" << 0 << QStringList{"CHAN"};
    QTest::newRow("no copy can be written")
        << false << true << 2 << "xw73d import: No backup copy of the database could be made: " << 0
        << QStringList{"CHAN"};
}

// Before an import writes a row, the database is kept as a copy named for the import; when no
// copy can be made, nothing is imported and the verb says why.
void TestCsvCommands::importKeepsACopyFirst() {
    QFETCH(bool, dryRun);
    QFETCH(bool, folderBlocked);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QFETCH(int, copies);
    QFETCH(QStringList, surnames);
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    db.addRecord(exampleRecord() + QStringList{"ID=1"});
    db.state.login.reset();
    if (folderBlocked) {
        QFile blocker(db.folder.file("backups"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    TempFolder files;
    const QString file = files.file("records.csv");
    QFile written(file);
    QVERIFY(written.open(QIODevice::WriteOnly) && written.write(csvFile) == csvFile.size());
    written.close();
    QStringList arguments{"import", file, "--data-dir", db.folder.path()};
    if (dryRun)
        arguments << "--dry-run";
    const Run run = runProgram(arguments, "qvz");
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((run.output + run.errors).contains(said), qPrintable(run.output + run.errors));
    const QStringList taken =
        QDir(db.folder.file("backups")).entryList({"xw73d-*-import.mdb"}, QDir::Files);
    QCOMPARE(taken.size(), copies);
    db.state.login = Database::open(databasePath(db.folder.path(), DatabaseFile::Working),
                                    OpenOptions{.password = schema::defaultPassword});
    QCOMPARE(db.column("Surname"), surnames);
    if (copies == 1) { // the copy holds the records as they were before the import
        Database copy = Database::open(db.folder.file("backups/" + taken.first()),
                                       OpenOptions{.password = schema::defaultPassword});
        Statement count = copy.prepare("select count(*) from employee where Status <> 'H'");
        QVERIFY(count.next());
        QCOMPARE(count.value(0).toInt(), 1);
    }
}

// A name with terminal commands in it (clear the screen, retitle the window, ring the bell) is
// refused, and the report names the row with the commands written out, never sent.
void TestCsvCommands::controlCharactersAreNeverEchoed() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    db.state.login.reset();
    TempFolder files;
    const QString file = files.file("control.csv");
    QByteArray bytes = csvFile;
    bytes.replace("LAM,KA YAN", "LAM,KA\x1B[2J\x1B]0;x\x07YAN\xC2\x9B");
    QFile written(file);
    QVERIFY(written.open(QIODevice::WriteOnly) && written.write(bytes) == bytes.size());
    written.close();
    const Run run =
        runProgram({"import", file, "--dry-run", "--data-dir", db.folder.path()}, "qvz");
    QCOMPARE(run.exitCode, 1);
    const QString all = run.output + run.errors;
    QVERIFY2(all.contains("\"Other Names in Full\": The field 'Other Names in Full' contains a "
                          "control character"),
             qPrintable(all));
    QVERIFY2(all.contains("KA\\x1B[2J\\x1B]0;x\\x07YAN\\x9B"), qPrintable(all));
    QVERIFY(std::ranges::none_of(all, [](QChar c) {
        return c != u'\n' && (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F));
    }));
}

void TestCsvCommands::updatesAndMappings_data() {
    QTest::addColumn<QStringList>("arguments"); // MAP stands for a mapping file of the header
    QTest::addColumn<bool>("kept");             // the mapping is kept with the return
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QStringList>("surnames");
    QTest::addColumn<QStringList>("capacities");
    const QStringList before{"CHAN"};
    const QStringList clerk{"CLERK"};
    QTest::newRow("without a mapping the foreign names are ignored")
        << QStringList{} << false << 1 << "Columns not known, ignored: Last name; Given names"
        << before << clerk;
    QTest::newRow("a mapping, and the matching record is left alone")
        << QStringList{"--mapping", "MAP"} << false << 0 << "1 records imported, 0 rows refused."
        << QStringList{"CHAN", "LAM"} << QStringList{"CLERK", "CLERK"};
    QTest::newRow("the dry run lists the change")
        << QStringList{"--mapping", "MAP", "--dry-run"} << false << 0
        << "Row 1 (line 2) CHAN, TAI MAN: updates the record with ID 1, \"Capacity in which "
           "employed\" from \"CLERK\" to \"MANAGER\"."
        << before << clerk;
    QTest::newRow("updates alone") << QStringList{"--mapping", "MAP", "--update"} << false << 0
                                   << "1 records updated.\n0 records imported, 0 rows refused."
                                   << before << QStringList{"MANAGER"};
    QTest::newRow("both kinds") << QStringList{"--mapping", "MAP", "--add", "--update"} << false
                                << 0 << "1 records updated.\n1 records imported"
                                << QStringList{"CHAN", "LAM"} << QStringList{"MANAGER", "CLERK"};
    QTest::newRow("the mapping kept with the return")
        << QStringList{"--update"} << true << 0 << "1 records updated." << before
        << QStringList{"MANAGER"};
    QTest::newRow("a mapping made for another header")
        << QStringList{"--mapping", "OTHER"} << false << 2 << "is not made for the header of"
        << before << clerk;
}

// Rows with foreign headers go through a mapping named or kept; a row matching an original
// record updates it only when asked, after the backup copy, which keeps the old values.
void TestCsvCommands::updatesAndMappings() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, kept);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QFETCH(QStringList, surnames);
    QFETCH(QStringList, capacities);
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    db.addRecord(exampleRecord() + QStringList{"ID=1"});
    db.state.login.reset();
    TempFolder files;
    const QString file = files.file("payroll.csv");
    writeFile(file, (foreignHeader.join(u',') + "\r\n").toUtf8() + foreignRows);
    writeFile(files.file("map.json"), mappingOf(foreignHeader));
    writeFile(files.file("other.json"), mappingOf(foreignHeader.mid(1)));
    if (kept)
        writeFile(db.folder.file("import-mappings.json"), mappingOf(foreignHeader));
    arguments.replaceInStrings(QRegularExpression("^MAP$"), files.file("map.json"));
    arguments.replaceInStrings(QRegularExpression("^OTHER$"), files.file("other.json"));
    const Run run =
        runProgram(QStringList{"import", file, "--data-dir", db.folder.path()} + arguments, "qvz");
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2((run.output + run.errors).contains(said), qPrintable(run.output + run.errors));
    db.state.login = Database::open(databasePath(db.folder.path(), DatabaseFile::Working),
                                    OpenOptions{.password = schema::defaultPassword});
    QCOMPARE(db.column("Surname"), surnames);
    QCOMPARE(db.column("Capacity"), capacities);
    const QStringList taken =
        QDir(db.folder.file("backups")).entryList({"xw73d-*-import.mdb"}, QDir::Files);
    if (capacities.first() == "MANAGER") {
        QCOMPARE(taken.size(), 1);
        QCOMPARE(capacityIn(db.folder.file("backups/" + taken.first())), "CLERK");
    }
}

QTEST_GUILESS_MAIN(TestCsvCommands)
#include "tst_csv_commands.moc"
