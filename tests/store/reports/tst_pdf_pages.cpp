// A PDF document of several pages split into a file for each page: each file stands alone (one
// page, its fonts embedded, its own text), is the user's alone, replaces an older file of its
// name, and a file that cannot be written leaves neither a work file nor a changed older file.
#include "core/common/engine_error.h"
#include "store/reports/pdf_pages.h"
#include "support/file_size_limit.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>
#include <optional>
#include <sys/stat.h>

namespace {

const QStringList pageTexts{QStringLiteral("0001 CHAN TAI MAN 陳大文 total 250,000"),
                            QStringLiteral("0002 LEE KA YAN 李嘉欣 total 99,999"),
                            QStringLiteral("0003 WONG SIU MING total 120,000")};

// A document with a page for each text, drawn as the program draws its forms: one writer, the
// same fonts on every page.
QByteArray document(const QStringList& texts) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter writer(&bytes);
    writer.setResolution(300);
    QPainter painter(&writer);
    for (qsizetype index = 0; index < texts.size(); ++index) {
        if (index > 0)
            writer.newPage();
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
        painter.drawText(QPointF(100, 200), texts[index].section(u' ', 0, 3));
        painter.setFont(QFont(QStringLiteral("WenQuanYi Zen Hei"), 12));
        painter.drawText(QPointF(100, 400), texts[index].section(u' ', 4));
    }
    painter.end();
    return bytes.buffer();
}

mode_t modeOf(const QString& path) {
    struct stat status {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777 : 0;
}

// Every font that pdffonts lists is embedded in the file.
bool fontsEmbedded(const QString& pdf) {
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {pdf});
    fonts.waitForFinished(60000);
    const QStringList lines = QString::fromUtf8(fonts.readAllStandardOutput()).split(u'\n');
    int listed = 0;
    for (const QString& line : lines.mid(2)) {
        if (line.trimmed().isEmpty())
            continue;
        ++listed;
        if (!line.contains(QStringLiteral(" yes ")))
            return false;
    }
    return listed > 0;
}

} // namespace

class PdfPagesTest : public QObject {
    Q_OBJECT
private slots:
    void eachPageBecomesAFileOfItsOwn_data();
    void eachPageBecomesAFileOfItsOwn();
    void somethingElseThanAPdfIsRefused();
};

void PdfPagesTest::eachPageBecomesAFileOfItsOwn_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("written");
    QTest::newRow("each page alone") << "none" << true;
    QTest::newRow("an older file of the name replaced") << "older file" << true;
    QTest::newRow("the folder is gone") << "no folder" << false;
    QTest::newRow("disk full: the older file kept") << "disk full" << false;
}

void PdfPagesTest::eachPageBecomesAFileOfItsOwn() {
    QFETCH(QString, failure);
    QFETCH(bool, written);
    TempFolder folder;
    const QString target = failure == "no folder" ? folder.file("gone") : folder.path();
    const QStringList names{"0001 CHAN TAI MAN.pdf", "0002 LEE KA YAN.pdf", "0003 WONG.pdf"};
    if (failure == "older file" || failure == "disk full")
        QVERIFY(createFiles(folder.path(), {names[1]}));
    const PdfPages pages(document(pageTexts));
    QCOMPARE(pages.count(), 3);
    std::optional<FileSizeLimit> full;
    if (failure == "disk full")
        full.emplace(4096);
    QStringList errors;
    for (int index = 0; index < pages.count(); ++index) {
        try {
            pages.writePage(index, QDir(target).filePath(names[index]));
        } catch (const EngineError& error) {
            QCOMPARE(error.number(), int(engine::PathFileAccess));
            errors << error.description();
        }
    }
    full.reset();
    QCOMPARE(errors.size(), written ? 0 : 3);
    if (!written) {
        QVERIFY2(errors[1].contains(names[1]), qPrintable(errors[1]));
        QCOMPARE(entriesIn(folder.path()),
                 failure == "disk full" ? QStringList{names[1]} : QStringList{});
        if (failure == "disk full")
            QCOMPARE(QFileInfo(folder.file(names[1])).size(), 0);
        return;
    }
    QCOMPARE(entriesIn(folder.path()), names);
    for (int index = 0; index < pages.count(); ++index) {
        const QString file = folder.file(names[index]);
        QCOMPARE(pdfPageCount(file), 1);
        const QString text = pdfText(file).simplified();
        QCOMPARE(text, pageTexts[index]);
        QVERIFY2(fontsEmbedded(file), qPrintable(names[index]));
        QCOMPARE(modeOf(file), mode_t(0600));
    }
}

void PdfPagesTest::somethingElseThanAPdfIsRefused() {
    for (const QByteArray& bytes :
         {QByteArray("not a PDF at all"), document(pageTexts).left(2000), QByteArray()}) {
        try {
            PdfPages pages(bytes);
            QFAIL(qPrintable("read as a PDF of " + QString::number(pages.count()) +
                             " pages: " + QString::fromLatin1(bytes.left(20))));
        } catch (const EngineError& error) {
            QCOMPARE(error.number(), int(engine::Damaged));
        }
    }
}

QTEST_MAIN(PdfPagesTest)
#include "tst_pdf_pages.moc"
