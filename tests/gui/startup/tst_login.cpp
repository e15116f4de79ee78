#include "gui/employer/employer_screen.h"
#include "gui/records/record_editor.h"
#include "gui/startup/login_dialog.h"
#include "gui/startup/password_change_dialog.h"
#include "gui/startup/shell.h"
#include "gui/widgets/field_edit.h"
#include "store/common/rows.h"
#include "store/common/schema.h"
#include "store/records/working_indexes.h"
#include "store/returns/summary_file.h"
#include "store/startup/backups.h"
#include "store/startup/run_state.h"
#include "store/startup/startup.h"
#include "support/file_size_limit.h"
#include "support/program_run.h"
#include "support/screens.h"
#include "support/scripted_services.h"
#include "support/temp_folder.h"
#include "support/working_database.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

const QString retry = QStringLiteral("Login attempt failed.  Try again?   (Incorrect Password.)");
const QString tooShort =
    QStringLiteral("New password is too short.  Please type as least three characters!");
const QString invalid =
    QStringLiteral("Password contains invalid characters.  Please retype new password.");
const QString notMatched =
    QStringLiteral("New password is not matched.  Please retype new password!");
const QString oldNotMatched =
    QStringLiteral("Old password is not matched.  Please retype old password!");

void createDatabase(const QString& folder) {
    QCOMPARE(prepareWorkingDatabase(folder), StartupPath::Created);
}

// The program folder of a later run that brings none: the working database already exists.
struct OwnFolder {
    explicit OwnFolder(bool used) {
        if (used)
            createDatabase(own.path());
    }
    TempFolder own;
};

// One run of the program up to the employer screen. Without a folder it is a later run: the
// working database already exists, in a program folder of the run's own.
struct Run : OwnFolder, ProgramRun {
    explicit Run(const QString& folder = QString())
        : OwnFolder(folder.isEmpty())
        , ProgramRun(folder.isEmpty() ? own.path() : folder) {}
    LoginDialog* login() const { return visibleScreen<LoginDialog>("fLogin"); }
    PasswordChangeDialog* change() const { return visibleScreen<PasswordChangeDialog>("fChgPwd"); }
    bool atEmployerScreen() const { return visibleScreen<QWidget>("fSubInfo") != nullptr; }

    // Opens the password change screen if needed and types the three passwords.
    PasswordChangeDialog* typeChange(const QString& old, const QString& fresh,
                                     const QString& retyped) {
        if (!change())
            child<QPushButton>(login(), "cmdChange")->click();
        PasswordChangeDialog* screen = change();
        QTest::keyClicks(child<QLineEdit>(screen, "Text1"), old);
        QTest::keyClicks(child<QLineEdit>(screen, "Text2"), fresh);
        QTest::keyClicks(child<QLineEdit>(screen, "Text3"), retyped);
        return screen;
    }

    void typePassword(const QString& password) {
        QTest::keyClicks(child<QLineEdit>(login(), "txtLogin"), password);
        QTest::keyClick(child<QLineEdit>(login(), "txtLogin"), Qt::Key_Return);
    }
};

int openError(const QString& path, const std::optional<QString>& password) {
    try {
        Database db = Database::open(path, OpenOptions{password});
        db.exec(QStringLiteral("select count(*) from employee"));
    } catch (const EngineError& error) {
        return error.number();
    }
    return 0;
}

int recordCount(const QString& path, const QString& password) {
    Database db = Database::open(path, OpenOptions{password});
    Statement count = db.prepare(QStringLiteral("select count(*) from employee"));
    count.next();
    return count.value(0).toInt();
}

// Types valid common data into the employer screen and continues to the editor.
void enterCommonData(EmployerScreen* employer) {
    QVERIFY(activate(employer));
    const auto type = [employer](const char* field, const QString& text) {
        QTest::keyClicks(child<QLineEdit>(employer, field), text);
    };
    type("tReturnYear", QStringLiteral("2001"));
    type("tSession", QStringLiteral("a"));
    type("tBRN", QStringLiteral("123"));
    type("tName", QStringLiteral("ACME LIMITED"));
    type("tSubDate", QStringLiteral("01052001"));
    type("tDesignation", QStringLiteral("Manager"));
    QTest::keyClick(child<QLineEdit>(employer, "tDesignation"), Qt::Key_Return);
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void firstRunEntersWithoutTypingAndGoesOnToTheEditor();
    void laterRunWaitsForThePassword();
    void damagedRecordsAreReportedWithTheirDescription();
    void quitLeavesNothingBesideTheDatabase();
    void threeWrongPasswordsEndTheRun();
    void databaseTakenByAnotherCopyIsSaidInWords();
    void quitEndsAtOnce_data();
    void quitEndsAtOnce();
    void wholePagesOfNoiseReadAsAnotherPassword();
    void refusedNewPasswords_data();
    void refusedNewPasswords();
    void changedPasswordIsNeededNextTime();
    void passwordChangeOnAFullDiskLeavesTheFileAsItWas();
    void passwordChangeOnADatabaseWithoutPasswordSetsIt();
    void twoRefusalsThenTheEnd();
    void declineReturnsToAFreshLogin();
    void passwordFieldsLimitAndHideTheirText();
    void defaultPasswordIsToldUntilChanged_data();
    void defaultPasswordIsToldUntilChanged();
};

// The first run asks no password: the employer screen comes up, and its common data lead on to
// the record editor.
void TestLogin::firstRunEntersWithoutTypingAndGoesOnToTheEditor() {
    TempFolder folder;
    Run run(folder.path());
    QVERIFY(run.services.boxes.isEmpty());
    QVERIFY(run.state.login.has_value());
    QCOMPARE(run.login(), nullptr);
    auto* employer = visibleScreen<EmployerScreen>("fSubInfo");
    QVERIFY(employer);
    QCOMPARE(employer->windowTitle(), QStringLiteral("Common data for XW73D records"));
    enterCommonData(employer);
    QCOMPARE(run.services.texts(), QStringList{"No record found. Please add new record!"});
    auto* editor = visibleScreen<RecordEditor>("fXW73D");
    QVERIFY(editor);
    QVERIFY(!employer->isVisible());
    QCOMPARE(editor->employer().returnYear, QStringLiteral("2001"));
    const QPointer<EmployerScreen> employerLeft(employer);
    editor->close();
    QTRY_VERIFY(employerLeft.isNull()); // the hidden employer screen goes with the editor
    QVERIFY(!run.services.ended);
}

void TestLogin::laterRunWaitsForThePassword() {
    Run run;
    QVERIFY(run.login());
    QCOMPARE(run.login()->windowTitle(), QStringLiteral("Login Window"));
    QVERIFY(child<QLineEdit>(run.login(), "txtLogin")->text().isEmpty());
    QVERIFY(activate(run.login()));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(run.login(), "txtLogin"));
    run.typePassword(QStringLiteral("qvz"));
    QVERIFY(run.services.boxes.isEmpty());
    QVERIFY(run.atEmployerScreen());
    QVERIFY(run.state.login.has_value());
}

// A damaged page among the records is found when it is read: the first login's backup copy
// reads every page, and the user may go on without it; the editor opens from the name index,
// and the sort, which reads every record, stops at the damage. Each error box names the damage,
// and the damaged pages are left as they were.
void TestLogin::damagedRecordsAreReportedWithTheirDescription() {
    TempFolder folder;
    createDatabase(folder.path());
    const QString path = folder.file(schema::workingFile);
    const auto withDatabase = [&path](const std::function<void(Database&)>& work) {
        Database db = Database::open(path, OpenOptions{schema::defaultPassword});
        work(db);
    };
    // The name index made after the records, so that its pages follow theirs in the file and
    // the damage in the middle falls on records alone.
    withDatabase([](Database& db) { db.exec(QStringLiteral("DROP INDEX employee_by_name")); });
    addRecords(folder.path(), 2000, schema::defaultPassword);
    withDatabase([](Database& db) { addWorkingIndexes(db); });
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(file.size() / 2);
        file.write(QByteArray(2000, '\x5a'));
    }
    Run run(folder.path());
    run.services.answers = {true}; // the first login's backup copy fails on the damage: go on
    run.typePassword(QStringLiteral("qvz"));
    auto* employer = visibleScreen<EmployerScreen>("fSubInfo");
    QVERIFY(employer);
    QVERIFY2(run.services.texts().value(0).contains(QStringLiteral("is damaged")),
             qPrintable(run.services.texts().join(u'|')));
    enterCommonData(employer);
    QVERIFY(!run.services.ended); // the editor reads the name index only, which is whole
    visibleScreen<RecordEditor>("fXW73D")->findChild<QPushButton*>("cSort")->click();
    QCOMPARE(run.services.texts().size(), 3);
    QVERIFY2(run.services.lastText().contains(QStringLiteral("is damaged")),
             qPrintable(run.services.lastText()));
    QVERIFY(!run.services.ended); // the sort stops and leaves every record as it was
    // The save sorts first, and stops there with the sort's error alone.
    run.services.answers = {true};
    visibleScreen<RecordEditor>("fXW73D")->findChild<QPushButton*>("cSaveFloppy")->click();
    QCOMPARE(run.services.texts().size(), 5);
    QVERIFY2(run.services.lastText().contains(QStringLiteral("is damaged")),
             qPrintable(run.services.lastText()));
    QVERIFY(!visibleScreen<QWidget>("fSave"));
    const QByteArray bytes = readInAnotherProcess(path); // this run still holds the file
    QCOMPARE(bytes.mid(bytes.size() / 2, 2000), QByteArray(2000, '\x5a')); // not written over
}

// The engine's journal goes with the login connection, which every end of the run closes; the
// run leaves only the summary that the list of returns reads, with the employer just entered.
void TestLogin::quitLeavesNothingBesideTheDatabase() {
    TempFolder folder;
    Run run(folder.path());
    enterCommonData(visibleScreen<EmployerScreen>("fSubInfo"));
    auto* editor = visibleScreen<RecordEditor>("fXW73D");
    QVERIFY(editor);
    run.services.answers = {true}; // Cancel in the empty database: Yes, quit
    child<QPushButton>(editor, "cExit")->click();
    QVERIFY(run.services.ended);
    QCOMPARE(entriesIn(folder.path()),
             QStringList({"backups", returnfiles::summaryFileName, schema::workingFile}));
    const returnfiles::SummaryRead summary = returnfiles::readSummary(folder.path());
    QVERIFY(summary.summary);
    QCOMPARE(summary.summary->employerName + u' ' + summary.summary->returnYear,
             QStringLiteral("ACME LIMITED 2001"));
}

void TestLogin::threeWrongPasswordsEndTheRun() {
    Run run;
    run.typePassword(QStringLiteral("abc"));
    QCOMPARE(run.services.texts(), QStringList{retry});
    QCOMPARE(run.services.boxes.last().title, QStringLiteral("Error"));
    QCOMPARE(run.services.beeps, 1);
    QVERIFY(child<QLineEdit>(run.login(), "txtLogin")->text().isEmpty());
    QVERIFY(!run.services.ended);
    run.typePassword(QStringLiteral("QVZ"));
    QCOMPARE(run.services.texts(), (QStringList{retry, retry}));
    run.typePassword(QStringLiteral("qvz "));
    QCOMPARE(run.services.texts(), (QStringList{retry, retry, QStringLiteral("Login failed.")}));
    QVERIFY(run.services.ended);
    QVERIFY(!run.state.login.has_value());
}

// Another copy of the program opens the database while this one waits at the login screen: the
// login says so in words, without the engine's number.
void TestLogin::databaseTakenByAnotherCopyIsSaidInWords() {
    Run run;
    QVERIFY(run.login());
    QProcess holder;
    holder.start(QCoreApplication::applicationDirPath() + "/hold_database",
                 {run.own.file(schema::workingFile), QStringLiteral("qvz")});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("open"));
    run.typePassword(QStringLiteral("qvz"));
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(run.services.boxes.size(), 1);
    QVERIFY2(run.services.lastText().contains("in use by another copy of the program"),
             qPrintable(run.services.lastText()));
    QVERIFY2(!run.services.lastText().contains(QString::number(engine::InUse)),
             qPrintable(run.services.lastText()));
    QVERIFY(run.services.ended);
}

void TestLogin::quitEndsAtOnce_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Alt+Q") << false;
    QTest::newRow("Escape") << true;
}

void TestLogin::quitEndsAtOnce() {
    QFETCH(bool, escape);
    Run run;
    QVERIFY(activate(run.login()));
    if (escape)
        QTest::keyClick(child<QLineEdit>(run.login(), "txtLogin"), Qt::Key_Escape);
    else
        QTest::keyClick(run.login(), Qt::Key_Q, Qt::AltModifier);
    QTRY_VERIFY(run.services.ended); // a mnemonic clicks the button after a short animation
    QCOMPARE(run.services.exitCode, 0);
    QVERIFY(run.services.boxes.isEmpty());
}

void TestLogin::wholePagesOfNoiseReadAsAnotherPassword() {
    TempFolder folder;
    {
        QFile file(folder.file(schema::workingFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x5a')); // cannot be told from a file with another password
    }
    Run run(folder.path());
    QVERIFY(run.login());
    run.typePassword(QStringLiteral("qvz"));
    QCOMPARE(run.services.texts(), QStringList{retry});
    QVERIFY(!run.services.ended);
}

// A refusal empties the new password twice, and the old one too when that was wrong; the
// focus goes to the first emptied field and the password stays as it was.
void TestLogin::refusedNewPasswords_data() {
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("retyped");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const char* fresh, const char* retyped,
                        const QString& message, const char* old = "qvz") {
        QTest::newRow(name) << old << fresh << retyped << message;
    };
    row("two characters", "ab", "ab", tooShort);
    row("empty", "", "", tooShort);
    row("space", "ab cd", "ab cd", invalid);
    row("hyphen", "ab-cd", "ab-cd", invalid);
    row("other case retyped", "Ab12", "ab12", notMatched);
    row("retyped shorter", "abcd", "abc", notMatched);
    row("wrong old password", "abcd", "abcd", oldNotMatched, "xyz");
}

void TestLogin::refusedNewPasswords() {
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, retyped);
    QFETCH(QString, message);
    Run run;
    child<QPushButton>(run.login(), "cmdChange")->click();
    PasswordChangeDialog* change = run.change();
    QVERIFY(change);
    QCOMPARE(change->windowTitle(), QStringLiteral("Change of Password"));
    run.typeChange(oldPassword, newPassword, retyped);
    QVERIFY(activate(change));
    QTest::keyClick(child<QLineEdit>(change, "Text3"), Qt::Key_Return);
    QCOMPARE(run.services.texts(), QStringList{message});
    const bool oldWrong = message == oldNotMatched;
    QCOMPARE(child<QLineEdit>(change, "Text1")->text(), oldWrong ? QString() : oldPassword);
    QVERIFY(child<QLineEdit>(change, "Text2")->text().isEmpty());
    QVERIFY(child<QLineEdit>(change, "Text3")->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(),
             oldWrong ? child<QLineEdit>(change, "Text1") : child<QLineEdit>(change, "Text2"));
    run.state.login.reset();
    QCOMPARE(prepareWorkingDatabase(run.own.path()), StartupPath::PasswordProtected);
    Database::open(run.own.file(schema::workingFile),
                   OpenOptions{.password = QStringLiteral("qvz")});
}

void TestLogin::changedPasswordIsNeededNextTime() {
    TempFolder folder;
    createDatabase(folder.path());
    {
        Run run(folder.path());
        PasswordChangeDialog* change =
            run.typeChange(QStringLiteral("qvz"), QStringLiteral("Ab12"), QStringLiteral("Ab12"));
        QTest::keyClick(child<QLineEdit>(change, "Text3"), Qt::Key_Return);
        QVERIFY(run.services.boxes.isEmpty());
        QVERIFY(run.atEmployerScreen());
        QVERIFY(run.state.login.has_value());
    }
    Run next(folder.path());
    next.typePassword(QStringLiteral("qvz"));
    QCOMPARE(next.services.texts(), QStringList{retry});
    next.typePassword(QStringLiteral("Ab12"));
    QVERIFY(next.atEmployerScreen());
}

// The re-encrypted database does not fit beside the old one: the change is refused with the
// reason, the file is byte for byte what it was, and the run goes on with the old password.
void TestLogin::passwordChangeOnAFullDiskLeavesTheFileAsItWas() {
    TempFolder folder;
    createDatabase(folder.path());
    addRecords(folder.path(), 200, schema::defaultPassword);
    const QString path = folder.file(schema::workingFile);
    const QByteArray before = md5OfFile(path);
    Run run(folder.path());
    PasswordChangeDialog* change =
        run.typeChange(QStringLiteral("qvz"), QStringLiteral("abc123"), QStringLiteral("abc123"));
    run.services.answers = {true}; // the backup copy does not fit either: go on without it
    {
        const FileSizeLimit full(QFileInfo(path).size() / 2);
        child<QPushButton>(change, "cmdYes")->click();
    }
    QCOMPARE(run.services.texts().size(), 3);
    QVERIFY(run.services.lastText().contains(QStringLiteral("not enough space")));
    QVERIFY(run.services.lastText().endsWith(QStringLiteral("The password has not been changed.")));
    QVERIFY(run.change());
    QVERIFY(!run.atEmployerScreen());
    QCOMPARE(entriesIn(folder.path()), QStringList({"backups", schema::workingFile}));
    QCOMPARE(entriesIn(folder.file("backups")), QStringList());
    run.state.login.reset();
    QCOMPARE(md5OfFile(path), before);
    QCOMPARE(recordCount(path, QStringLiteral("qvz")), 201);
    QCOMPARE(openError(path, QStringLiteral("abc123")), int(engine::NotValidPassword));
}

// A database left without a password gets the new one: afterwards it opens with it alone.
void TestLogin::passwordChangeOnADatabaseWithoutPasswordSetsIt() {
    TempFolder folder;
    {
        Database db = Database::create(folder.file(schema::workingFile), workingFormat, {});
        db.exec(createTableSql(table::employer, employerColumns()));
        db.exec(createTableSql(table::employee, employeeColumns()));
    }
    addRecords(folder.path(), 3, std::nullopt);
    ScriptedServices services;
    RunState state;
    state.programFolder = folder.path();
    PasswordChangeDialog change(state);
    QTest::keyClicks(child<QLineEdit>(&change, "Text1"), QStringLiteral("qvz"));
    QTest::keyClicks(child<QLineEdit>(&change, "Text2"), QStringLiteral("Ab12"));
    QTest::keyClicks(child<QLineEdit>(&change, "Text3"), QStringLiteral("Ab12"));
    QSignalSpy changed(&change, &PasswordChangeDialog::passwordChanged);
    child<QPushButton>(&change, "cmdYes")->click();
    QVERIFY(services.boxes.isEmpty());
    QCOMPARE(changed.size(), 1);
    state.login.reset();
    const QString path = folder.file(schema::workingFile);
    QCOMPARE(openError(path, std::nullopt), int(engine::NotValidPassword));
    QCOMPARE(openError(path, QStringLiteral("qvz")), int(engine::NotValidPassword));
    QCOMPARE(recordCount(path, QStringLiteral("Ab12")), 3);
    QCOMPARE(entriesIn(folder.path()), QStringList({"backups", schema::workingFile}));
    // The copy taken before the change has no password, as the file had none then.
    const QList<backups::Backup> copies = backups::list(folder.path(), {QString()});
    QCOMPARE(copies.size(), qsizetype(1));
    QCOMPARE(copies.first().reason, backups::reason::passwordChange);
    QCOMPARE(copies.first().records, std::optional<qint64>(3));
}

void TestLogin::twoRefusalsThenTheEnd() {
    Run run;
    child<QPushButton>(run.login(), "cmdChange")->click();
    PasswordChangeDialog* change = run.change();
    QTest::keyClicks(child<QLineEdit>(change, "Text1"), QStringLiteral("qvz"));
    child<QPushButton>(change, "cmdYes")->click(); // too short
    run.typeChange(QStringLiteral("wrong"), QStringLiteral("abcd"), QStringLiteral("abcd"));
    child<QPushButton>(change, "cmdYes")->click(); // old password wrong
    QVERIFY(!run.services.ended);
    run.typeChange(QStringLiteral("qvz"), QStringLiteral("abcd"), QStringLiteral("abcd"));
    child<QPushButton>(change, "cmdYes")->click();
    QCOMPARE(run.services.texts(),
             (QStringList{tooShort, oldNotMatched, QStringLiteral("Change password failed.")}));
    QVERIFY(run.services.ended);
    run.state.login.reset();
    Database::open(run.own.file(schema::workingFile),
                   OpenOptions{.password = QStringLiteral("qvz")});
}

void TestLogin::declineReturnsToAFreshLogin() {
    Run run;
    run.typePassword(QStringLiteral("bad"));
    run.typePassword(QStringLiteral("bad"));
    child<QPushButton>(run.login(), "cmdChange")->click();
    QVERIFY(run.change());
    QVERIFY(activate(run.change()));
    QTest::keyClick(run.change(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(run.change(), nullptr);
    QVERIFY(run.login());
    // A fresh login screen has three attempts again.
    run.typePassword(QStringLiteral("bad"));
    run.typePassword(QStringLiteral("bad"));
    QVERIFY(!run.services.ended);
    run.typePassword(QStringLiteral("qvz"));
    QVERIFY(run.atEmployerScreen());
}

// The login field takes ten characters, the password change fields eight; all show asterisks.
void TestLogin::passwordFieldsLimitAndHideTheirText() {
    Run run;
    QTest::keyClicks(child<QLineEdit>(run.login(), "txtLogin"), QStringLiteral("abcdefghijkl"));
    QCOMPARE(child<QLineEdit>(run.login(), "txtLogin")->text(), QStringLiteral("abcdefghij"));
    QCOMPARE(child<QLineEdit>(run.login(), "txtLogin")->displayText(), QString(10, u'*'));
    child<QPushButton>(run.login(), "cmdChange")->click();
    for (QLineEdit* field :
         {child<QLineEdit>(run.change(), "Text1"), child<QLineEdit>(run.change(), "Text2"),
          child<QLineEdit>(run.change(), "Text3")}) {
        QTest::keyClicks(field, QStringLiteral("123456789"));
        QCOMPARE(field->text(), QStringLiteral("12345678"));
        QCOMPARE(field->displayText(), QString(8, u'*'));
    }
}

void TestLogin::defaultPasswordIsToldUntilChanged_data() {
    QTest::addColumn<bool>("firstStart");
    QTest::addColumn<QString>("newPassword"); // changed to at the login; none keeps the default
    QTest::addColumn<bool>("note");           // on the employer screen
    QTest::addColumn<bool>("line");           // in the record editor
    QTest::newRow("first start") << true << QString() << true << true;
    QTest::newRow("later start with the default password") << false << QString() << false << true;
    QTest::newRow("later start, password changed")
        << false << QStringLiteral("Ab12") << false << false;
}

// The first start enters with the default password by itself: the employer screen says so in a
// note that waits for no key, and the editor keeps saying so while that password is in use.
void TestLogin::defaultPasswordIsToldUntilChanged() {
    QFETCH(bool, firstStart);
    QFETCH(QString, newPassword);
    QFETCH(bool, note);
    QFETCH(bool, line);
    TempFolder folder;
    if (!firstStart)
        createDatabase(folder.path());
    Run run(folder.path());
    if (!firstStart && newPassword.isEmpty())
        run.typePassword(schema::defaultPassword);
    if (!newPassword.isEmpty())
        QTest::keyClick(
            child<QLineEdit>(run.typeChange(schema::defaultPassword, newPassword, newPassword),
                             "Text3"),
            Qt::Key_Return);
    QVERIFY(run.services.boxes.isEmpty());
    auto* employer = visibleScreen<EmployerScreen>("fSubInfo");
    QVERIFY(employer);
    const auto* shownNote = child<QLabel>(employer, "lblDefaultPassword");
    QCOMPARE(shownNote && shownNote->isVisible(), note);
    if (note)
        for (const char* told : {"\"qvz\"", "Change Password", "login screen"})
            QVERIFY2(shownNote->text().contains(QLatin1String(told)), told);
    enterCommonData(employer);
    auto* editor = visibleScreen<RecordEditor>("fXW73D");
    QVERIFY(editor);
    const auto* shownLine = child<QLabel>(editor, "lblDefaultPasswordInUse");
    QCOMPARE(shownLine && shownLine->isVisible(), line);
    if (line)
        QVERIFY(shownLine->text().contains(QStringLiteral("\"qvz\"")));
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
