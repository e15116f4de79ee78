#include "core/common/engine_error.h"
#include "store/import/kept_mappings.h"
#include "store/import/record_transfer.h"
#include "support/submission_setup.h"

#include <QTest>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every employee row by its ID (the placeholder under 0).
QMap<qint64, RowValues> rowsById(Database& db) {
    QMap<qint64, RowValues> rows;
    for (const RowValues& row : tableRows(db, table::employee, employeeColumns()))
        rows.insert(row.at(0).toLongLong(), row);
    return rows;
}

int columnNamed(const char* name) {
    return columnIndex(employeeColumns(), QLatin1String(name));
}

// The worked example under ID 7 and WONG under ID 8, in the return year 2002.
void addTwoRecords(WorkingDatabase& db) {
    setEmployer(db, exampleEmployer);
    db.addRecord(exampleRecord("1", "CHAN") + QStringList{"ID=7", "Remark=KEEP ME"});
    db.addRecord(exampleRecord("2", "WONG") + QStringList{"ID=8", "HKID=B111111", "ChkDigit=1"});
}

const QByteArray header = "HKID,ChkDigit,Surname,Other Names in Full,Sex,RAddress1,RAreaCode,"
                          "Capacity,EDay1,EMonth1,EYear1,EDay2,EMonth2,EYear2,aIncome,QFlag,"
                          "OSeaFlag,Remark\r\n";
// CHAN's row with a new surname and salary, the rest as stored or left empty.
const QByteArray chanChanged = "A123456,3,LEE,TAI MAN,M,FLAT A 1/F,K,,01,04,2001,31,03,2002,"
                               "250000,0,0,\r\n";
const QByteArray newRow = "C333333,3,HO,KA YAN,F,FLAT C,H,CLERK,01,04,2001,31,03,2002,1000,0,0,"
                          "\r\n";

} // namespace

class TestImportUpdates : public QObject {
    Q_OBJECT
private slots:
    void anUpdateChangesExactlyTheListedFields();
    void aRefusedUpdateWritesNothing();
    void aRecordChangedSinceTheDryRunStopsTheWholeImport();
    void anIdentityOfTwoRecordsUpdatesNeither();
    void mappingsAreKeptPrivatelyBesideTheDatabase();
    void aDamagedMappingFileIsNamed();

private:
    TempFolder files;
};

void TestImportUpdates::anUpdateChangesExactlyTheListedFields() {
    WorkingDatabase db;
    addTwoRecords(db);
    const QMap<qint64, RowValues> before = rowsById(db.state.db());
    const QString path = files.file("changes.csv");
    writeFile(path, header + chanChanged + newRow);
    const ImportPlan plan = dryRun(db.state.db(), path, DryRunOptions{});
    QCOMPARE(plan.rows.at(0).updates, 7);
    const ImportWork work = chosenWork(plan, ImportChoice::AllRows, ImportKinds{});
    QCOMPARE(work.updates.size(), 1);
    const std::optional<ImportCounts> counts = importRecords(db.state.db(), work);
    QVERIFY(counts);
    QCOMPARE(counts->added, 1);
    QCOMPARE(counts->updated, 1);
    const QMap<qint64, RowValues> after = rowsById(db.state.db());
    RowValues expected = before.value(7);
    expected[columnNamed("Surname")] = QStringLiteral("LEE");
    expected[columnNamed("aIncome")] = QStringLiteral("250,000");
    // Capacity and Remark were empty in the file: CHAN's stored values stay.
    QCOMPARE(after.value(7), expected);
    QCOMPARE(after.value(8), before.value(8));
    QCOMPARE(after.value(0), before.value(0));
    QCOMPARE(after.size(), before.size() + 1);
    QCOMPARE(textFromValue(after.value(9).at(columnNamed("Surname"))), "HO");
}

// With empty cells clearing fields, CHAN's capacity would go, which Update refuses: the row is
// reported and the record left as it is, while the other row is still added.
void TestImportUpdates::aRefusedUpdateWritesNothing() {
    WorkingDatabase db;
    addTwoRecords(db);
    const QMap<qint64, RowValues> before = rowsById(db.state.db());
    const QString path = files.file("clearing.csv");
    writeFile(path, header + chanChanged + newRow);
    const ImportPlan plan = dryRun(db.state.db(), path, DryRunOptions{{}, true, {}});
    const ImportRow& chan = plan.rows.at(0);
    QVERIFY(std::ranges::any_of(chan.problems(), [](const ReturnProblem& problem) {
        return problem.message == "Please enter capacity.";
    }));
    QVERIFY(std::ranges::any_of(chan.changes, [](const FieldChange& change) {
        return change.column == columnNamed("Remark");
    }));
    const ImportWork work = chosenWork(plan, ImportChoice::AllRows, ImportKinds{});
    QVERIFY(work.updates.isEmpty());
    QVERIFY(importRecords(db.state.db(), work));
    const QMap<qint64, RowValues> after = rowsById(db.state.db());
    QCOMPARE(after.value(7), before.value(7));
    QCOMPARE(after.size(), before.size() + 1);
}

// An update writes only while the fields still hold what the dry run showed; otherwise nothing
// of the import is stored, the new records neither.
void TestImportUpdates::aRecordChangedSinceTheDryRunStopsTheWholeImport() {
    WorkingDatabase db;
    addTwoRecords(db);
    const QString path = files.file("late.csv");
    writeFile(path, header + newRow + chanChanged);
    const ImportPlan plan = dryRun(db.state.db(), path, DryRunOptions{});
    db.state.db().exec("update employee set Surname = 'CHEUNG' where ID = 7");
    const QMap<qint64, RowValues> before = rowsById(db.state.db());
    try {
        importRecords(db.state.db(), chosenWork(plan, ImportChoice::AllRows, ImportKinds{}));
        QFAIL("an update over a changed record was applied");
    } catch (const EngineError& error) {
        QVERIFY2(error.description().startsWith("The record with ID 7 has changed since the dry "
                                                "run."),
                 qPrintable(error.description()));
    }
    QCOMPARE(rowsById(db.state.db()), before);
}

// When two stored originals carry the row's identity number, the row cannot tell which it
// updates: it is told as a repeat, and an import leaves both records alone.
void TestImportUpdates::anIdentityOfTwoRecordsUpdatesNeither() {
    WorkingDatabase db;
    addTwoRecords(db);
    db.state.db().exec("update employee set HKID = 'A123456', ChkDigit = '3' where ID = 8");
    const QMap<qint64, RowValues> before = rowsById(db.state.db());
    const QString path = files.file("shared.csv");
    writeFile(path, header + chanChanged);
    const ImportPlan plan = dryRun(db.state.db(), path, DryRunOptions{});
    QCOMPARE(plan.rows.at(0).updates, 0);
    QVERIFY(std::ranges::any_of(plan.rows.at(0).problems(), [](const ReturnProblem& problem) {
        return problem.message.contains("A123456(3)") && problem.message.contains("record with ID");
    }));
    QVERIFY(importRecords(db.state.db(),
                          chosenWork(plan, ImportChoice::RowsWithoutProblems, ImportKinds{})));
    QCOMPARE(rowsById(db.state.db()), before);
}

void TestImportUpdates::mappingsAreKeptPrivatelyBesideTheDatabase() {
    TempFolder folder;
    QVERIFY(keptMappings(folder.path()).isEmpty());
    const ColumnMapping first{{"Last name", "Pay"}, {columnNamed("Surname"), -1}};
    const ColumnMapping changed{{"Last name", "Pay"},
                                {columnNamed("Surname"), columnNamed("aIncome")}};
    const ColumnMapping other{{"Nom"}, {columnNamed("Surname")}};
    keepMapping(folder.path(), first);
    keepMapping(folder.path(), other);
    keepMapping(folder.path(), changed);
    QCOMPARE(keptMappings(folder.path()), (QList<ColumnMapping>{other, changed}));
    const QFileInfo kept(folder.file(keptMappingsFileName));
    QVERIFY(kept.permissions().testFlags(QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(kept.permissions() &
                 (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
             QFile::Permissions());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{keptMappingsFileName});
}

void TestImportUpdates::aDamagedMappingFileIsNamed() {
    TempFolder folder;
    writeFile(folder.file(keptMappingsFileName), "{\"mappings\": [");
    try {
        keptMappings(folder.path());
        QFAIL("a damaged mapping file was read");
    } catch (const EngineError& error) {
        QVERIFY2(error.description().contains(keptMappingsFileName) &&
                     error.description().contains("The column mapping cannot be read"),
                 qPrintable(error.description()));
    }
}

QTEST_GUILESS_MAIN(TestImportUpdates)
#include "tst_import_updates.moc"
