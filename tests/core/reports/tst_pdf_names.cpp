// The names of PDF files: a form's after its sheet number and names, the reports' after the
// year, characters a file system refuses replaced, and repeated names made distinct.
#include "core/reports/pdf_names.h"

#include <QTest>

using namespace pdfname;

class TestPdfNames : public QObject {
    Q_OBJECT
private slots:
    void formFileNames_data();
    void formFileNames();
    void reportFileNames();
    void repeatedNamesMadeDistinct_data();
    void repeatedNamesMadeDistinct();
};

void TestPdfNames::formFileNames_data() {
    QTest::addColumn<QString>("sheetNo");
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("otherNames");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("name");
    QTest::newRow("valid: original, four digits") << "1"
                                                  << "CHAN"
                                                  << "TAI MAN"
                                                  << "O"
                                                  << "0001 CHAN TAI MAN.pdf";
    QTest::newRow("boundary: sheet 9999") << "9999"
                                          << "LEE"
                                          << "SIU"
                                          << "O"
                                          << "9999 LEE SIU.pdf";
    QTest::newRow("boundary: sheet beyond four digits") << "123456"
                                                        << "LEE"
                                                        << "SIU"
                                                        << "O"
                                                        << "123456 LEE SIU.pdf";
    QTest::newRow("valid: replacement says so") << "12"
                                                << "WONG"
                                                << "MEI"
                                                << "R"
                                                << "0012 WONG MEI (Replacement).pdf";
    QTest::newRow("valid: supplementary says so") << "3"
                                                  << "WONG"
                                                  << "MEI"
                                                  << "S"
                                                  << "0003 WONG MEI (Supplementary).pdf";
    QTest::newRow("boundary: not numbered yet") << " "
                                                << "AU"
                                                << "YEUNG"
                                                << "O"
                                                << "unnumbered AU YEUNG.pdf";
    QTest::newRow("boundary: no other names") << "7"
                                              << "HO"
                                              << ""
                                              << "O"
                                              << "0007 HO.pdf";
    QTest::newRow("boundary: no names at all") << "7"
                                               << ""
                                               << ""
                                               << "O"
                                               << "0007.pdf";
    QTest::newRow("invalid: separators and wildcards replaced")
        << "5"
        << "O'NEIL/SMITH"
        << "A*B? \"C\" <D> E|F\\G:H"
        << "O"
        << "0005 O'NEIL_SMITH A_B_ _C_ _D_ E_F_G_H.pdf";
    QTest::newRow("invalid: control characters replaced") << "5"
                                                          << "TAB\tHERE"
                                                          << ""
                                                          << "O"
                                                          << "0005 TAB_HERE.pdf";
    QTest::newRow("invalid: dots at the end dropped") << "5"
                                                      << "SMITH"
                                                      << "J.."
                                                      << "O"
                                                      << "0005 SMITH J.pdf";
    QTest::newRow("valid: Chinese kept") << "8"
                                         << "陳"
                                         << "大文"
                                         << "O"
                                         << "0008 陳 大文.pdf";
}

void TestPdfNames::formFileNames() {
    QFETCH(QString, sheetNo);
    QFETCH(QString, surname);
    QFETCH(QString, otherNames);
    QFETCH(QString, status);
    QFETCH(QString, name);
    QCOMPARE(formFileName(sheetNo, surname, otherNames, status), name);
}

// Long names stay within what file systems allow, and the reports carry the return year.
void TestPdfNames::reportFileNames() {
    QCOMPARE(allOriginalsFileName("2024"), QString("XW73D 2024 all originals.pdf"));
    QCOMPARE(controlListFileName("2024"), QString("XW73D 2024 control list.pdf"));
    QCOMPARE(controlListFileName(""), QString("XW73D control list.pdf"));
    QCOMPARE(problemListFileName("2024"), QString("XW73D 2024 problems.pdf"));
    const QString longest = formFileName("1", QString(20, u'陳'), QString(55, u'X'), "O");
    QVERIFY(longest.toUtf8().size() < 255);
    QVERIFY(longest.endsWith(".pdf"));
}

void TestPdfNames::repeatedNamesMadeDistinct_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("distinct");
    QTest::newRow("valid: all different")
        << QStringList{"0001 A.pdf", "0002 B.pdf"} << QStringList{"0001 A.pdf", "0002 B.pdf"};
    QTest::newRow("repeated twice")
        << QStringList{"0001 A.pdf", "0001 A.pdf", "0001 A.pdf"}
        << QStringList{"0001 A.pdf", "0001 A (2).pdf", "0001 A (3).pdf"};
    QTest::newRow("repeated in another case") << QStringList{"0001 Chan.pdf", "0001 CHAN.pdf"}
                                              << QStringList{"0001 Chan.pdf", "0001 CHAN (2).pdf"};
    QTest::newRow("a made-up name already taken by a later file")
        << QStringList{"0001 A.pdf", "0001 A.pdf", "0001 A (2).pdf"}
        << QStringList{"0001 A.pdf", "0001 A (3).pdf", "0001 A (2).pdf"};
}

void TestPdfNames::repeatedNamesMadeDistinct() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, distinct);
    QCOMPARE(distinctNames(names), distinct);
}

QTEST_GUILESS_MAIN(TestPdfNames)
#include "tst_pdf_names.moc"
