// The submission and its log onto the medium: the pair lands whole and verified; a byte changed
// on the medium while the log is copied, or a name that the file system reads as another folder,
// fails the save and leaves no submission; a copy killed at any step or part-way through a write
// leaves either no submission under its name or the complete pair, and what it leaves is
// recognised as an interrupted save's and can be removed.
#include "core/submission/log_record.h"
#include "core/submission/save_rules.h"
#include "store/common/database.h"
#include "store/submission/log_database.h"
#include "store/submission/medium_copy.h"
#include "store/submission/return_image_file.h"
#include "store/submission/submission_database.h"
#include "store/submission/verifier.h"
#include "support/file_size_limit.h"
#include "support/submission_setup.h"

#include <QProcess>
#include <QTest>
#include <csignal>

namespace {

// The built submission and its log in the program folder, written for the target's name.
struct Pair {
    QString submission;
    QString log;
};

Pair buildPair(WorkingDatabase& db, int records, const QString& target) {
    setEmployer(db, exampleEmployer);
    Transaction adding(db.state.db());
    for (int sheet = 1; sheet <= records; ++sheet)
        db.addRecord(exampleRecord(QString::number(sheet), "NAME" + QString::number(sheet)) +
                     QStringList{"Remark=" + QString(60, u'R'), "CAddress=" + QString(60, u'C')});
    adding.commit();
    const QString folder = db.folder.path();
    buildSubmission(db.state.db(), folder, "2002");
    const Pair pair{db.folder.file(submissionFileName), db.folder.file(logFileName)};
    writeReturnImage(pair.submission, db.folder.file("_a.txt"));
    writeLogDatabase(folder, {pair.submission, db.folder.file("_a.txt"), target,
                              QDateTime(QDate(2002, 4, 30), QTime(9, 5))});
    return pair;
}

bool pairHolds(const QString& target) {
    try {
        for (const SubmissionCheck& check : verifySubmission(target))
            if (!check.holds())
                return false;
    } catch (const EngineError&) {
        return false; // no log beside it, or a file that cannot be read
    }
    return true;
}

// Changes a letter of the first record's remark where it lies in the file.
bool changeARecord(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const qsizetype at = file.readAll().indexOf(QByteArray(60, 'R'));
    return at >= 0 && file.seek(at) && file.write("S") == 1 && file.flush();
}

QString helper() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/copy_to_medium");
}

// What the medium holds after a copy was killed, and what the next save makes of it.
void checkAfterKill(const QString& medium, const QString& target, const QString& point) {
    const QStringList left = saverules::filesOnMedium(medium);
    if (QFileInfo::exists(target)) {
        QVERIFY2(pairHolds(target), qPrintable(point));
        QCOMPARE(left, QStringList({"12345678.MDB", "~~log~~.mdb"}));
        return;
    }
    QCOMPARE(saverules::interruptedSaveFiles(left), left);
    mediumcopy::removeInterruptedSave(medium, left);
    QVERIFY2(saverules::isBlankMedium(medium), qPrintable(point));
}

} // namespace

class TestMediumCopy : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pairLandsVerified();
    void recordChangedOnTheMedium();
    void nameReadAsAnotherFolder();
    void killedAtEveryStep();
    void killedPartWayThroughAWrite_data();
    void killedPartWayThroughAWrite();

private:
    // A return big enough to be copied in several pieces, for any medium folder: the log names
    // the file, not its folder.
    WorkingDatabase m_big;
    Pair m_bigPair;
};

void TestMediumCopy::initTestCase() {
    m_bigPair = buildPair(m_big, 8000, QStringLiteral("/media/floppy/12345678.MDB"));
    QVERIFY(QFileInfo(m_bigPair.submission).size() > 2 << 20);
}

void TestMediumCopy::pairLandsVerified() {
    WorkingDatabase db;
    TempFolder medium;
    const QString target = medium.file("12345678.MDB");
    const Pair pair = buildPair(db, 3, target);
    int last = -1;
    mediumcopy::copySubmissionAndLog(pair.submission, pair.log, target, [&](int permille) {
        QVERIFY(permille >= last);
        last = permille;
    });
    QCOMPARE(last, 1000);
    QCOMPARE(entriesIn(medium.path()), QStringList({"12345678.MDB", "~~log~~.mdb"}));
    QVERIFY(pairHolds(target));
}

// The submission read back whole just after its own copy, then changed on the medium while the
// log is copied: the check of the pair finds it, and no submission stays.
void TestMediumCopy::recordChangedOnTheMedium() {
    WorkingDatabase db;
    TempFolder medium;
    const QString target = medium.file("12345678.MDB");
    const Pair pair = buildPair(db, 3, target);
    bool changed = false;
    try {
        mediumcopy::copySubmissionAndLog(pair.submission, pair.log, target, [&](int permille) {
            if (permille > 800 && !changed)
                changed = changeARecord(target + ".part");
        });
        QFAIL("the save did not fail");
    } catch (const EngineError& error) {
        QVERIFY2(error.description().contains("do not agree"), qPrintable(error.description()));
    }
    QVERIFY(changed);
    QCOMPARE(entriesIn(medium.path()), QStringList());
}

// A backslash is no separator to this file system: the files would land beside the folder the
// name means, so the save fails and takes them away again.
void TestMediumCopy::nameReadAsAnotherFolder() {
    WorkingDatabase db;
    TempFolder parent;
    QVERIFY(QDir(parent.path()).mkdir("medium"));
    const QString target = parent.file("medium") + "\\12345678.MDB";
    const Pair pair = buildPair(db, 1, target);
    try {
        mediumcopy::copySubmissionAndLog(pair.submission, pair.log, target);
        QFAIL("the save did not fail");
    } catch (const EngineError& error) {
        QVERIFY2(error.description().contains("is not in the folder"),
                 qPrintable(error.description()));
    }
    QCOMPARE(entriesIn(parent.path()), QStringList{"medium"});
    QCOMPARE(entriesIn(parent.file("medium")), QStringList());
}

void TestMediumCopy::killedAtEveryStep() {
    const Pair& pair = m_bigPair;
    TempFolder first;
    QProcess whole;
    whole.start(helper(), {pair.submission, pair.log, first.file("12345678.MDB")});
    QVERIFY(whole.waitForFinished(60000));
    const QByteArray said = whole.readAll();
    QVERIFY2(said.startsWith("done "), said.constData());
    const int steps = said.mid(5).trimmed().toInt();
    QVERIFY(steps >= 7);
    for (int step = 1; step <= steps; ++step) {
        TempFolder medium;
        const QString target = medium.file("12345678.MDB");
        QProcess copy;
        copy.start(helper(), {pair.submission, pair.log, target, QString::number(step)});
        QVERIFY(copy.waitForReadyRead(60000));
        QCOMPARE(copy.readAll().trimmed(), QByteArray("stopped"));
        copy.kill();
        QVERIFY(copy.waitForFinished(10000));
        checkAfterKill(medium.path(), target, QStringLiteral("step %1").arg(step));
    }
}

void TestMediumCopy::killedPartWayThroughAWrite_data() {
    // How far into the submission's bytes a file of the copy may grow before it is killed.
    QTest::addColumn<int>("percent");
    for (const int percent : {1, 20, 40, 60, 80, 99})
        QTest::newRow(qPrintable(QStringLiteral("killed at %1%").arg(percent))) << percent;
}

void TestMediumCopy::killedPartWayThroughAWrite() {
    QFETCH(int, percent);
    const Pair& pair = m_bigPair;
    TempFolder medium;
    const QString target = medium.file("12345678.MDB");
    const qint64 limit = QFileInfo(pair.submission).size() * percent / 100;
    QProcess copy;
    startLimited(copy, helper(), {pair.submission, pair.log, target}, rlim_t(limit));
    QVERIFY(copy.waitForFinished(60000));
    QCOMPARE(copy.exitStatus(), QProcess::CrashExit);
    checkAfterKill(medium.path(), target, QStringLiteral("limit %1").arg(limit));
}

QTEST_GUILESS_MAIN(TestMediumCopy)
#include "tst_medium_copy.moc"
