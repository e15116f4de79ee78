#include "core/import/sheet_parts.h"
#include "core/import/workbook_package.h"
#include "core/import/workbook_reader.h"
#include "core/import/zip_package.h"

#include <QTest>

namespace {

// A text as it is written in the sheet (the inner XML of <is>, or of <si> in a table of shared
// strings) and as the user sees it.
struct Text {
    QByteArray xml;
    QString shown;
};

const QList<Text> texts{
    {"<t>CHAN</t>", "CHAN"},
    {"<t>A &amp; B &lt;C&gt; &quot;D&quot;</t>", "A & B <C> \"D\""},
    {"<t xml:space=\"preserve\">  lead and trail  </t>", "  lead and trail  "},
    {"<r><t>TAI</t></r><r><t xml:space=\"preserve\"> MAN</t></r>", "TAI MAN"},
    {"<t/>", ""},
    {"<t></t>", ""},
    {"<t>\xF0\x9F\x98\x80\xF0\xA0\x80\x80 beyond the first plane</t>",
     QString::fromUtf8("\xF0\x9F\x98\x80\xF0\xA0\x80\x80 beyond the first plane")},
    {"<t>陳大文</t>", QStringLiteral("陳大文")},
    {"<t>&#20013;&#x6587;</t>", QStringLiteral("中文")},
    {"<t>OWN</t>", "OWN"}, // also in the workbook's own table
};
// The workbook's own table of shared strings, when it has one.
const QList<Text> ownTexts{{"<t>OWN</t>", "OWN"}, {"<t>SHARED ALREADY</t>", "SHARED ALREADY"}};

// The rows of the second part hold no text at all; from the fourth part on, rows and cells are
// written without their numbers.
bool numbersOnly(int row) {
    return (row - 1) / sheetparts::rowsPerPart == 1;
}
bool unnumbered(int row) {
    return row > 3 * sheetparts::rowsPerPart;
}
constexpr int rowCount = 3 * sheetparts::rowsPerPart + 500;

class SheetWriter {
public:
    SheetWriter(bool inlineTexts, bool ownTable)
        : m_inline(inlineTexts)
        , m_ownTable(ownTable)
        , m_table(ownTable ? ownTexts : QList<Text>{}) {}

    // The sheet's text; in the shared form the table then holds every text of it.
    QByteArray sheet(bool readWhole) {
        QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet xmlns=\"http://"
                         "schemas.openxmlformats.org/spreadsheetml/2006/main\">";
        if (readWhole) // an opening of a form not cut in parts: the sheet is read whole
            xml += "<!-- the rows follow in sheetData -->";
        xml += "<sheetData>";
        for (int row = 1; row <= rowCount; ++row)
            xml += rowXml(row);
        return xml + "</sheetData></worksheet>";
    }
    const QList<Text>& table() const { return m_table; }

private:
    QByteArray cell(int row, char column, const QByteArray& attributes,
                    const QByteArray& inside) const {
        const QByteArray at =
            unnumbered(row) ? "" : " r=\"" + (column + QByteArray::number(row)) + "\"";
        return "<c" + at + attributes + ">" + inside + "</c>";
    }
    QByteArray textCell(int row, char column, const Text& text) {
        if (m_inline)
            return cell(row, column, " t=\"inlineStr\"", "<is>" + text.xml + "</is>");
        // The library gives an empty item of a table the text of the item before it, so the
        // shared form leaves an empty text's cell without a value, as it reads.
        if (text.shown.isEmpty())
            return cell(row, column, " t=\"s\"", "");
        qsizetype index = -1;
        for (qsizetype i = 0; i < m_table.size() && index < 0; ++i)
            if (m_table.at(i).xml == text.xml)
                index = i;
        if (index < 0) {
            index = m_table.size();
            m_table << text;
        }
        return cell(row, column, " t=\"s\"", "<v>" + QByteArray::number(index) + "</v>");
    }
    QByteArray rowXml(int row) {
        const QByteArray n = QByteArray::number(row);
        QByteArray cells;
        if (numbersOnly(row)) {
            cells =
                cell(row, 'A', "", "<v>" + n + "</v>") +
                cell(row, 'B', "",
                     "<f>A" + n + "*2</f><v>" + QByteArray::number(2 * row) + "</v>") +
                cell(row, 'C', " s=\"1\"", "<v>" + QByteArray::number(37347 + row % 300) + "</v>");
        } else {
            cells = textCell(row, 'A', texts.at(row % texts.size())) +
                    (m_ownTable
                         ? cell(row, 'B', " t=\"s\"", "<v>" + QByteArray::number(row % 2) + "</v>")
                         : cell(row, 'B', "", "<v>" + n + ".5</v>")) +
                    cell(row, 'C', "", "<v>" + n + "</v>") + textCell(row, 'D', texts.first()) +
                    cell(row, 'E', " t=\"str\"", "<f>\"X\"&amp;A1</f><v>X" + n + "</v>");
        }
        return (unnumbered(row) ? QByteArray("<row>") : "<row r=\"" + n + "\">") + cells + "</row>";
    }

    bool m_inline;
    bool m_ownTable;
    QList<Text> m_table;
};

QByteArray stringTable(const QList<Text>& table) {
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst xmlns=\"http://schemas."
                     "openxmlformats.org/spreadsheetml/2006/main\">";
    for (const Text& text : table)
        xml += "<si>" + text.xml + "</si>";
    return xml + "</sst>";
}

// A workbook of one sheet as a spreadsheet program packs it, with a style that shows a date.
QByteArray packed(const QByteArray& sheet, const QList<Text>& table) {
    const QByteArray main = "http://schemas.openxmlformats.org/";
    QHash<QString, QByteArray> parts{
        {"[Content_Types].xml",
         "<Types xmlns=\"" + main +
             "package/2006/content-types\"><Default Extension=\"rels\" "
             "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/><Default "
             "Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
        {"_rels/.rels", "<Relationships xmlns=\"" + main +
                            "package/2006/relationships\"><Relationship "
                            "Id=\"rId1\" Type=\"" +
                            main +
                            "officeDocument/2006/relationships/officeDocument\" "
                            "Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml",
         "<workbook xmlns=\"" + main + "spreadsheetml/2006/main\" xmlns:r=\"" + main +
             "officeDocument/2006/relationships\"><sheets><sheet name=\"Staff\" sheetId=\"1\" "
             "r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/styles.xml",
         "<styleSheet xmlns=\"" + main +
             "spreadsheetml/2006/main\"><cellXfs count=\"2\"><xf "
             "numFmtId=\"0\"/><xf numFmtId=\"14\" applyNumberFormat=\"1\"/></cellXfs>"
             "</styleSheet>"},
        {"xl/worksheets/sheet1.xml", sheet}};
    const QByteArray relations = main + "officeDocument/2006/relationships/";
    QByteArray rels = "<Relationships xmlns=\"" + main +
                      "package/2006/relationships\">"
                      "<Relationship Id=\"rId1\" Type=\"" +
                      relations +
                      "worksheet\" "
                      "Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" +
                      relations + "styles\" Target=\"styles.xml\"/>";
    if (!table.isEmpty()) {
        parts.insert("xl/sharedStrings.xml", stringTable(table));
        rels += "<Relationship Id=\"rId3\" Type=\"" + relations +
                "sharedStrings\" Target=\"sharedStrings.xml\"/>";
    }
    parts.insert("xl/_rels/workbook.xml.rels", rels + "</Relationships>");
    return zippackage::withEntries({}, {}, parts);
}

QList<csv::Record> rowsOf(const QByteArray& bytes) {
    const CheckedPackage checked = checkedPackage(bytes, WorkbookKind::Xlsx, "book.xlsx");
    if (!checked.refusal.isEmpty())
        qFatal("refused: %s", qPrintable(checked.refusal));
    QList<csv::Record> rows;
    workbook::forEachRow(checked.bytes, WorkbookKind::Xlsx, 0, "book.xlsx",
                         [&rows](const csv::Record& record) { rows << record; });
    return rows;
}

} // namespace

class TestWorkbookReader : public QObject {
    Q_OBJECT
private slots:
    void inlineTextsReadAsSharedOnes_data();
    void inlineTextsReadAsSharedOnes();
    void packageKeepsOnlyEntriesNotReplaced();
};

void TestWorkbookReader::inlineTextsReadAsSharedOnes_data() {
    QTest::addColumn<bool>("ownTable");
    QTest::addColumn<bool>("readWhole");
    QTest::newRow("read in parts, beside the workbook's own table") << true << false;
    QTest::newRow("read in parts, no table of the workbook's own") << false << false;
    QTest::newRow("read whole, beside the workbook's own table") << true << true;
}

// The same cells written inline and as shared strings read alike, row by row: texts repeated in
// several parts, a part without any text, the workbook's own strings beside the inline ones.
void TestWorkbookReader::inlineTextsReadAsSharedOnes() {
    QFETCH(bool, ownTable);
    QFETCH(bool, readWhole);
    SheetWriter inlineForm(true, ownTable);
    SheetWriter sharedForm(false, ownTable);
    const QByteArray inlineSheet = inlineForm.sheet(readWhole);
    const QByteArray sharedSheet = sharedForm.sheet(readWhole);
    QVERIFY(inlineSheet.contains("inlineStr") && !sharedSheet.contains("inlineStr"));
    const QList<csv::Record> read = rowsOf(packed(inlineSheet, inlineForm.table()));
    const QList<csv::Record> expected = rowsOf(packed(sharedSheet, sharedForm.table()));
    QCOMPARE(read.size(), rowCount);
    QCOMPARE(expected.size(), rowCount);
    for (int i = 0; i < rowCount; ++i) {
        const int row = i + 1;
        const csv::Record& record = read.at(i);
        QCOMPARE(record.line, row);
        QCOMPARE(record.fields, expected.at(i).fields);
        QCOMPARE(record.dates, expected.at(i).dates);
        if (numbersOnly(row)) {
            QCOMPARE(record.fields.at(1), QString::number(2 * row));
            QCOMPARE(record.dates.at(2), QDate(2002, 4, 1).addDays(row % 300));
            continue;
        }
        QCOMPARE(record.fields.at(0), texts.at(row % texts.size()).shown);
        QCOMPARE(record.fields.at(1),
                 ownTable ? ownTexts.at(row % 2).shown : QString::number(row) + ".5");
        QCOMPARE(record.fields.at(3), QStringLiteral("CHAN"));
        QCOMPARE(record.fields.at(4), "X" + QString::number(row));
    }
}

// A package rebuilt with an entry replaced holds the entries kept byte for byte and none of the
// replaced one's old bytes, also when a kept entry follows the replaced one.
void TestWorkbookReader::packageKeepsOnlyEntriesNotReplaced() {
    const QByteArray large(200'000, 'x');
    const QByteArray package = zippackage::withEntries(
        {}, {}, {{"a.xml", "<a/>"}, {"large.xml", large}, {"z.xml", "<z/>"}});
    const zippackage::Directory directory = *zippackage::readDirectory(package).directory;
    const QByteArray rebuilt = zippackage::withEntries(package, directory, {{"large.xml", "<l/>"}});
    QVERIFY(rebuilt.size() < package.size() - large.size() + 200);
    QVERIFY(!rebuilt.contains("xxxx"));
    const zippackage::Reading reading = zippackage::readDirectory(rebuilt);
    QVERIFY(reading.directory);
    QCOMPARE(reading.directory->entries.size(), 3);
    QCOMPARE(zippackage::expand(rebuilt, *reading.directory->find("a.xml")), QByteArray("<a/>"));
    QCOMPARE(zippackage::expand(rebuilt, *reading.directory->find("large.xml")),
             QByteArray("<l/>"));
    QCOMPARE(zippackage::expand(rebuilt, *reading.directory->find("z.xml")), QByteArray("<z/>"));
}

QTEST_GUILESS_MAIN(TestWorkbookReader)
#include "tst_workbook_reader.moc"
