// The save to the medium without a screen: a real encrypted working database, a real folder as
// the medium, each stage's outcome (which step failed and the words the user is told), the
// progress it reports, and the work files it leaves.
#include "core/common/files.h"
#include "core/submission/log_record.h"
#include "core/submission/save_rules.h"
#include "store/submission/control_list.h"
#include "store/submission/save_flow.h"
#include "store/submission/submission_database.h"
#include "store/submission/verifier.h"
#include "support/submission_setup.h"

#include <QDir>
#include <QTest>

using saveflow::Step;

Q_DECLARE_METATYPE(saveflow::Step)

namespace {

const QStringList workFiles{"TEMP73D.MDB", "TEMP73DC.MDB", "~~log~~.mdb", "_a.txt"};

// The worked example's return for 2002 built in the program folder, and a medium beside it.
struct BuiltReturn {
    explicit BuiltReturn(int records = 3) {
        setEmployer(db, exampleEmployer);
        addExampleRecords(db, records);
        buildSubmission(db.state.db(), db.folder.path(), QStringLiteral("2002"));
    }
    saveflow::SaveSources sources(const QString& target) const {
        return {db.folder.path(), db.folder.file("_a.txt"), target, QDateTime::currentDateTime()};
    }
    QStringList workFilesLeft() const {
        QStringList left;
        for (const QString& name : workFiles)
            if (files::exists(db.folder.path(), name))
                left << name;
        return left;
    }

    WorkingDatabase db;
    TempFolder medium;
};

} // namespace

class TestSaveToMedium : public QObject {
    Q_OBJECT
private slots:
    void wholeSaveOntoTheMedium();
    void failedStep_data();
    void failedStep();
    void whatLiesOnTheMedium_data();
    void whatLiesOnTheMedium();
};

void TestSaveToMedium::wholeSaveOntoTheMedium() {
    BuiltReturn built;
    const QString target = built.medium.file("12345678.MDB");
    QVERIFY(saveflow::checkTarget(target).succeeded());
    QList<int> progress;
    const saveflow::Outcome saved =
        saveflow::writeAndCopy(built.sources(target), [&](int permille) { progress << permille; });
    QVERIFY2(saved.succeeded(), qPrintable(saved.messages.join(" / ")));
    QVERIFY(saved.messages.isEmpty());
    QVERIFY(progress.contains(saveflow::imageDone) && progress.contains(saveflow::logDone));
    QCOMPARE(progress.last(), saveflow::copiesDone);
    QVERIFY(std::is_sorted(progress.begin(), progress.end()));
    QCOMPARE(entriesIn(built.medium.path()), QStringList({"12345678.MDB", "~~log~~.mdb"}));
    for (const SubmissionCheck& check : verifySubmission(target))
        QVERIFY2(check.holds(), qPrintable(check.name));
    const saveflow::ControlListOutcome opened = saveflow::openControlList(target);
    QVERIFY(opened.outcome.succeeded() && opened.list);
    QCOMPARE(opened.list->grandTotal().records, qint64(3));
    saveflow::removeWorkFiles(built.db.folder.path(), built.db.folder.file("_a.txt"));
    QCOMPARE(built.workFilesLeft(), QStringList());
}

enum class Fault {
    TargetFolderMissing,
    ImageFolderMissing,
    LogNameTaken,
    MediumLogNameTaken,
    NothingOnTheMedium
};
Q_DECLARE_METATYPE(Fault)

void TestSaveToMedium::failedStep_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Step>("step");
    QTest::addColumn<QStringList>("messages"); // how each message begins; {medium}, {program}
    QTest::newRow("invalid: the target's folder is missing")
        << Fault::TargetFolderMissing << Step::Target << QStringList{saverules::driveText()};
    QTest::newRow("invalid: the image cannot be written")
        << Fault::ImageFolderMissing << Step::Image
        << QStringList{"", saverules::imageMissingText()};
    QTest::newRow("invalid: the log's name is taken in the program folder")
        << Fault::LogNameTaken << Step::Log << QStringList{""};
    QTest::newRow("invalid: the log's name is taken on the medium")
        << Fault::MediumLogNameTaken << Step::Copy
        << QStringList{"The save to '{medium}/~~log~~.mdb' failed"};
    QTest::newRow("invalid: no copies for the control list")
        << Fault::NothingOnTheMedium << Step::ControlList << QStringList{""};
}

void TestSaveToMedium::failedStep() {
    QFETCH(Fault, fault);
    QFETCH(Step, step);
    QFETCH(QStringList, messages);
    BuiltReturn built;
    QString target = built.medium.file("12345678.MDB");
    saveflow::SaveSources sources = built.sources(target);
    saveflow::Outcome outcome;
    switch (fault) {
    case Fault::TargetFolderMissing:
        outcome = saveflow::checkTarget(built.medium.file("gone/12345678.MDB"));
        break;
    case Fault::ImageFolderMissing:
        sources.imagePath = built.db.folder.file("gone/_a.txt");
        outcome = saveflow::writeAndCopy(sources);
        break;
    case Fault::LogNameTaken:
        QVERIFY(QDir(built.db.folder.path()).mkdir(logFileName));
        outcome = saveflow::writeAndCopy(sources);
        break;
    case Fault::MediumLogNameTaken:
        QVERIFY(QDir(built.medium.path()).mkdir(logFileName));
        outcome = saveflow::writeAndCopy(sources);
        break;
    case Fault::NothingOnTheMedium:
        outcome = saveflow::openControlList(target).outcome;
        break;
    }
    QCOMPARE(outcome.failedStep, std::optional<Step>(step));
    QCOMPARE(outcome.messages.size(), messages.size());
    for (qsizetype n = 0; n < messages.size(); ++n) {
        const QString begins = messages[n].replace("{medium}", built.medium.path());
        QVERIFY2(!outcome.messages[n].isEmpty() && outcome.messages[n].startsWith(begins),
                 qPrintable(outcome.messages[n]));
    }
    // Whatever failed, no submission of that name stays on the medium.
    QVERIFY(!QFileInfo::exists(target));
}

void TestSaveToMedium::whatLiesOnTheMedium_data() {
    QTest::addColumn<QStringList>("onMedium");
    QTest::addColumn<bool>("targetOnMedium");
    QTest::addColumn<bool>("blank");
    QTest::addColumn<QStringList>("leftovers");
    const QStringList none;
    const QStringList interrupted{"12345678.MDB.part", "~~log~~.mdb"};
    QTest::newRow("valid: empty medium") << none << true << true << none;
    QTest::newRow("valid: only a hidden file") << QStringList{".hidden"} << true << true << none;
    QTest::newRow("valid: target elsewhere, medium not blank")
        << QStringList{"letter.txt"} << false << true << none;
    QTest::newRow("invalid: another file") << QStringList{"letter.txt"} << true << false << none;
    QTest::newRow("invalid: what an interrupted save left")
        << interrupted << true << false << interrupted;
}

void TestSaveToMedium::whatLiesOnTheMedium() {
    QFETCH(QStringList, onMedium);
    QFETCH(bool, targetOnMedium);
    QFETCH(bool, blank);
    QFETCH(QStringList, leftovers);
    TempFolder medium;
    TempFolder elsewhere;
    QVERIFY(createFiles(medium.path(), onMedium));
    const QString target = (targetOnMedium ? medium : elsewhere).file("12345678.MDB");
    const saveflow::MediumContents contents = saveflow::inspectMedium(target, medium.path());
    QCOMPARE(contents.blank, blank);
    QCOMPARE(contents.leftovers, leftovers);
    if (leftovers.isEmpty())
        return;
    QVERIFY(saveflow::removeLeftovers(medium.path(), leftovers).succeeded());
    QCOMPARE(entriesIn(medium.path()), QStringList());
    QVERIFY(saveflow::inspectMedium(target, medium.path()).blank);
}

QTEST_GUILESS_MAIN(TestSaveToMedium)
#include "tst_save_to_medium.moc"
