#include "core/import/sheet_parts.h"
#include "core/import/workbook_package.h"
#include "core/import/zip_package.h"

#include <QFile>
#include <QTest>
#include <zlib.h>

namespace {

const QByteArray opening = "<?xml version=\"1.0\"?><worksheet xmlns=\"main\"><dimension "
                           "ref=\"A1:B9\"/><sheetData>";
const QByteArray closing = "</sheetData></worksheet>";

QByteArray numberedRow(int row) {
    const QByteArray n = QByteArray::number(row);
    return "<row r=\"" + n + "\"><c r=\"A" + n + "\"><v>" + n + "</v></c></row>";
}

QByteArray rows(int from, int to) {
    QByteArray text;
    for (int row = from; row <= to; ++row)
        text += numberedRow(row);
    return text;
}

struct Cut {
    QList<QByteArray> parts; // each part's rows, without the opening and closing
    bool taken = true;
    bool finished = false;
};

Cut cutInPieces(const QByteArray& sheet, int rowsPerPart, int pieceSize) {
    Cut cut;
    sheetparts::Cutter cutter(rowsPerPart, [&cut](const QByteArray& part) {
        if (!part.startsWith(opening) || !part.endsWith(closing))
            cut.parts << "not a whole sheet: " + part;
        else
            cut.parts << part.sliced(opening.size(), part.size() - opening.size() - closing.size());
        return true;
    });
    for (qsizetype at = 0; at < sheet.size() && cut.taken; at += pieceSize)
        cut.taken = cutter.take(
            QByteArrayView(sheet).sliced(at, qMin<qsizetype>(pieceSize, sheet.size() - at)));
    cut.finished = cut.taken && cutter.finish();
    return cut;
}

QByteArray deflated(const QByteArray& content) {
    QByteArray out(content.size() + 1024, Qt::Uninitialized);
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.constData()));
    stream.avail_in = static_cast<uInt>(content.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.truncate(static_cast<qsizetype>(stream.total_out));
    deflateEnd(&stream);
    return out;
}

} // namespace

class TestSheetParts : public QObject {
    Q_OBJECT
private slots:
    void sheetIsCutBetweenRows_data();
    void sheetIsCutBetweenRows();
    void sheetOfAnotherFormIsNotCut_data();
    void sheetOfAnotherFormIsNotCut();
    void entryIsExpandedPieceByPiece_data();
    void entryIsExpandedPieceByPiece();
    void deflatedEntriesReadBack();
    void workbooksOfOtherProgramsAreCut_data();
    void workbooksOfOtherProgramsAreCut();
    void likelyRowsAreTheDimensionsWithinTheText_data();
    void likelyRowsAreTheDimensionsWithinTheText();
};

void TestSheetParts::sheetIsCutBetweenRows_data() {
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<QList<QByteArray>>("parts");
    const QByteArray five = opening + rows(1, 5) + closing;
    const QList<QByteArray> twoAndRest{rows(1, 2), rows(3, 4), rows(5, 5)};
    QTest::newRow("two rows a part, one left") << five << 4096 << twoAndRest;
    QTest::newRow("a byte at a time") << five << 1 << twoAndRest;
    QTest::newRow("pieces of seven bytes") << five << 7 << twoAndRest;
    QTest::newRow("rows end at a cut")
        << opening + rows(1, 4) + closing << 5 << QList<QByteArray>{rows(1, 2), rows(3, 4)};
    QTest::newRow("what follows the rows is left out")
        << opening + rows(1, 3) + "</sheetData><mergeCells count=\"1\"/></worksheet>" << 3
        << QList<QByteArray>{rows(1, 2), rows(3, 3)};
    QTest::newRow("no rows at all") << opening + closing << 2 << QList<QByteArray>{};
    // Rows written without numbers are the rows after the one before, across the cuts too.
    QTest::newRow("rows without numbers")
        << opening + "<row><c><v>1</v></c></row><row spans=\"1:1\"><c><v>2</v></c></row>" +
               numberedRow(7) + "<row><c><v>8</v></c></row></sheetData></worksheet>"
        << 6
        << QList<QByteArray>{"<row r=\"1\"><c><v>1</v></c></row><row r=\"2\" spans=\"1:1\"><c><v>2"
                             "</v></c></row>",
                             numberedRow(7) + "<row r=\"8\"><c><v>8</v></c></row>"};
}

void TestSheetParts::sheetIsCutBetweenRows() {
    QFETCH(QByteArray, sheet);
    QFETCH(int, pieceSize);
    QFETCH(QList<QByteArray>, parts);
    const Cut cut = cutInPieces(sheet, 2, pieceSize);
    QVERIFY(cut.finished);
    QCOMPARE(cut.parts, parts);
}

void TestSheetParts::sheetOfAnotherFormIsNotCut_data() {
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<bool>("taken"); // false: refused before the end, from its opening
    QTest::newRow("root with a prefix") << "<x:worksheet xmlns:x=\"main\"><x:sheetData>" +
                                               rows(1, 3) + "</x:sheetData></x:worksheet>"
                                        << false;
    QTest::newRow("empty rows element")
        << QByteArray("<worksheet><sheetData/></worksheet>") << false;
    QTest::newRow("no rows element") << QByteArray("<worksheet></worksheet>") << true;
    QTest::newRow("rows never closed") << opening + rows(1, 3) << true;
}

void TestSheetParts::sheetOfAnotherFormIsNotCut() {
    QFETCH(QByteArray, sheet);
    QFETCH(bool, taken);
    const Cut cut = cutInPieces(sheet, 2, 5);
    QCOMPARE(cut.taken, taken);
    QVERIFY(!cut.finished);
    if (!taken)
        QCOMPARE(cut.parts, QList<QByteArray>{});
}

void TestSheetParts::entryIsExpandedPieceByPiece_data() {
    QTest::addColumn<bool>("deflate");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("expansion");
    QTest::addColumn<int>("keptPiece"); // 0: the entry read where it lies in the package
    using zippackage::Expansion;
    for (const int keptPiece : {0, 1000, 4096, 1 << 20}) {
        for (const bool deflate : {false, true}) {
            const QByteArray how =
                (deflate ? "deflated" : "stored") +
                (keptPiece ? ", kept in pieces of " + QByteArray::number(keptPiece) : "");
            const auto row = [&](const char* name, const char* damage, Expansion expansion) {
                QTest::addRow("%s, %s", how.constData(), name)
                    << deflate << damage << int(expansion) << keptPiece;
            };
            row("whole", "", Expansion::Whole);
            row("a byte changed", "flip", Expansion::Damaged);
            row("longer than declared", "size", Expansion::Damaged);
            row("cut short", "cut", Expansion::Damaged);
            row("stopped by the reader", "stop", Expansion::Stopped);
        }
    }
}

void TestSheetParts::entryIsExpandedPieceByPiece() {
    QFETCH(bool, deflate);
    QFETCH(QString, damage);
    QFETCH(int, expansion);
    QFETCH(int, keptPiece);
    const QByteArray content = rows(1, 20000);
    QByteArray package = zippackage::withEntries({}, {}, {{"sheet.xml", content}});
    zippackage::Entry entry = zippackage::readDirectory(package).directory->entries.first();
    const qint64 data = entry.localOffset + 30 + entry.name.size();
    if (deflate) {
        // The same entry deflated: the package's bytes from the entry's data on are replaced.
        const QByteArray packed = deflated(content);
        package = package.left(data) + packed;
        entry.method = 8;
        entry.compressedSize = packed.size();
    }
    if (damage == u"flip")
        package[package.size() - (deflate ? 40 : 100)] ^= 0x21;
    if (damage == u"size")
        entry.size -= 10;
    if (damage == u"cut")
        entry.compressedSize -= 20;
    QByteArray expanded;
    int pieces = 0;
    const auto take = [&](QByteArrayView piece) {
        expanded += piece;
        ++pieces;
        return damage != u"stop";
    };
    std::optional<QList<QByteArray>> kept;
    if (keptPiece) {
        kept = zippackage::keptPieces(package, entry, keptPiece);
        QVERIFY(kept);
        QCOMPARE(kept->size(), (entry.compressedSize + keptPiece - 1) / keptPiece);
        QCOMPARE(kept->join(), package.sliced(data, entry.compressedSize));
        // The package may go once the pieces are taken out.
        package = QByteArray();
    }
    const zippackage::Expansion result =
        keptPiece ? zippackage::expandPieces(std::move(*kept), entry, take)
                  : zippackage::expandEach(package, entry, take);
    QCOMPARE(int(result), expansion);
    if (damage.isEmpty()) {
        QCOMPARE(expanded, content);
        // Never more than 64 KiB expanded at a time; a stored entry as it is kept. Inflating
        // from small kept pieces may hand on more, shorter pieces.
        const int stored = keptPiece ? int((content.size() + keptPiece - 1) / keptPiece) : 1;
        const int least = deflate ? int((content.size() + 65535) / 65536) : stored;
        QVERIFY(pieces >= least);
        if (!deflate || !keptPiece)
            QCOMPARE(pieces, least);
    }
    QVERIFY(expanded.size() <= entry.size);
}

// A sheet rewritten a piece at a time is deflated as it goes and put in the package beside
// stored entries; both read back whole with their sizes and checksums.
void TestSheetParts::deflatedEntriesReadBack() {
    const QByteArray content = rows(1, 30000);
    zippackage::Deflater deflater;
    for (qsizetype at = 0; at < content.size(); at += 70001)
        deflater.add(
            QByteArrayView(content).sliced(at, qMin<qsizetype>(70001, content.size() - at)));
    const zippackage::Deflated deflated = deflater.finish();
    QVERIFY(deflated.bytes.size() < content.size() / 4);
    const QByteArray package =
        zippackage::withEntries({}, {}, {{"stored.xml", "<a/>"}}, {{"sheet.xml", deflated}});
    const zippackage::Directory directory = *zippackage::readDirectory(package).directory;
    QCOMPARE(directory.entries.size(), 2);
    QCOMPARE(zippackage::expand(package, *directory.find("stored.xml")), QByteArray("<a/>"));
    QCOMPARE(directory.find("sheet.xml")->method, 8);
    QCOMPARE(zippackage::expand(package, *directory.find("sheet.xml")), content);
}

void TestSheetParts::workbooksOfOtherProgramsAreCut_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("likelyRows");
    QTest::newRow("4,101 rows") << "many.xlsx" << 0 << "xl/worksheets/sheet1.xml" << 3 << 4101;
    QTest::newRow("4,101 rows without numbers")
        << "many-unnumbered.xlsx" << 0 << "xl/worksheets/sheet1.xml" << 3 << 4101;
    QTest::newRow("second sheet") << "staff.xlsx" << 1 << "xl/worksheets/sheet2.xml" << 1 << 2;
}

// The workbooks as openpyxl writes them are read in parts: their sheets are found by the
// workbook's relations and are of the plain form that is cut.
void TestSheetParts::workbooksOfOtherProgramsAreCut() {
    QFETCH(QString, file);
    QFETCH(int, sheet);
    QFETCH(QString, entry);
    QFETCH(int, parts);
    QFETCH(int, likelyRows);
    QFile source(QStringLiteral(QT_TESTCASE_SOURCEDIR "/data/workbooks/") + file);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const CheckedPackage checked = checkedPackage(source.readAll(), WorkbookKind::Xlsx, file);
    QVERIFY2(checked.refusal.isEmpty(), qPrintable(checked.refusal));
    const zippackage::Directory directory = *zippackage::readDirectory(checked.bytes).directory;
    QCOMPARE(sheetparts::sheetEntry(checked.bytes, directory, sheet), entry);
    QVERIFY(!sheetparts::sheetEntry(checked.bytes, directory, 2));
    const std::optional<sheetparts::Opening> opening =
        sheetparts::withoutRows(checked.bytes, directory, entry);
    QVERIFY(opening);
    QCOMPARE(opening->likelyRows, likelyRows);
    const QByteArray& withoutRows = opening->package;
    const zippackage::Directory openingDirectory =
        *zippackage::readDirectory(withoutRows).directory;
    QVERIFY(!zippackage::expand(withoutRows, *openingDirectory.find(entry))->contains("<row"));
    int cut = 0;
    sheetparts::Cutter cutter(sheetparts::rowsPerPart, [&cut](const QByteArray& part) {
        ++cut;
        return part.contains("<row");
    });
    QCOMPARE(zippackage::expandEach(checked.bytes, *directory.find(entry),
                                    [&cutter](QByteArrayView piece) { return cutter.take(piece); }),
             zippackage::Expansion::Whole);
    QVERIFY(cutter.finish());
    QCOMPARE(cut, parts);
}

void TestSheetParts::likelyRowsAreTheDimensionsWithinTheText_data() {
    QTest::addColumn<QByteArray>("dimension");
    QTest::addColumn<qint64>("sheetBytes");
    QTest::addColumn<qsizetype>("likelyRows");
    const qint64 large = 100'000'000;
    QTest::newRow("from the first row")
        << QByteArray("<dimension ref=\"A1:CC100001\"/>") << large << qsizetype(100'001);
    QTest::newRow("from a later row")
        << QByteArray("<dimension ref=\"B5:C10\"/>") << large << qsizetype(6);
    QTest::newRow("one cell") << QByteArray("<dimension ref=\"B7\"/>") << large << qsizetype(1);
    QTest::newRow("single quotes")
        << QByteArray("<dimension  ref='A1:R5' />") << large << qsizetype(5);
    QTest::newRow("more rows than the text holds")
        << QByteArray("<dimension ref=\"A1:XFD1048576\"/>") << qint64(2'600) << qsizetype(100);
    QTest::newRow("not said") << QByteArray("<sheetViews/>") << large << qsizetype(0);
    QTest::newRow("another element")
        << QByteArray("<dimensions ref=\"A1:A9\"/>") << large << qsizetype(0);
    QTest::newRow("backwards") << QByteArray("<dimension ref=\"A10:B2\"/>") << large
                               << qsizetype(0);
    QTest::newRow("a corner without a row")
        << QByteArray("<dimension ref=\"A1:B\"/>") << large << qsizetype(0);
    QTest::newRow("a corner without a column")
        << QByteArray("<dimension ref=\"1:5\"/>") << large << qsizetype(0);
    QTest::newRow("three corners")
        << QByteArray("<dimension ref=\"A1:B2:C3\"/>") << large << qsizetype(0);
    QTest::newRow("row zero") << QByteArray("<dimension ref=\"A0:B4\"/>") << large << qsizetype(0);
}

// A sheet's dimension says how many rows to make room for, never more than its text can hold.
void TestSheetParts::likelyRowsAreTheDimensionsWithinTheText() {
    QFETCH(QByteArray, dimension);
    QFETCH(qint64, sheetBytes);
    QFETCH(qsizetype, likelyRows);
    const QByteArray opening =
        "<?xml version=\"1.0\"?><worksheet xmlns=\"x\">" + dimension + "<sheetData>";
    QCOMPARE(sheetparts::likelyRows(opening, sheetBytes), likelyRows);
}

QTEST_GUILESS_MAIN(TestSheetParts)
#include "tst_sheet_parts.moc"
