#include "core/common/engine_errors.h"
#include "core/records/column_labels.h"
#include "record_generator.h"
#include "store/import/workbook_check.h"
#include "store/import/workbook_export.h"
#include "support/file_size_limit.h"
#include "support/submission_setup.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {

// The workbook as another program reads it: one JSON object a sheet (see read_workbook.py).
QJsonArray readWithOtherProgram(const QString& path) {
    QProcess python;
    python.start(QStringLiteral(XW73D_PYTHON), {QStringLiteral(READ_WORKBOOK_SCRIPT), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        qWarning() << python.readAllStandardError();
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

QString columnLetters(int index) {
    QString letters;
    for (int n = index + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

int columnOf(const QString& name) {
    return columnIndex(employeeColumns(), name);
}

QJsonArray cellAt(const QJsonObject& sheet, int row, int column) {
    return sheet["rows"].toArray().at(row).toArray().at(column).toArray();
}

QStringList headerOf(const QJsonObject& sheet) {
    QStringList header;
    for (const QJsonValue cell : sheet["rows"].toArray().first().toArray())
        header << cell.toArray().first().toString();
    return header;
}

// The allowed values offered in a column from the second row down; empty when none are.
QStringList offeredValues(const QJsonObject& sheet, int column) {
    const QString letters = columnLetters(column);
    for (const QJsonValue validation : sheet["validations"].toArray()) {
        const QJsonObject found = validation.toObject();
        if (found["type"].toString() == u"list" &&
            found["range"].toString().startsWith(letters + u'2'))
            return found["values"].toVariant().toStringList();
    }
    return {};
}

QByteArray startOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(3) : QByteArray();
}

} // namespace

class TestWorkbookExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cellsKeepWhatTheyHold_data();
    void cellsKeepWhatTheyHold();
    void headerStaysInViewAndColumnsFit();
    void allowedValuesAreOfferedAsLists_data();
    void allowedValuesAreOfferedAsLists();
    void templateExplainsEveryColumn();
    void nameChoosesTheKindOfFile_data();
    void nameChoosesTheKindOfFile();
    void failedWorkbookLeavesNoFile();
    void damagedWorkbookDoesNotReadBack_data();
    void damagedWorkbookDoesNotReadBack();

private:
    TempFolder m_files;
    QJsonObject m_records; // the sheet of the export in initTestCase
    int m_exported = 0;
};

const QStringList chosenCells{"ID=7",
                              "Status=R",
                              "SheetNo=0012",
                              "HKID=A012345",
                              "EDay1=01",
                              "EYear1=2001",
                              "aIncome=1,234,567",
                              "Q1Rent1=9,999,999",
                              "QFlag=1",
                              "Remark==1+2",
                              "ChineseName=陳大文",
                              "Passport=",
                              "MStatus=2",
                              "OSeaAmount=USD 1,000",
                              "CAddress=FLAT B, 12/F, A VERY LONG STREET NAME"};

void TestWorkbookExport::initTestCase() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    db.addRecord(exampleRecord() + chosenCells);
    db.addRecord(exampleRecord("2", "WONG") + QStringList{"ID=8"});
    const QString path = m_files.file("records.xlsx");
    m_exported = exportRecordsWorkbook(db.state.db(), path);
    const QJsonArray sheets = readWithOtherProgram(path);
    QCOMPARE(sheets.size(), 1);
    m_records = sheets.first().toObject();
}

void TestWorkbookExport::cellsKeepWhatTheyHold_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("value"); // as the other program reads it; null for no cell
    QTest::addColumn<QString>("kind");   // "n" number, "s" text
    QTest::addColumn<QString>("format");
    auto text = [](const char* name, const char* value) {
        QTest::newRow(name) << QString(name).section(u' ', 0, 0) << QVariant(QString(value)) << "s"
                            << "@";
    };
    text("HKID keeps its leading zero", "A012345");
    text("SheetNo keeps its leading zeros", "0012");
    text("EDay1 keeps its leading zero", "01");
    text("EYear1 is text too", "2001");
    text("Remark that looks like a formula", "=1+2");
    text("ChineseName", "陳大文");
    text("MStatus is a text digit", "2");
    text("OSeaAmount is free text", "USD 1,000");
    QTest::newRow("aIncome is a grouped number") << "aIncome" << QVariant(1234567.0) << "n"
                                                 << "#,##0";
    QTest::newRow("Q1Rent1 is a grouped number") << "Q1Rent1" << QVariant(9999999.0) << "n"
                                                 << "#,##0";
    QTest::newRow("QFlag is a plain number") << "QFlag" << QVariant(1.0) << "n"
                                             << "General";
    QTest::newRow("ID is a plain number") << "ID" << QVariant(7.0) << "n"
                                          << "General";
    QTest::newRow("Passport left empty") << "Passport" << QVariant() << "n"
                                         << "@";
}

void TestWorkbookExport::cellsKeepWhatTheyHold() {
    QFETCH(QString, column);
    QFETCH(QVariant, value);
    QFETCH(QString, kind);
    QFETCH(QString, format);
    const QJsonArray cell = cellAt(m_records, 1, columnOf(column));
    QCOMPARE(cell.at(0).toVariant(), value.isNull() ? QVariant::fromValue(nullptr) : value);
    QCOMPARE(cell.at(1).toString(), kind);
    if (!value.isNull()) // an empty cell takes its column's format, which the reader leaves out
        QCOMPARE(cell.at(2).toString(), format);
}

void TestWorkbookExport::headerStaysInViewAndColumnsFit() {
    QCOMPARE(m_exported, 2);
    QCOMPARE(m_records["name"].toString(), "Records");
    QCOMPARE(m_records["rows"].toArray().size(), 3);
    QCOMPARE(headerOf(m_records), employeeColumnLabels());
    QCOMPARE(m_records["freeze"].toString(), "A2");
    const QJsonObject widths = m_records["widths"].toObject();
    const double address = widths[columnLetters(columnOf("CAddress"))].toDouble();
    const double sex = widths[columnLetters(columnOf("Sex"))].toDouble();
    QVERIFY2(address >= 38 && address <= 62, qPrintable(QString::number(address)));
    QVERIFY2(sex >= 12 && sex < address, qPrintable(QString::number(sex))); // by its label
    // The address is as wide as its value, 38 characters.
}

void TestWorkbookExport::allowedValuesAreOfferedAsLists_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("record type") << "Status" << QStringList{"O", "R", "S"};
    QTest::newRow("sex") << "Sex" << QStringList{"M", "F"};
    QTest::newRow("marital status") << "MStatus" << QStringList{"1", "2"};
    QTest::newRow("area code") << "RAreaCode" << QStringList{"H", "K", "N", "F"};
    QTest::newRow("place of residence") << "QFlag" << QStringList{"0", "1"};
    QTest::newRow("overseas company") << "OSeaFlag" << QStringList{"0", "1"};
    QTest::newRow("check character")
        << "ChkDigit" << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A"};
    QTest::newRow("no list on the surname") << "Surname" << QStringList{};
    QTest::newRow("no list on an amount") << "aIncome" << QStringList{};
}

void TestWorkbookExport::allowedValuesAreOfferedAsLists() {
    QFETCH(QString, column);
    QFETCH(QStringList, values);
    QCOMPARE(offeredValues(m_records, columnOf(column)), values);
}

void TestWorkbookExport::templateExplainsEveryColumn() {
    WorkingDatabase db;
    setEmployer(db, exampleEmployer); // the return year 2002
    const QString path = m_files.file("template.xlsx");
    exportTemplateWorkbook(db.state.db(), path);
    const QJsonArray sheets = readWithOtherProgram(path);
    QCOMPARE(sheets.size(), 2);
    const QJsonObject records = sheets.at(0).toObject();
    QCOMPARE(headerOf(records), employeeColumnLabels());
    QCOMPARE(records["rows"].toArray().size(), 2);
    QCOMPARE(cellAt(records, 1, columnOf("aIncome")).at(0).toDouble(), 240000.0);
    QCOMPARE(cellAt(records, 1, columnOf("EMonth1")).at(0).toString(), "04");
    QCOMPARE(offeredValues(records, columnOf("Sex")), (QStringList{"M", "F"}));

    const QJsonObject columns = sheets.at(1).toObject();
    QCOMPARE(columns["name"].toString(), "Columns");
    QCOMPARE(headerOf(columns),
             (QStringList{"Label", "Column name", "Width in bytes", "Allowed values", "Rule"}));
    const QJsonArray rows = columns["rows"].toArray();
    QCOMPARE(rows.size(), 82);
    for (int i = 0; i < 81; ++i) {
        const QJsonArray row = rows.at(i + 1).toArray();
        const ColumnDef& def = employeeColumns()[static_cast<std::size_t>(i)];
        QCOMPARE(row.at(0).toArray().at(0).toString(), employeeColumnLabels().at(i));
        QCOMPARE(row.at(1).toArray().at(0).toString(), QLatin1String(def.name));
        if (def.type == ColumnType::Text)
            QCOMPARE(row.at(2).toArray().at(0).toDouble(), double(def.width));
        QVERIFY2(row.at(4).toArray().at(0).toString().endsWith(u'.'), def.name);
    }
    QCOMPARE(rows.at(columnOf("Sex") + 1).toArray().at(3).toArray().at(0).toString(), "M, F");
    QCOMPARE(rows.at(columnOf("Surname") + 1).toArray().at(3).toArray().at(0).toVariant(),
             QVariant::fromValue(nullptr));
}

void TestWorkbookExport::nameChoosesTheKindOfFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start"); // a zip archive, or CSV text after its byte-order mark
    QTest::newRow("workbook") << "a.xlsx" << QByteArray("PK\x03");
    QTest::newRow("workbook in capitals") << "B.XLSX" << QByteArray("PK\x03");
    QTest::newRow("csv") << "c.csv" << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("no suffix is csv, as before") << "d" << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("xlsx only inside the name") << "e.xlsx.csv" << QByteArray("\xEF\xBB\xBF");
}

void TestWorkbookExport::nameChoosesTheKindOfFile() {
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    WorkingDatabase db;
    setEmployer(db, exampleEmployer);
    db.addRecord(exampleRecord() + QStringList{"ID=1"});
    const QString records = m_files.file("records-" + name);
    QCOMPARE(exportRecordsByName(db.state.db(), records), 1);
    QCOMPARE(startOf(records), start);
    const QString example = m_files.file("template-" + name);
    exportTemplateByName(db.state.db(), example);
    QCOMPARE(startOf(example), start);
}

void TestWorkbookExport::failedWorkbookLeavesNoFile() {
    WorkingDatabase db;
    generator::fillDatabase(db.state.db(), 2000, 9);
    const QString path = m_files.file("kept.xlsx");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    }
    {
        const FileSizeLimit limit(8192);
        QVERIFY_THROWS_EXCEPTION(EngineError, exportRecordsWorkbook(db.state.db(), path));
    }
    QCOMPARE(startOf(path), QByteArray("old"));
    const QStringList left = QDir(m_files.path()).entryList({"kept*"}, QDir::Files | QDir::Hidden);
    QVERIFY2(left == QStringList{"kept.xlsx"}, qPrintable(left.join(" | ")));
}

void TestWorkbookExport::damagedWorkbookDoesNotReadBack_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("whole") << "";
    QTest::newRow("cut short") << "cut";
    QTest::newRow("a byte changed in the rows") << "flip";
    QTest::newRow("not a zip archive") << "text";
}

void TestWorkbookExport::damagedWorkbookDoesNotReadBack() {
    QFETCH(QString, damage);
    WorkingDatabase db;
    generator::fillDatabase(db.state.db(), 300, 4);
    const QString path = m_files.file("damaged-" + damage + ".xlsx");
    QCOMPARE(exportRecordsWorkbook(db.state.db(), path), 300);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    if (damage == u"cut")
        bytes.chop(bytes.size() / 3);
    else if (damage == u"flip")
        bytes[bytes.size() / 2] = char(bytes.at(bytes.size() / 2) ^ 0x5a);
    else if (damage == u"text")
        bytes = "Record Type,Surname\r\nO,CHAN\r\n";
    file.resize(0);
    file.seek(0);
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    if (damage.isEmpty()) {
        QCOMPARE(workbookcheck::worksheetRows(path).value("xl/worksheets/sheet1.xml"), 301);
        return;
    }
    QVERIFY_THROWS_EXCEPTION(EngineError, workbookcheck::worksheetRows(path));
}

QTEST_GUILESS_MAIN(TestWorkbookExport)
#include "tst_workbook_export.moc"
