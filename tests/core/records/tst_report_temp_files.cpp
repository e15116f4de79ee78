#include "core/records/report_temp_files.h"
#include "support/temp_folder.h"

#include <QTest>
#include <tuple>

// TMP, TEMP and the folder chosen.
using FolderCase = std::tuple<QString, QString, QString>;

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
    QTest::addColumn<FolderCase>("folderCase");
    QTest::newRow("valid: TMP names a folder") << FolderCase{"tmp", "temp", "tmp"};
    QTest::newRow("valid: TMP empty") << FolderCase{"", "temp", "temp"};
    QTest::newRow("invalid: TMP names nothing") << FolderCase{"missing", "temp", "temp"};
    QTest::newRow("boundary: TMP names a file") << FolderCase{"file", "temp", "file"};
    QTest::newRow("invalid: both name nothing") << FolderCase{"missing", "missing", "program"};
    QTest::newRow("boundary: both empty") << FolderCase{"", "", "program"};
}

void TestReportTempFiles::folderChoice() {
    QFETCH(FolderCase, folderCase);
    const auto& [tmp, temp, chosen] = folderCase;
    TempFolder root;
    for (const char* name : {"tmp", "temp", "program"})
        QVERIFY(QDir(root.path()).mkdir(QLatin1String(name)));
    QVERIFY(createFiles(root.path(), {"file"}));
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
        << QStringList{"CR1.TMP", "CRW1.TMPX", "CRW1.TXT", "XCRW1.TMP"}
        << QStringList{"CR1.TMP", "CRW1.TMPX", "CRW1.TXT", "XCRW1.TMP"};
    QTest::newRow("boundary: nothing to delete") << QStringList{} << QStringList{};
}

// A folder named like a report file is not one, and stays.
void TestReportTempFiles::deletion() {
    QFETCH(QStringList, present);
    QFETCH(QStringList, left);
    TempFolder folder;
    QVERIFY(createFiles(folder.path(), present));
    QVERIFY(QDir(folder.path()).mkdir("CRWDIR.TMP"));
    deleteReportTempFiles(folder.path());
    const QStringList entries =
        QDir(folder.path())
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    left << "CRWDIR.TMP";
    left.sort();
    QCOMPARE(entries, left);
}

QTEST_GUILESS_MAIN(TestReportTempFiles)
#include "tst_report_temp_files.moc"
