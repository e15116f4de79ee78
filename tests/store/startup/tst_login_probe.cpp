// The login's open of the working database and the run's files set up after it, without a
// screen: a real encrypted database in a real program folder, the right and wrong passwords,
// a file that is no database, and the refusal each failure leads to.
#include "store/common/schema.h"
#include "store/startup/login.h"
#include "store/startup/run_state.h"
#include "store/startup/startup.h"
#include "support/hold_check.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

// A program folder with a fresh working database, not yet logged into.
struct Folder {
    Folder() {
        state.programFolder = folder.path();
        prepareWorkingDatabase(folder.path());
    }
    TempFolder folder;
    RunState state;
};

} // namespace

class TestLoginProbe : public QObject {
    Q_OBJECT
private slots:
    void rightPasswordHoldsTheDatabase();
    void failedOpenLeavesNoConnection_data();
    void failedOpenLeavesNoConnection();
    void refusal_data();
    void refusal();
    void runFilesAreSetUp();
};

void TestLoginProbe::rightPasswordHoldsTheDatabase() {
    Folder run;
    QVERIFY(!logIn(run.state, schema::defaultPassword));
    QVERIFY(run.state.login);
    QCOMPARE(run.state.loginPassword, schema::defaultPassword);
    checkStillHeld(run.state);
    // The password change's open takes the place of the login connection.
    run.state.login.reset();
    QVERIFY(!openWithOldPassword(run.state, schema::defaultPassword));
    QVERIFY(run.state.login);
}

void TestLoginProbe::failedOpenLeavesNoConnection_data() {
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<bool>("forPasswordChange");
    QTest::addColumn<int>("number");
    QTest::newRow("invalid: wrong password") << false << false << int(engine::NotValidPassword);
    QTest::newRow("invalid: wrong old password") << false << true << int(engine::NotValidPassword);
    QTest::newRow("invalid: not a database") << true << false << int(engine::NotValidPassword);
}

void TestLoginProbe::failedOpenLeavesNoConnection() {
    QFETCH(bool, damaged);
    QFETCH(bool, forPasswordChange);
    QFETCH(int, number);
    Folder run;
    if (damaged) {
        QFile file(run.folder.file(schema::workingFile));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(8192, 'x'));
    }
    run.state.loginPassword = QStringLiteral("before");
    const QString password = damaged ? schema::defaultPassword : QStringLiteral("wrong");
    const std::optional<EngineError> failure =
        forPasswordChange ? openWithOldPassword(run.state, password) : logIn(run.state, password);
    QVERIFY(failure);
    QCOMPARE(failure->number(), number);
    QVERIFY(!run.state.login);
    QCOMPARE(run.state.loginPassword, QStringLiteral("before"));
}

void TestLoginProbe::refusal_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("attemptsLeft");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("endsRun");
    const QString again =
        QStringLiteral("Login attempt failed.  Try again?   (Incorrect Password.)");
    QTest::newRow("invalid: wrong password, attempts left")
        << int(engine::NotValidPassword) << 2 << again << false;
    QTest::newRow("invalid: invalid argument, one attempt left")
        << int(engine::InvalidArgument) << 1 << again << false;
    QTest::newRow("boundary: wrong password, none left")
        << int(engine::NotValidPassword) << 0 << "Login failed." << true;
    QTest::newRow("invalid: held by another copy") << int(engine::InUse) << 2 << "in use" << true;
    QTest::newRow("invalid: damaged file") << int(engine::Damaged) << 2 << "damaged 3049" << true;
}

void TestLoginProbe::refusal() {
    QFETCH(int, number);
    QFETCH(int, attemptsLeft);
    QFETCH(QString, message);
    QFETCH(bool, endsRun);
    const QString description = number == engine::InUse ? "in use" : "damaged";
    const LoginRefusal refusal =
        loginRefusal(EngineError(number, description), std::uint8_t(attemptsLeft));
    QCOMPARE(refusal.message, message);
    QCOMPARE(refusal.endsRun, endsRun);
    QCOMPARE(refusal.tryAgain, !endsRun);
}

void TestLoginProbe::runFilesAreSetUp() {
    Folder run;
    const QStringList left{"TEMP73D.MDB", "temp73dc.mdb", "~~log~~.mdb", "_a.txt", "_a.txt.part"};
    QVERIFY(createFiles(run.folder.path(), left));
    setUpRunFiles(run.state);
    QCOMPARE(run.state.imagePath, run.folder.file("_a.txt"));
    QCOMPARE(entriesIn(run.folder.path())
                 .filter(QRegularExpression("TEMP|temp|log|_a\\.txt",
                                            QRegularExpression::CaseInsensitiveOption)),
             QStringList());
}

QTEST_GUILESS_MAIN(TestLoginProbe)
#include "tst_login_probe.moc"
