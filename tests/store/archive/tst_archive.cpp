// The archive of saved submissions without a screen: an entry keeps the very bytes that went
// onto the medium, encrypted with the return's password, and leaves no plain copy behind; a
// failed entry leaves nothing; the list tells which entries still verify; a password change
// re-keys the entries and never removes one; last year's return is found among several return
// folders; a copy to a fresh medium is byte for byte the first one.
#include "store/archive/last_year_return.h"
#include "support/saved_return.h"
#include "support/without_access_override.h"

#include <QDirIterator>
#include <QTest>
#include <optional>

namespace {

const QString password = SavedReturn::password;
const QByteArray drawnList = SavedReturn::drawnList;
const auto drawList = SavedReturn::drawList;

// Every file under a folder, with its path below it; the working database and its journal
// aside.
QStringList filesUnder(const QString& folder) {
    QStringList found;
    QDirIterator walk(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (walk.hasNext())
        found << QDir(folder).relativeFilePath(walk.next());
    found.removeAll(QStringLiteral("xw73d.mdb"));
    found.removeAll(QStringLiteral("xw73d.mdb-journal"));
    found.sort();
    return found;
}

QByteArray md5Of(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
}

// Overwrites bytes in the middle of the entry's file, as a failing disk would.
void damageFile(const QString& entryFolder) {
    QFile file(QDir(entryFolder).filePath(archive::entryFileName));
    QVERIFY(file.open(QIODevice::ReadWrite));
    file.seek(file.size() / 2);
    file.write(QByteArray(512, '\xA5'));
}

} // namespace

class TestArchive : public QObject {
    Q_OBJECT
private slots:
    void keepsTheBytesOfTheMedium();
    void failedEntryLeavesNothing_data();
    void failedEntryLeavesNothing();
    void listTellsWhatVerifies_data();
    void listTellsWhatVerifies();
    void passwordChangeRekeysEveryEntry();
    void latestOfLastYear();
    void copyToAFreshMedium();
    void lastYearForTheCheck_data();
    void lastYearForTheCheck();
};

void TestArchive::keepsTheBytesOfTheMedium() {
    SavedReturn saved(3);
    const QString folder = saved.keep();
    QCOMPARE(QDir(folder).dirName(), QStringLiteral("2002-04-30-090507"));
    QCOMPARE(entriesIn(folder), QStringList{archive::entryFileName});
    const QString entryFile = QDir(folder).filePath(archive::entryFileName);
    QVERIFY(!isPlainDatabaseFile(entryFile));
    QCOMPARE(QFileInfo(entryFile).permissions() & 0x0077, QFileDevice::Permissions());
    QVERIFY_THROWS_EXCEPTION(EngineError, archive::openEntry(folder, "other"));
    Database entry = archive::openEntry(folder, password);
    const archive::Summary summary = archive::readSummary(entry);
    QCOMPARE(summary.records, 3);
    QCOMPARE(summary.income, 720000);
    QCOMPARE(summary.target, saved.target());
    QCOMPARE(summary.savedAt, saved.savedAt);
    QCOMPARE(summary.returnYear, QStringLiteral("2002"));
    QCOMPARE(summary.digest, readLogRecord(logPathOnMedium(saved.target())).code);
    QCOMPARE(archive::readPart(entry, archive::Part::ControlList), drawnList);
    QString takenFolder;
    {
        const archive::TakenOut pair(entry);
        takenFolder = QFileInfo(pair.submissionPath()).path();
        QCOMPARE(md5OfFile(pair.submissionPath()), md5OfFile(saved.target()));
        QCOMPARE(md5OfFile(pair.logPath()), md5OfFile(logPathOnMedium(saved.target())));
        QCOMPARE(QFileInfo(pair.logPath()).permissions() & 0x0077, QFileDevice::Permissions());
    }
    QVERIFY(!QFileInfo::exists(takenFolder));
    // Nothing plain stays in the program folder: beside the database, the entry alone.
    QCOMPARE(filesUnder(saved.db.folder.path()),
             QStringList{"archive/2002-04-30-090507/entry.mdb"});
    // A second save within the same second gets an entry of its own.
    QCOMPARE(QDir(saved.keep()).dirName(), QStringLiteral("2002-04-30-090507-2"));
}

void TestArchive::failedEntryLeavesNothing_data() {
    QTest::addColumn<QString>("failure");
    QTest::newRow("archive folder read-only") << "read-only";
    QTest::newRow("no password") << "no password";
    QTest::newRow("control list not drawn") << "no list";
    QTest::newRow("log gone from the medium") << "no log";
}

void TestArchive::failedEntryLeavesNothing() {
    QFETCH(QString, failure);
    SavedReturn saved(2);
    QVERIFY(QDir().mkdir(saved.archiveFolder()));
    QString key = password;
    archive::PdfRenderer renderer = drawList;
    if (failure == "read-only")
        QFile::setPermissions(saved.archiveFolder(),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (failure == "no password")
        key.clear();
    if (failure == "no list")
        renderer = [](const report::Report&) { return QByteArray(); };
    const QString log = logPathOnMedium(saved.target());
    if (failure == "no log")
        QVERIFY(QFile::rename(log, log + ".aside"));
    {
        std::optional<WithoutAccessOverride> permissionsBind;
        if (failure == "read-only")
            permissionsBind.emplace();
        QVERIFY_THROWS_EXCEPTION(EngineError, saved.keep(saved.savedAt, key, renderer));
    }
    QFile::setPermissions(saved.archiveFolder(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(filesUnder(saved.archiveFolder()), QStringList());
    QCOMPARE(entriesIn(saved.archiveFolder()), QStringList());
    if (failure == "no log")
        QVERIFY(QFile::rename(log + ".aside", log));
    // The next save is kept.
    QVERIFY(archive::isEntry(saved.keep(saved.savedAt.addSecs(60))));
}

void TestArchive::listTellsWhatVerifies_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("standing");
    QTest::newRow("untouched") << "" << int(archive::Standing::Verifies);
    QTest::newRow("submission altered") << "submission" << int(archive::Standing::DoesNotVerify);
    QTest::newRow("log altered") << "log" << int(archive::Standing::DoesNotVerify);
    QTest::newRow("file damaged on disk") << "damaged" << int(archive::Standing::DoesNotVerify);
    QTest::newRow("another password") << "password" << int(archive::Standing::DoesNotOpen);
}

void TestArchive::listTellsWhatVerifies() {
    QFETCH(QString, change);
    QFETCH(int, standing);
    SavedReturn saved(3);
    const QString older = saved.keep();
    const QString newer = saved.keep(saved.savedAt.addDays(1));
    if (change == "submission")
        QVERIFY(alterPart(older, archive::Part::Submission, "NAME2", "NAMX2"));
    if (change == "log")
        QVERIFY(alterPart(older, archive::Part::Log, "720000", "720009"));
    if (change == "damaged")
        damageFile(older);
    const QList<archive::Listed> listed =
        archive::list(saved.db.folder.path(), change == "password" ? "other" : password);
    QCOMPARE(listed.size(), 2);
    QCOMPARE(listed.first().folder, newer); // newest first
    QCOMPARE(listed.last().folder, older);
    QCOMPARE(int(listed.last().standing), standing);
    QCOMPARE(listed.last().problem.isEmpty(), standing == int(archive::Standing::Verifies));
    if (change != "password")
        QCOMPARE(int(listed.first().standing), int(archive::Standing::Verifies));
}

void TestArchive::passwordChangeRekeysEveryEntry() {
    SavedReturn saved(2);
    const QString first = saved.keep();
    const QString second = saved.keep(saved.savedAt.addSecs(3600));
    const QString foreign = saved.keep(saved.savedAt.addDays(2), "elsewhere");
    const QByteArray foreignBytes = md5OfFile(QDir(foreign).filePath(archive::entryFileName));
    const archive::RekeyResult result =
        archive::rekeyAll(saved.db.folder.path(), password, "N3wer");
    QCOMPARE(result.rekeyed, QStringList({QDir(second).dirName(), QDir(first).dirName()}));
    QCOMPARE(result.failed, QStringList{QDir(foreign).dirName()});
    QVERIFY(archive::rekeyProblems(result).contains(QDir(foreign).dirName()));
    for (const QString& folder : {first, second}) {
        QVERIFY_THROWS_EXCEPTION(EngineError, archive::openEntry(folder, password));
        QCOMPARE(archive::verifyEntry(folder, "N3wer").size(), 7);
        QCOMPARE(entriesIn(folder), QStringList{archive::entryFileName});
    }
    // Kept as it was, never removed.
    QCOMPARE(md5OfFile(QDir(foreign).filePath(archive::entryFileName)), foreignBytes);
    QVERIFY(archive::rekeyProblems(archive::rekeyAll(saved.db.folder.path(), password, "N3wer"))
                .contains(QDir(foreign).dirName()));
}

void TestArchive::latestOfLastYear() {
    SavedReturn thisReturn(2);
    SavedReturn otherReturn(3);
    thisReturn.keep(QDateTime(QDate(2002, 5, 1), QTime(10, 0)));
    const QString latest = otherReturn.keep(QDateTime(QDate(2002, 6, 1), QTime(8, 0)));
    otherReturn.keep(QDateTime(QDate(2002, 5, 2), QTime(8, 0)));
    const QStringList folders{thisReturn.db.folder.path(), otherReturn.db.folder.path()};
    const std::optional<archive::ArchivedReturn> found =
        archive::latestOfYear("2002", folders, {"wrong", password});
    QVERIFY(found);
    QCOMPARE(found->entryFolder, latest);
    QCOMPARE(found->summary.savedAt, QDateTime(QDate(2002, 6, 1), QTime(8, 0)));
    QCOMPARE(found->summary.target, otherReturn.target());
    QCOMPARE(int(found->employees.size()), 3);
    const int surname = columnIndex(employeeColumns(), "Surname");
    QCOMPARE(found->employees.front().at(surname).toString(), QStringLiteral("NAME1"));
    QCOMPARE(found->employer.at(columnIndex(employerColumns(), "BRN")).toString(),
             QStringLiteral("12345678"));
    QVERIFY(!archive::latestOfYear("2001", folders, {password}));
    QVERIFY(!archive::latestOfYear("2002", folders, {"wrong"}));
}

void TestArchive::copyToAFreshMedium() {
    SavedReturn saved(3);
    const QString folder = saved.keep();
    const QByteArray working = md5Of(fileBytes(saved.db.folder.file("xw73d.mdb")));
    TempFolder fresh;
    const QString target = fresh.file("12345678.MDB");
    archive::copyToMedium(folder, password, target);
    QCOMPARE(entriesIn(fresh.path()), QStringList({"12345678.MDB", "~~log~~.mdb"}));
    QCOMPARE(md5OfFile(target), md5OfFile(saved.target()));
    QCOMPARE(md5OfFile(fresh.file(logFileName)), md5OfFile(logPathOnMedium(saved.target())));
    QCOMPARE(md5Of(fileBytes(saved.db.folder.file("xw73d.mdb"))), working);
    QCOMPARE(filesUnder(saved.db.folder.path()),
             QStringList{"archive/2002-04-30-090507/entry.mdb"});
}

void TestArchive::lastYearForTheCheck_data() {
    QTest::addColumn<QString>("returnYear");
    QTest::addColumn<QString>("fileNumber");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("found");
    QTest::newRow("the next year of the same employer") << "2003"
                                                        << "12345678" << password << true;
    QTest::newRow("the same year: no return of the year before") << "2002"
                                                                 << "12345678" << password << false;
    QTest::newRow("another employer's file number") << "2003"
                                                    << "12345676" << password << false;
    QTest::newRow("an employer without a file number") << "2003"
                                                       << "" << password << false;
    QTest::newRow("a password that does not open it") << "2003"
                                                      << "12345678"
                                                      << "other" << false;
}

// What the check sets this year's return beside: the saved return's employees as the medium
// got them, and its category totals, which add up to the income the log carries.
void TestArchive::lastYearForTheCheck() {
    QFETCH(QString, returnYear);
    QFETCH(QString, fileNumber);
    QFETCH(QString, key);
    QFETCH(bool, found);
    SavedReturn saved(3);
    saved.keep();
    EmployerData employer;
    employer.returnYear = returnYear;
    employer.fileNumber = fileNumber;
    const std::optional<validation::LastYearReturn> last =
        archive::lastYearReturn(QStringList{saved.db.folder.path()}, employer, key);
    QCOMPARE(last.has_value(), found);
    if (!found)
        return;
    QCOMPARE(last->description, "saved 30/04/2002 09:05 to " + saved.target());
    QCOMPARE(last->employees.size(), 3);
    const validation::LastYearEmployee& first = last->employees.first();
    QCOMPARE(first.identity, QStringLiteral("A123456(3)"));
    QCOMPARE(first.surname + u'/' + first.otherNames, QStringLiteral("NAME1/TAI MAN"));
    QCOMPARE(first.periodEnd + u'/' + first.type, QStringLiteral("31032002/O"));
    QCOMPARE(last->categoryTotals[0], 720000);
    const QList<archive::Listed> listed = archive::list(saved.db.folder.path(), password);
    QCOMPARE(listed.size(), 1);
    qint64 sum = 0;
    for (const qint64 category : last->categoryTotals)
        sum += category;
    QVERIFY(listed.first().summary);
    QCOMPARE(sum, listed.first().summary->income);
}

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
