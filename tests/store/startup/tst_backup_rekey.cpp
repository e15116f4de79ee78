// The kept backup copies after a password change: each is given the new password through a
// verified copy, and one that cannot be is removed and named. Real encrypted copies in a real
// program folder, and the password change screen driven by key clicks.
#include "gui/startup/password_change_dialog.h"
#include "store/common/database_copy.h"
#include "store/startup/backup_rekey.h"
#include "store/startup/backups.h"
#include "store/startup/run_state.h"
#include "support/scripted_services.h"
#include "support/without_access_override.h"
#include "support/working_database.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <sys/stat.h>

using namespace backups;

namespace {

const QDateTime morning(QDate(2026, 12, 7), QTime(10, 12));
const QString newPassword = QStringLiteral("Ab12");

// 0 when the copy reads back whole with the password, the engine's number otherwise.
int openError(const QString& path, const QString& password) {
    try {
        Database copy = Database::open(path, OpenOptions{password});
        readWhole(copy);
    } catch (const EngineError& error) {
        return error.number();
    }
    return 0;
}

// Every page after the first overwritten: the copy still opens, but its records cannot be read.
void damage(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.size() > 2048);
    QVERIFY(file.seek(1024));
    QVERIFY(file.write(QByteArray(file.size() - 1024, '\x5a')) == file.size() - 1024);
}

// A working database with two records and copies under the default password, another password,
// a damaged one and one without a password.
struct KeptCopies {
    KeptCopies() {
        db.addRecord({"Status=O", "ID=1"});
        db.addRecord({"Status=O", "ID=2"});
        const QString folder = db.folder.path();
        earlier = take(db.state.db(), folder, "qvz", reason::firstLogin, morning);
        other = take(db.state.db(), folder, "Zz99", reason::yearChange, morning.addSecs(60));
        damaged = take(db.state.db(), folder, "qvz", reason::firstLogin, morning.addDays(1));
        plain = take(db.state.db(), folder, QString(), reason::conversion, morning.addSecs(120));
        damage(path(damaged));
    }
    QString path(const QString& name) const { return db.folder.file("backups/" + name); }

    WorkingDatabase db;
    QString earlier;
    QString other;
    QString damaged;
    QString plain;
};

} // namespace

class TestBackupRekey : public QObject {
    Q_OBJECT
private slots:
    void everyCopyTakesTheNewPasswordOrIsRemoved();
    void copiesThatCanNeitherBeRekeyedNorRemovedAreNamed();
    void passwordChangeScreenRekeysTheCopies();
};

void TestBackupRekey::everyCopyTakesTheNewPasswordOrIsRemoved() {
    KeptCopies kept;
    const QByteArray plainBefore = md5OfFile(kept.path(kept.plain));
    QList<std::pair<int, int>> progress;
    const RekeyResult result =
        rekeyAll(kept.db.folder.path(), "qvz", newPassword, [&progress](int done, int total) {
            progress.append({done, total});
        });
    QCOMPARE(result.rekeyed, QStringList{kept.earlier});
    QCOMPARE(result.removed, QStringList({kept.damaged, kept.other}));
    QCOMPARE(result.notRemoved, QStringList());
    const QList<std::pair<int, int>> eachCopy{{1, 4}, {2, 4}, {3, 4}, {4, 4}};
    QCOMPARE(progress, eachCopy);
    QCOMPARE(openError(kept.path(kept.earlier), newPassword), 0);
    QCOMPARE(openError(kept.path(kept.earlier), "qvz"), int(engine::NotValidPassword));
    // A copy taken of a database without a password stays as it was, to be restored and
    // converted as such.
    QCOMPARE(md5OfFile(kept.path(kept.plain)), plainBefore);
    QCOMPARE(entriesIn(kept.db.folder.file("backups")), QStringList({kept.earlier, kept.plain}));
    const QString told = rekeyProblems(result, kept.db.folder.path());
    QVERIFY2(told.contains(kept.damaged) && told.contains(kept.other), qPrintable(told));
    QCOMPARE(rekeyProblems(RekeyResult{{kept.earlier}, {}, {}}, kept.db.folder.path()), QString());
    // A second change from the new password finds the copy under it.
    QCOMPARE(rekeyAll(kept.db.folder.path(), newPassword, "Cd34").rekeyed,
             QStringList{kept.earlier});
    QCOMPARE(openError(kept.path(kept.earlier), "Cd34"), 0);
}

// A folder the copies cannot be written or removed in: every encrypted copy keeps its old key,
// and the user is told which and where.
void TestBackupRekey::copiesThatCanNeitherBeRekeyedNorRemovedAreNamed() {
    KeptCopies kept;
    const QByteArray folder = QFile::encodeName(kept.db.folder.file("backups"));
    chmod(folder.constData(), 0500);
    RekeyResult result;
    {
        const WithoutAccessOverride asAUser;
        result = rekeyAll(kept.db.folder.path(), "qvz", newPassword);
    }
    chmod(folder.constData(), 0700);
    QCOMPARE(result.rekeyed, QStringList());
    QCOMPARE(result.removed, QStringList());
    QCOMPARE(result.notRemoved, QStringList({kept.damaged, kept.other, kept.earlier}));
    QCOMPARE(openError(kept.path(kept.earlier), "qvz"), 0);
    QCOMPARE(entriesIn(kept.db.folder.file("backups")).size(), 4);
    QVERIFY(rekeyProblems(result, kept.db.folder.path())
                .contains(QDir::toNativeSeparators(kept.db.folder.file("backups"))));
}

// Typed as a user types it: afterwards the copy taken before the change and the earlier one open
// with the new password alone, and the one that could not follow is named in the box.
void TestBackupRekey::passwordChangeScreenRekeysTheCopies() {
    KeptCopies kept;
    kept.db.state.login.reset();
    ScriptedServices services;
    services.clock = morning.addDays(2);
    RunState state;
    state.programFolder = kept.db.folder.path();
    PasswordChangeDialog change(state);
    QTest::keyClicks(change.findChild<QLineEdit*>("Text1"), "qvz");
    QTest::keyClicks(change.findChild<QLineEdit*>("Text2"), newPassword);
    QTest::keyClicks(change.findChild<QLineEdit*>("Text3"), newPassword);
    QSignalSpy changed(&change, &PasswordChangeDialog::passwordChanged);
    QTest::mouseClick(change.findChild<QPushButton*>("cmdYes"), Qt::LeftButton);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(services.boxes.size(), 1);
    QCOMPARE(services.boxes[0].kind, platform::BoxKind::Information);
    QVERIFY(services.boxes[0].text.contains(kept.other));
    QVERIFY(services.boxes[0].text.contains(kept.damaged));
    QVERIFY(!services.boxes[0].text.contains(kept.earlier));
    const QString beforeChange = fileName(services.clock, reason::passwordChange);
    QCOMPARE(entriesIn(kept.db.folder.file("backups")),
             QStringList({kept.earlier, kept.plain, beforeChange}));
    for (const QString& name : {kept.earlier, beforeChange}) {
        QCOMPARE(openError(kept.path(name), newPassword), 0);
        QCOMPARE(openError(kept.path(name), "qvz"), int(engine::NotValidPassword));
    }
    for (const char* field : {"Text1", "Text2", "Text3"})
        QCOMPARE(change.findChild<QLineEdit*>(field)->text(), QString());
    QVERIFY(state.login.has_value());
    QCOMPARE(state.loginPassword, newPassword);
}

QTEST_MAIN(TestBackupRekey)
#include "tst_backup_rekey.moc"
