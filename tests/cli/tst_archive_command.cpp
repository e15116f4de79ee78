// "xw73d archive list" and "xw73d verify" on an archive entry, run as the real program without a
// display: the list tells each kept submission and whether it still verifies, asking for the
// password only when an entry does not open with the default one; verify checks an entry's
// kept pair with the password asked as import asks it.
#include "support/headless_run.h"
#include "support/saved_return.h"

#include <QRegularExpression>
#include <QTest>

namespace {

using Run = HeadlessRun;

Run runProgram(const QStringList& arguments, const QString& password = {}) {
    return runHeadless(arguments, password);
}

} // namespace

class TestArchiveCommand : public QObject {
    Q_OBJECT
private slots:
    void archiveList_data();
    void archiveList();
    void verifyEntry_data();
    void verifyEntry();
};

void TestArchiveCommand::archiveList_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("password"); // in XW73D_PASSWORD; null for none
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("said"); // {target} stands for the submission on the medium
    QTest::newRow("valid: every entry verifies")
        << "kept" << QString() << 0
        << QStringList{
               "2002-04-30-090507  2002-04-30 09:05  {target}  3 records  720,000  verifies"};
    QTest::newRow("invalid: an entry altered afterwards")
        << "altered" << QString() << 1
        << QStringList{"{target}  3 records  720,000  does not verify: These checks fail: FCode."};
    QTest::newRow("valid: changed password given")
        << "rekeyed"
        << "N3wer" << 0 << QStringList{"{target}  3 records  720,000  verifies"};
    QTest::newRow("invalid: changed password not given")
        << "rekeyed"
        << "wrong" << 1 << QStringList{"2002-04-30-090507  does not open"};
    QTest::newRow("valid: nothing kept yet")
        << "empty" << QString() << 0 << QStringList{"No submission is kept in the archive"};
}

void TestArchiveCommand::archiveList() {
    QFETCH(QString, state);
    QFETCH(QString, password);
    QFETCH(int, exitCode);
    QFETCH(QStringList, said);
    SavedReturn saved(3);
    if (state != "empty") {
        const QString entry = saved.keep();
        if (state == "altered")
            QVERIFY(alterPart(entry, archive::Part::Submission, "NAME2", "NAMX2"));
        if (state == "rekeyed")
            QCOMPARE(archive::rekeyAll(saved.db.folder.path(), SavedReturn::password, "N3wer")
                         .rekeyed.size(),
                     1);
    }
    const Run run = runProgram({"archive", "list", "--data-dir", saved.db.folder.path()}, password);
    QCOMPARE(run.exitCode, exitCode);
    for (QString text : said)
        QVERIFY2(run.output.contains(text.replace("{target}", saved.target())),
                 qPrintable(run.output + run.errors));
    QCOMPARE(runProgram({"archive", "lists"}).exitCode, 2);
}

void TestArchiveCommand::verifyEntry_data() {
    QTest::addColumn<bool>("byFile"); // the entry's file named instead of its folder
    QTest::addColumn<bool>("altered");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("valid: the entry's folder") << false << false << "qvz" << 0;
    QTest::newRow("valid: the entry's file") << true << false << "qvz" << 0;
    QTest::newRow("invalid: log altered") << false << true << "qvz" << 1;
    QTest::newRow("invalid: wrong password") << false << false << "other" << 2;
}

void TestArchiveCommand::verifyEntry() {
    QFETCH(bool, byFile);
    QFETCH(bool, altered);
    QFETCH(QString, password);
    QFETCH(int, exitCode);
    SavedReturn saved(3);
    const QString entry = saved.keep();
    if (altered)
        QVERIFY(alterPart(entry, archive::Part::Log, "720000", "720009"));
    const Run run = runProgram(
        {"verify", byFile ? QDir(entry).filePath(archive::entryFileName) : entry}, password);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 2) {
        QVERIFY2(run.errors.startsWith("xw73d verify: "), qPrintable(run.errors));
        return;
    }
    QVERIFY2(run.output.startsWith("Archived submission " + entry + "\n"), qPrintable(run.output));
    QCOMPARE(run.output.count(QRegularExpression("(?m)^XW-V-\\d{3} +ok +\\S+ +found")),
             altered ? 6 : 7);
    QCOMPARE(run.output.count(QRegularExpression("(?m)^XW-V-\\d{3} +error +\\S+ +found")),
             altered ? 1 : 0);
    QVERIFY(run.output.contains(R"(XW-V-005  ok      TotalRec    found "3", expected "3")"));
    // Nothing taken out stays anywhere near the return.
    QCOMPARE(entriesIn(entry), QStringList{archive::entryFileName});
}

QTEST_GUILESS_MAIN(TestArchiveCommand)
#include "tst_archive_command.moc"
