#include "records/report_temp_files.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

void createFiles(const QString& folder, const QStringList& names) {
    for (const QString& name : names) {
        QFile file(QDir(folder).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

} // namespace

class TestReportTempFiles : public QObject {
    Q_OBJECT
private slots:
    void folderChoice_data();
    void folderChoice();
    void deletion_data();
    void deletion();
};

// "tmp", "temp" and "program" stand for three real folders; "missing" names nothing, "file" an
// existing plain file.
void TestReportTempFiles::folderChoice_data() {
    QTest::addColumn<QString>("tmp");
    QTest::addColumn<QString>("temp");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("valid: TMP names a folder") << "tmp"
                                               << "temp"
                                               << "tmp";
    QTest::newRow("valid: TMP empty") << ""
                                      << "temp"
                                      << "temp";
    QTest::newRow("invalid: TMP names nothing") << "missing"
                                                << "temp"
                                                << "temp";
    QTest::newRow("boundary: TMP names a file") << "file"
                                                << "temp"
                                                << "file";
    QTest::newRow("invalid: both name nothing") << "missing"
                                                << "missing"
                                                << "program";
    QTest::newRow("boundary: both empty") << ""
                                          << ""
                                          << "program";
}

void TestReportTempFiles::folderChoice() {
    QFETCH(QString, tmp);
    QFETCH(QString, temp);
    QFETCH(QString, chosen);
    TempFolder root;
    for (const char* name : {"tmp", "temp", "program"})
        QVERIFY(QDir(root.path()).mkdir(QLatin1String(name)));
    createFiles(root.path(), {"file"});
    const auto path = [&](const QString& name) {
        return name.isEmpty() ? QString() : root.file(name);
    };
    QCOMPARE(reportTempFolder(path(tmp), path(temp), root.file("program")), root.file(chosen));
}

void TestReportTempFiles::deletion_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("valid: report files of any case")
        << QStringList{"CRW1.TMP", "crw2.tmp", "Crw3.Tmp", "xw73d.mdb"} << QStringList{"xw73d.mdb"};
    QTest::newRow("boundary: bare CRW.TMP") << QStringList{"CRW.TMP"} << QStringList{};
    QTest::newRow("invalid: other names stay")
        << QStringList{"CRW1.TMPX", "XCRW1.TMP", "CRW1.TXT", "CR1.TMP"}
        << QStringList{"CR1.TMP", "CRW1.TMPX", "CRW1.TXT", "XCRW1.TMP"};
    QTest::newRow("boundary: nothing to delete") << QStringList{} << QStringList{};
}

void TestReportTempFiles::deletion() {
    QFETCH(QStringList, present);
    QFETCH(QStringList, left);
    TempFolder folder;
    createFiles(folder.path(), present);
    QVERIFY(QDir(folder.path()).mkdir("CRWDIR.TMP")); // a folder is not a report file
    deleteReportTempFiles(folder.path());
    QStringList expected = left + QStringList{"CRWDIR.TMP"};
    expected.sort();
    QCOMPARE(entries(folder.path()), expected);
}

QTEST_GUILESS_MAIN(TestReportTempFiles)
#include "tst_report_temp_files.moc"
