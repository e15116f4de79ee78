#include "core/common/files.h"
#include "gui/employer/employer_screen.h"
#include "gui/records/record_editor.h"
#include "gui/returns/returns_window.h"
#include "gui/startup/login_dialog.h"
#include "gui/startup/shell.h"
#include "support/return_folders.h"
#include "support/screens.h"
#include "support/scripted_services.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QString unsavedQuestion =
    QStringLiteral("The record has changes that are not saved. Do you want to discard them?");

QTreeWidget* returnList() {
    auto* window = visibleScreen<ReturnsWindow>("fReturns");
    return window ? child<QTreeWidget>(window, "returnList") : nullptr;
}

// The list's rows: name, year, records and state.
QStringList listedRows() {
    QStringList rows;
    QTreeWidget* list = returnList();
    for (int row = 0; list && row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        rows << QStringList{item->text(0), item->text(1), item->text(3), item->text(4),
                            item->text(7)}
                    .join(u'|');
    }
    return rows;
}

void chooseRow(const QString& name) {
    QTreeWidget* list = returnList();
    QVERIFY(list);
    const QList<QTreeWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->setCurrentItem(found.first());
}

QString recordPosition() {
    auto* editor = visibleScreen<RecordEditor>("fXW73D");
    return editor ? child<QLabel>(editor, "lPosition")->text() : QStringLiteral("(no editor)");
}

void triggerMenu(const char* action) {
    auto* editor = visibleScreen<RecordEditor>("fXW73D");
    QVERIFY(editor);
    auto* item = editor->findChild<QAction*>(QLatin1String(action));
    QVERIFY(item);
    item->trigger();
}

} // namespace

class TestReturnsScreen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listOpensOnlyTheChosenReturn();
    void switchAsksAboutUnsavedTypingThenLogsInToTheOther();
    void nextYearLeavesOutWhoLeftWhenAsked();
    void nextYearFromTheListIsMadeAfterTheLogin();
    void newReturnStartsAFirstRunInItsFolder();
    void damagedReturnIsRefusedAndRemoveMovesItAside();

private:
    // Logs in to the return whose login window shows, and goes on to its editor; a submission
    // date, when given, is typed on the employer screen first.
    void logInToEditor(const QString& submissionDate = {});

    std::unique_ptr<TempFolder> m_root;
    QString m_workspace;
    std::unique_ptr<ScriptedServices> m_services;
    std::unique_ptr<RunState> m_state;
    std::unique_ptr<Shell> m_shell;
};

// Two returns of different employers, each with its own records; the list comes first.
void TestReturnsScreen::init() {
    m_root = std::make_unique<TempFolder>();
    m_workspace = m_root->file(QStringLiteral("returns"));
    makeReturn(m_workspace + QStringLiteral("/acme"), QStringLiteral("ACME TRADING LTD"),
               QStringLiteral("2024"), 3);
    makeReturn(m_workspace + QStringLiteral("/beta"), QStringLiteral("BETA LTD"),
               QStringLiteral("2023"), 1);
    m_services = std::make_unique<ScriptedServices>();
    m_state = std::make_unique<RunState>();
    m_shell = std::make_unique<Shell>(*m_state, m_workspace, m_root->file(QStringLiteral("own")));
    m_shell->showReturns();
}

void TestReturnsScreen::cleanup() {
    checkStillHeld(*m_state);
    closeAllScreens();
    m_shell.reset();
    m_state.reset();
    m_services.reset();
    QApplication::setQuitOnLastWindowClosed(true);
}

void TestReturnsScreen::logInToEditor(const QString& submissionDate) {
    QTRY_VERIFY(visibleScreen<LoginDialog>("fLogin"));
    auto* password = child<QLineEdit>(visibleScreen<LoginDialog>("fLogin"), "txtLogin");
    QTest::keyClicks(password, QStringLiteral("qvz"));
    QTest::keyClick(password, Qt::Key_Return);
    auto* employer = visibleScreen<EmployerScreen>("fSubInfo");
    QVERIFY(employer);
    QTest::keyClicks(child<QLineEdit>(employer, "tSubDate"), submissionDate);
    child<QPushButton>(employer, "cContinue")->click();
    QTRY_VERIFY(visibleScreen<RecordEditor>("fXW73D"));
}

void TestReturnsScreen::listOpensOnlyTheChosenReturn() {
    QCOMPARE(listedRows(), QStringList({"acme|ACME TRADING LTD|2024|3|", "beta|BETA LTD|2023|1|"}));
    chooseRow(QStringLiteral("beta"));
    QTest::keyClick(returnList(), Qt::Key_Return);
    QTRY_VERIFY(visibleScreen<LoginDialog>("fLogin"));
    QVERIFY(!visibleScreen<ReturnsWindow>("fReturns"));
    QCOMPARE(visibleScreen<LoginDialog>("fLogin")->windowTitle(),
             QStringLiteral("Login Window \u2014 BETA LTD, 2023"));
    logInToEditor();
    QCOMPARE(recordPosition(), QStringLiteral("Record 1 of 1"));
    QCOMPARE(visibleScreen<RecordEditor>("fXW73D")->windowTitle(),
             QStringLiteral("XW73D 3.4 \u2014 BETA LTD, 2023"));
    QCOMPARE(m_state->programFolder, m_workspace + QStringLiteral("/beta"));
    QVERIFY(!m_services->ended);
}

// No keeps the typing in the return that is open; Yes ends its run as Quit does and logs in to
// the other, whose database the first run no longer holds.
void TestReturnsScreen::switchAsksAboutUnsavedTypingThenLogsInToTheOther() {
    chooseRow(QStringLiteral("beta"));
    child<QPushButton>(visibleScreen<ReturnsWindow>("fReturns"), "cOpenReturn")->click();
    logInToEditor();
    const QString beta = m_workspace + QStringLiteral("/beta");
    QVERIFY(createFiles(beta, {QStringLiteral("TEMP73D.MDB")}));
    for (const bool discard : {false, true}) {
        auto* surname = visibleScreen<RecordEditor>("fXW73D")->findChild<QLineEdit*>(
            QStringLiteral("tPage1(0)"));
        QVERIFY(surname);
        surname->setFocus();
        QTest::keyClicks(surname, QStringLiteral("X"));
        triggerMenu("actionOpenReturn");
        QTRY_VERIFY(returnList());
        QCOMPARE(listedRows().last(), QStringLiteral("beta|BETA LTD|2023|1|open"));
        chooseRow(QStringLiteral("acme"));
        m_services->clear();
        m_services->answers = {discard};
        QTest::keyClick(returnList(), Qt::Key_Return);
        QTRY_COMPARE(m_services->texts(), QStringList{unsavedQuestion});
        QCOMPARE(visibleScreen<RecordEditor>("fXW73D") != nullptr, !discard);
    }
    QTRY_VERIFY(visibleScreen<LoginDialog>("fLogin"));
    QCOMPARE(visibleScreen<LoginDialog>("fLogin")->windowTitle(),
             QStringLiteral("Login Window \u2014 ACME TRADING LTD, 2024"));
    QVERIFY(!m_state->login);
    QVERIFY(!othersAreKeptOut(databasePath(beta, DatabaseFile::Working)));
    QVERIFY(!files::exists(beta, QStringLiteral("temp73d.mdb")));
    QCOMPARE(returnfiles::readSummary(beta).summary->recordCount, 1);
    logInToEditor();
    QCOMPARE(recordPosition(), QStringLiteral("Record 1 of 3"));
    // The return left last is among the recent ones of the File menu, and opens from there.
    auto* recent = visibleScreen<RecordEditor>("fXW73D")->findChild<QMenu*>(
        QStringLiteral("menuRecentReturns"));
    QVERIFY(recent);
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 1);
    QCOMPARE(recent->actions().first()->text(), QDir::toNativeSeparators(beta));
    recent->actions().first()->trigger();
    QTRY_VERIFY(visibleScreen<LoginDialog>("fLogin"));
    QCOMPARE(visibleScreen<LoginDialog>("fLogin")->windowTitle(),
             QStringLiteral("Login Window \u2014 BETA LTD, 2023"));
    QVERIFY(!m_services->ended);
}

// From the editor of a return of three records, one of whom left in the year: the question names
// him, leaving him out gives a return of two records for the next year, which then opens.
void TestReturnsScreen::nextYearLeavesOutWhoLeftWhenAsked() {
    {
        Database acme = Database::open(
            databasePath(m_workspace + QStringLiteral("/acme"), DatabaseFile::Working),
            {.password = schema::defaultPassword});
        acme.exec(QStringLiteral("UPDATE employee SET EDay2 = '30', EMonth2 = '09', EYear2 = "
                                 "'2023', FirstName = 'TAI MAN' WHERE Surname = 'NAME2'"));
    }
    chooseRow(QStringLiteral("acme"));
    QTest::keyClick(returnList(), Qt::Key_Return);
    logInToEditor();
    m_services->clear();
    m_services->choiceAnswers = {0};
    m_services->textAnswers = {QStringLiteral("acme next")};
    m_services->answers = {true};
    triggerMenu("actionNextYear");
    QCOMPARE(m_services->questions.size(), 2);
    QVERIFY(m_services->questions.first().contains(QStringLiteral("NAME2, TAI MAN")));
    QVERIFY(m_services->questions.first().contains(QStringLiteral("Leave them out")));
    QCOMPARE(m_services->texts(),
             QStringList{QStringLiteral("Next year's return 'acme next' (2025) has been made with "
                                        "2 record(s). Open it now?")});
    QTRY_VERIFY(visibleScreen<LoginDialog>("fLogin"));
    QCOMPARE(visibleScreen<LoginDialog>("fLogin")->windowTitle(),
             QStringLiteral("Login Window \u2014 ACME TRADING LTD, 2025"));
    // Next year's return asks for its own date of submission.
    logInToEditor(QStringLiteral("31032025"));
    QCOMPARE(recordPosition(), QStringLiteral("Record 1 of 2"));
    QCOMPARE(m_state->programFolder, m_workspace + QStringLiteral("/acme next"));
}

// The list cannot read a return's records: it logs in first and then asks as the editor does.
// Carried over, every record goes; not opened, the employer screen of the source stays.
void TestReturnsScreen::nextYearFromTheListIsMadeAfterTheLogin() {
    {
        Database acme = Database::open(
            databasePath(m_workspace + QStringLiteral("/acme"), DatabaseFile::Working),
            {.password = schema::defaultPassword});
        acme.exec(QStringLiteral("UPDATE employee SET EDay2 = '01', EMonth2 = '05', EYear2 = "
                                 "'2023' WHERE Surname = 'NAME1'"));
    }
    chooseRow(QStringLiteral("acme"));
    m_services->choiceAnswers = {1};
    m_services->textAnswers = {QStringLiteral("acme carried")};
    m_services->answers = {false};
    child<QPushButton>(visibleScreen<ReturnsWindow>("fReturns"), "cNextYear")->click();
    QTRY_VERIFY(visibleScreen<LoginDialog>("fLogin"));
    auto* password = child<QLineEdit>(visibleScreen<LoginDialog>("fLogin"), "txtLogin");
    QTest::keyClicks(password, QStringLiteral("qvz"));
    QTest::keyClick(password, Qt::Key_Return);
    QTRY_COMPARE(m_services->texts().size(), 1);
    QVERIFY(m_services->questions.first().contains(QStringLiteral("NAME1")));
    QCOMPARE(returnfiles::readSummary(m_workspace + QStringLiteral("/acme carried"))
                 .summary->recordCount,
             3);
    QVERIFY(visibleScreen<EmployerScreen>("fSubInfo"));
    QCOMPARE(m_state->programFolder, m_workspace + QStringLiteral("/acme"));
}

// A name cancelled leads back to the list; a name taken is refused; a new one starts the first
// run in its folder.
void TestReturnsScreen::newReturnStartsAFirstRunInItsFolder() {
    QPointer<ReturnsWindow> first = visibleScreen<ReturnsWindow>("fReturns");
    child<QPushButton>(first, "cNewReturn")->click();
    QTRY_VERIFY(first.isNull());
    QTRY_VERIFY(returnList());
    QCOMPARE(m_services->questions.size(), 1);
    m_services->textAnswers = {QStringLiteral("acme"), QStringLiteral("gamma")};
    child<QPushButton>(visibleScreen<ReturnsWindow>("fReturns"), "cNewReturn")->click();
    QTRY_VERIFY(visibleScreen<EmployerScreen>("fSubInfo"));
    QCOMPARE(m_services->texts(),
             QStringList{QStringLiteral(
                 "A return named 'acme' is in the list already. Please choose another name.")});
    QCOMPARE(m_state->programFolder, m_workspace + QStringLiteral("/gamma"));
    QVERIFY(m_state->madeWorkingDatabase);
    QVERIFY(files::exists(m_state->programFolder, schema::workingFile));
}

void TestReturnsScreen::damagedReturnIsRefusedAndRemoveMovesItAside() {
    QFile(databasePath(m_workspace + QStringLiteral("/beta"), DatabaseFile::Working)).resize(100);
    closeAllScreens();
    m_shell->showReturns();
    QCOMPARE(listedRows().last(), QStringLiteral("beta|BETA LTD|2023|1|damaged"));
    chooseRow(QStringLiteral("beta"));
    QTest::keyClick(returnList(), Qt::Key_Return);
    QCOMPARE(m_services->lastText(), QStringLiteral("The return 'beta' is damaged: its database is "
                                                    "missing or cut short, or its summary cannot "
                                                    "be read."));
    QVERIFY(returnList());
    m_services->answers = {true};
    child<QPushButton>(visibleScreen<ReturnsWindow>("fReturns"), "cRemoveReturn")->click();
    QCOMPARE(listedRows(), QStringList{"acme|ACME TRADING LTD|2024|3|"});
    QVERIFY(QFileInfo::exists(m_workspace + QStringLiteral("/removed/beta/xw73d.mdb")));
    child<QPushButton>(visibleScreen<ReturnsWindow>("fReturns"), "cOpenReturn")->click();
    QTRY_VERIFY(visibleScreen<LoginDialog>("fLogin"));
}

QTEST_MAIN(TestReturnsScreen)
#include "tst_returns_screen.moc"
