// The question after a backup copy that could not be made: the error box says why, then the
// user decides whether the operation goes on; nothing is left of the copy either way.
#include "gui/startup/backup_prompt.h"
#include "store/startup/backup_guard.h"
#include "store/startup/backups.h"
#include "support/scripted_services.h"
#include "support/without_access_override.h"
#include "support/working_database.h"

#include <QTest>
#include <sys/stat.h>

using namespace backups;

class TestBackupPrompt : public QObject {
    Q_OBJECT
private slots:
    void copyMadeAsksNothing();
    void copyThatCannotBeWrittenLeavesNothingAndAsks_data();
    void copyThatCannotBeWrittenLeavesNothingAndAsks();
};

void TestBackupPrompt::copyMadeAsksNothing() {
    WorkingDatabase db;
    ScriptedServices services;
    QVERIFY(goOnAfterBackup(
        backUpBeforeOperation(db.state.db(), db.folder.path(), "qvz", reason::yearChange)));
    QCOMPARE(services.boxes.size(), 0);
    QCOMPARE(entriesIn(db.folder.file("backups")).size(), 1);
}

void TestBackupPrompt::copyThatCannotBeWrittenLeavesNothingAndAsks_data() {
    QTest::addColumn<bool>("goOn");
    QTest::newRow("answered Yes") << true;
    QTest::newRow("answered No") << false;
}

// A read-only folder for the copies: the error box, then the question; nothing is left.
void TestBackupPrompt::copyThatCannotBeWrittenLeavesNothingAndAsks() {
    QFETCH(bool, goOn);
    WorkingDatabase db;
    ScriptedServices services;
    services.answers = {goOn};
    QVERIFY(QDir(db.folder.path()).mkdir("backups"));
    const QByteArray backupsFolder = QFile::encodeName(db.folder.file("backups"));
    chmod(backupsFolder.constData(), 0500);
    bool answer = false;
    {
        const WithoutAccessOverride asAUser;
        answer = goOnAfterBackup(
            backUpBeforeOperation(db.state.db(), db.folder.path(), "qvz", reason::yearChange));
    }
    chmod(backupsFolder.constData(), 0700);
    QCOMPARE(answer, goOn);
    QCOMPARE(services.boxes.size(), 2);
    QCOMPARE(services.boxes[0].kind, platform::BoxKind::Error);
    QVERIFY(services.boxes[0].text.startsWith("No backup copy of the database could be made: "));
    QCOMPARE(services.boxes[1].text, QString("Do you want to go on without a backup copy?"));
    QCOMPARE(entriesIn(db.folder.file("backups")), QStringList());
}

QTEST_MAIN(TestBackupPrompt)
#include "tst_backup_prompt.moc"
