#include "gui/employer/employer_screen.h"
#include "gui/widgets/field_edit.h"
#include "store/startup/backups.h"
#include "support/file_size_limit.h"
#include "support/screens.h"
#include "support/scripted_services.h"
#include "support/typing.h"
#include "support/working_database.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <memory>
#include <optional>
#include <tuple>

namespace {

const QString yearQuestion = QStringLiteral(
    "WARNING!  Amendment of the Year Field will DELETE ALL the inputted data (including "
    "particulars of income, place of residence provided and overseas income etc.) in Page 2, 3 "
    "and 4 automatically.\r\rRemember to delete records of employees that are not required.  Do "
    "you want to proceed?");
const QString missingData =
    QStringLiteral("Please enter all common data before continue to next screen.");
const QString diskFull =
    QStringLiteral("There is not enough space on the disk to write 'xw73d.mdb'.");
const QString badFileNumber = QStringLiteral("' is not a valid file number. Please enter again!");
const QChar chen(0x9673); // a Chinese character, two bytes in the code page

// Version, year, section, file number, name, designation, date of submission.
const RowValues completeEmployer{"3.4e",    "2001",    "B", "00000123", "ACME TRADING LTD",
                                 "Manager", "01052001"};

// An employee row with a value in every column; the placeholder has no ID.
RowValues filledEmployee(const QString& status, int id) {
    RowValues row;
    for (const ColumnDef& column : employeeColumns())
        row << (column.type == ColumnType::Byte   ? QVariant(1)
                : column.type == ColumnType::Text ? QVariant(QString::number(id))
                : status == u"H"                  ? QVariant()
                                                  : QVariant(id));
    row[columnIndex(employeeColumns(), QStringLiteral("Status"))] = status;
    return row;
}

// The employer screen over a fresh working database, logged in as the program does.
struct Screen {
    explicit Screen(const RowValues& employer = {}) {
        if (!employer.isEmpty())
            updateRow(db(), table::employer, employerColumns(), 1, employer);
        screen = std::make_unique<EmployerScreen>(data.state);
    }
    bool open() {
        if (!screen->load())
            return false;
        screen->show();
        return activate(screen.get());
    }
    Database& db() { return data.state.db(); }
    RowValues employer() { return tableRows(db(), table::employer, employerColumns()).value(0); }
    QList<RowValues> employees() { return tableRows(db(), table::employee, employeeColumns()); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    FieldEdit* field(const QString& name) const { return screen->findChild<FieldEdit*>(name); }
    QPushButton* button(const QString& name) const { return screen->findChild<QPushButton*>(name); }

    ScriptedServices services;
    WorkingDatabase data;
    std::unique_ptr<EmployerScreen> screen;
};

// The columns of the tables, named where they are taken apart.
using KeyCase = std::tuple<QString, QString, bool, QString, QString, int>;
using LeaveCase = std::tuple<QString, QString, bool, QString, QString, QString>;
using ContinueCase = std::tuple<QString, QString, QString, bool, QString, QString>;
using YearCase = std::tuple<bool, bool, QStringList, QString>;

} // namespace

class TestEmployerScreen : public QObject {
    Q_OBJECT
private slots:
    void loadShowsTheRowAndClearsTheWorkFiles();
    void loadFailureIsShownAndCloses();
    void keysReachTheRules_data();
    void keysReachTheRules();
    void fullFieldsAreTypedOver_data();
    void fullFieldsAreTypedOver();
    void leaveChecks_data();
    void leaveChecks();
    void yearChange_data();
    void yearChange();
    void continueChecksAndSaves_data();
    void continueChecksAndSaves();
    void clickOnContinueAfterARefusalShowsOneMessage();
    void quitWritesNothing();
    void restoreBringsBackWhatAYearChangeCleared();
};

// Loading clears the work files and shows the employer row in fields that keep their captions,
// lengths and tab order.
void TestEmployerScreen::loadShowsTheRowAndClearsTheWorkFiles() {
    Screen s(completeEmployer);
    const QStringList leftOver{"TEMP73D.MDB", "temp73dc.mdb-journal", "~~LOG~~.mdb", "_A.TXT"};
    for (const QString& name : leftOver)
        QVERIFY(QFile(s.data.folder.file(name)).open(QIODevice::WriteOnly));
    QVERIFY(s.open());
    for (const QString& name : leftOver)
        QVERIFY2(!QFile::exists(s.data.folder.file(name)), qPrintable(name));
    RowValues shown{"3.4e"};
    for (const char* name :
         {"tReturnYear", "tSession", "tBRN", "tName", "tDesignation", "tSubDate"})
        shown << s.field(name)->text();
    QCOMPARE(shown, completeEmployer);
    QCOMPARE(s.screen->employerData().returnYear, QStringLiteral("2001"));
    QCOMPARE(s.data.state.imagePath, s.data.folder.file(QStringLiteral("_a.txt")));
    QVERIFY(s.services.boxes.isEmpty());
    QStringList texts{s.screen->windowTitle(),           s.field("tSession")->accessibleName(),
                      s.field("tBRN")->accessibleName(), s.field("tName")->accessibleName(),
                      s.button("cContinue")->text(),     s.button("cQuit")->text()};
    for (const QLabel* label : s.screen->findChildren<QLabel*>())
        texts << label->text();
    for (const char* text :
         {"Common data for XW73D records", "Employer's File Number, section",
          "Employer's File Number, number", "Name of Employer", "&Continue", "&Quit",
          "Please enter the following information and click the 'Continue' button to go to next "
          "screen.",
          "Employer's Return for the year ended 31 March", "Employer's File Number      6", "1-",
          "(as shown at the top left hand corner of the address box on X.W.D. Form 73C)",
          "Date of Submission of XW73D", "(Day Month Year e.g. 01052002)",
          "Designation (State: Proprietor/Precedent Partner/ Secretary/Manager/Liquidator/"
          "Principal Officer)",
          "The inputted data in this screen will be used as common data for the inputted XW73D "
          "records.  Any amendment of the data in this screen will automatically amend the data "
          "of the inputted XW73D records."})
        QVERIFY2(texts.contains(QLatin1String(text)), text);
    QVERIFY(s.button("cContinue")->isDefault());
    QStringList order; // each field with its length limit
    for (int i = 0; i < 8; ++i) {
        order << s.focus()->objectName();
        if (auto* field = qobject_cast<FieldEdit*>(s.focus()))
            order.last() += QString::number(field->maxLength());
        QTest::keyClick(s.focus(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"tReturnYear4", "tSession1", "tBRN8", "tName70", "tSubDate8",
                                 "tDesignation25", "cContinue", "cQuit"}));
}

void TestEmployerScreen::loadFailureIsShownAndCloses() {
    Screen s;
    QFile ini(s.data.folder.file(QStringLiteral("path.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    const QString target = s.data.folder.file(QStringLiteral("missing/parent"));
    ini.write(target.toLocal8Bit() + "\r\n");
    ini.close();
    s.screen->show();
    QVERIFY(!s.screen->load());
    QCOMPARE(s.services.texts(),
             {QStringLiteral("The folder '%1' named in path.ini cannot be created.").arg(target)});
    QCOMPARE(s.services.boxes.first().title, QStringLiteral("Error"));
    QVERIFY(!s.screen->isVisible());
}

// Keys typed, or text committed by an input method, after the field was filled with `before`.
void TestEmployerScreen::keysReachTheRules_data() {
    QTest::addColumn<KeyCase>("keyCase");
    const auto row = [](const char* name, const KeyCase& keyCase) {
        QTest::newRow(name) << keyCase;
    };
    const QString fullName(35, chen);
    row("year, invalid: letter", {"tReturnYear", "", false, "20a01", "2001", 1});
    row("year, invalid: committed Chinese", {"tReturnYear", "20", true, "年", "20", 1});
    row("file number, invalid: hyphen", {"tBRN", "", false, "12-3", "123", 1});
    row("date, invalid: slashes", {"tSubDate", "", false, "01/05/2002", "01052002", 2});
    row("section, valid: lower case raised", {"tSession", "", false, "a", "A", 0});
    row("name, valid: letters and Chinese", {"tName", "", false, "Acme 陳", "Acme 陳", 0});
    row("name, valid: committed Chinese", {"tName", "", true, "陳大文", "陳大文", 0});
    row("name, invalid: outside the code page", {"tName", "", false, "A\u0627B", "AB", 1});
    row("name, boundary: a letter over 70 bytes", {"tName", fullName, false, "A", fullName, 1});
    row("name, boundary: committed over 70 bytes", {"tName", fullName, true, chen, fullName, 1});
    row("designation, boundary: committed over 25 bytes",
        {"tDesignation", QString(12, chen), true, chen, QString(12, chen), 1});
}

void TestEmployerScreen::keysReachTheRules() {
    QFETCH(KeyCase, keyCase);
    const auto& [field, before, committed, input, after, beeps] = keyCase;
    Screen s;
    QVERIFY(s.open());
    FieldEdit* edit = s.field(field);
    typeInto(edit, before);
    if (committed)
        commitFromInputMethod(edit, input);
    else
        typeInto(edit, input, false);
    QCOMPARE(edit->text(), after);
    QCOMPARE(s.services.beeps, beeps);
    QTest::keyClick(edit, Qt::Key_Backspace); // taken by every typing rule
    QCOMPARE(edit->text(), after.chopped(1));
    QCOMPARE(s.services.beeps, beeps);
    QVERIFY(s.services.boxes.isEmpty());
}

// Every field at its limit, its whole text selected with Ctrl+A, takes what is typed or
// committed over it.
void TestEmployerScreen::fullFieldsAreTypedOver_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("committed"); // by an input method, not by keys
    QTest::newRow("boundary: year") << "tReturnYear"
                                    << "2001"
                                    << "1999" << false;
    QTest::newRow("boundary: section") << "tSession"
                                       << "B"
                                       << "c" << false;
    QTest::newRow("boundary: file number") << "tBRN"
                                           << "00000123"
                                           << "10000008" << false;
    QTest::newRow("boundary: date of submission") << "tSubDate"
                                                  << "01052001"
                                                  << "02" << false;
    QTest::newRow("boundary: name of 70 bytes") << "tName" << QString(35, chen) << "ACME" << false;
    QTest::newRow("boundary: name, committed")
        << "tName" << QString(35, chen) << QString(2, chen) << true;
    QTest::newRow("boundary: designation of 25 bytes")
        << "tDesignation" << QString(25, u'M') << "Manager" << false;
}

void TestEmployerScreen::fullFieldsAreTypedOver() {
    QFETCH(QString, field);
    QFETCH(QString, full);
    QFETCH(QString, typed);
    QFETCH(bool, committed);
    Screen s;
    QVERIFY(s.open());
    FieldEdit* edit = s.field(field);
    typeInto(edit, full);
    QCOMPARE(edit->text(), full);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit->selectedText(), full);
    if (committed)
        commitFromInputMethod(edit, typed);
    else
        type(typed);
    QCOMPARE(edit->text(), field == u"tSession" ? typed.toUpper() : typed);
    QCOMPARE(s.services.beeps, 0);
}

// Leaving the year, the section or the file number checks it: a refusal shows its message, puts
// back the value the field had when it got the focus and keeps the focus there.
void TestEmployerScreen::leaveChecks_data() {
    QTest::addColumn<LeaveCase>("leaveCase");
    const auto row = [](const char* name, const LeaveCase& leaveCase) {
        QTest::newRow(name) << leaveCase;
    };
    row("year, valid: the same year", {"tReturnYear", "2001", false, "", "", "2001"});
    row("year, invalid: pasted letters",
        {"tReturnYear", "20a1", true, "'20a1' is not a valid year. Please enter again!", "20a1",
         "2001"});
    row("section, valid: lower case", {"tSession", "a", false, "", "", "A"});
    row("section, invalid: digit", {"tSession", "1", false, "'611" + badFileNumber, "1", "B"});
    row("file number, valid: zero-filled", {"tBRN", "458", false, "", "", "00000458"});
    row("file number, invalid: check digit",
        {"tBRN", "121", false, "'00000121" + badFileNumber, "00000121", "00000123"});
}

void TestEmployerScreen::leaveChecks() {
    QFETCH(LeaveCase, leaveCase);
    // `during` is the field's text while the message is shown; no message: the text is accepted.
    const auto& [field, typed, pasted, message, during, after] = leaveCase;
    Screen s(completeEmployer);
    QVERIFY(s.open());
    FieldEdit* edit = s.field(field);
    QString shownDuringBox;
    s.services.onBox = [&](const ScriptedServices::Box&) { shownDuringBox = edit->text(); };
    typeInto(edit, pasted ? QString() : typed);
    if (pasted) {
        QGuiApplication::clipboard()->setText(typed);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), typed); // past the key filter
    }
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->text(), after);
    QCOMPARE(s.services.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(shownDuringBox, during);
    QCOMPARE(s.focus(), message.isEmpty() ? edit->nextInFocusChain() : edit);
    QCOMPARE(s.screen->employerData().returnYear, QStringLiteral("2001"));
}

// A changed year clears pages 2 to 4 of every record once the user agrees and the clearing
// succeeds; otherwise the old year comes back.
void TestEmployerScreen::yearChange_data() {
    QTest::addColumn<YearCase>("yearCase");
    QTest::newRow("valid: answered Yes") << YearCase{true, false, {yearQuestion}, "2002"};
    QTest::newRow("invalid: answered No") << YearCase{false, false, {yearQuestion}, "2001"};
    // The backup copy before the clearing fails too; the user goes on without it.
    QTest::newRow("invalid: Yes on a full disk")
        << YearCase{true,
                    true,
                    {yearQuestion,
                     "No backup copy of the database could be made: There is not enough space "
                     "on the disk to write the backup copy 'xw73d-2001-05-01-1030-year-change."
                     "mdb'.",
                     "Do you want to go on without a backup copy?", diskFull},
                    "2001"};
}

void TestEmployerScreen::yearChange() {
    QFETCH(YearCase, yearCase);
    const auto& [answer, diskFull, messages, year] = yearCase;
    Screen s(completeEmployer);
    updateRow(s.db(), table::employee, employeeColumns(), 1, filledEmployee("H", 0));
    insertRow(s.db(), table::employee, employeeColumns(), filledEmployee("O", 1));
    insertRow(s.db(), table::employee, employeeColumns(), filledEmployee("R", 2));
    const QList<RowValues> before = s.employees();
    QVERIFY(s.open());
    s.services.answers = {answer, true};
    typeInto(s.field("tReturnYear"), QStringLiteral("2002"));
    // Another window taking the activation away and giving it back is no leaving of the field.
    QWidget other;
    other.show();
    QVERIFY(activate(&other));
    QVERIFY(activate(s.screen.get()));
    QCOMPARE(s.focus(), s.field("tReturnYear"));
    QVERIFY(s.services.boxes.isEmpty());
    {
        std::optional<FileSizeLimit> full;
        if (diskFull)
            full.emplace(1); // writes beyond the first byte of any file fail
        QTest::keyClick(s.field("tReturnYear"), Qt::Key_Tab);
    }
    QCOMPARE(s.services.texts(), messages);
    QCOMPARE(s.services.boxes.first().title, QStringLiteral("CONFIRMATION"));
    QCOMPARE(s.field("tReturnYear")->text(), year);
    QCOMPARE(s.screen->employerData().returnYear, year);
    QCOMPARE(s.focus(), year == u"2001" ? s.field("tReturnYear") : s.field("tSession"));
    // The records are cleared and the new year is written together, or neither.
    RowValues employer = completeEmployer;
    employer[1] = year;
    QCOMPARE(s.employer(), employer);
    QList<RowValues> cleared = before;
    const int firstCleared = columnIndex(employeeColumns(), QStringLiteral("EDay1"));
    for (RowValues& row : cleared)
        for (qsizetype col = firstCleared; col < row.size() && year == u"2002"; ++col)
            row[col] = QVariant();
    QCOMPARE(s.employees(), cleared);
    // The year now remembered asks nothing when it is left again.
    s.field("tReturnYear")->setFocus();
    QTest::keyClick(s.field("tReturnYear"), Qt::Key_Tab);
    QCOMPARE(s.services.boxes.size(), messages.size());
    // Quit before Continue; the next run finds the year and the records as they were left.
    QTest::keyClick(s.screen.get(), Qt::Key_Q, Qt::AltModifier);
    QTRY_VERIFY(s.services.ended);
    s.screen.reset();
    s.data.state.login.reset(); // the program has ended
    s.data.state.login = Database::open(databasePath(s.data.folder.path(), DatabaseFile::Working),
                                        OpenOptions{schema::defaultPassword});
    QCOMPARE(s.employer(), employer);
    QCOMPARE(s.employees(), cleared);
}

void TestEmployerScreen::continueChecksAndSaves_data() {
    QTest::addColumn<ContinueCase>("continueCase");
    const auto row = [](const char* name, const ContinueCase& continueCase) {
        QTest::newRow(name) << continueCase;
    };
    const QString late = QStringLiteral("The date of submission should later than 31 Mar, ");
    row("valid: saved", {"2001", "陳氏貿易有限公司", "31032001", false, "", ""});
    row("boundary: 30 March", {"2001", "ACME", "30032001", false, late + "2001", "tSubDate"});
    row("invalid: no year, no date", {"", "ACME", "", false, late, "tSubDate"});
    row("invalid: no year", {"", "ACME", "31032001", false, missingData, "tReturnYear"});
    row("invalid: blank name", {"2001", "   ", "31032001", false, missingData, "tName"});
    row("invalid: full disk", {"2001", "ACME", "31032001", true, diskFull, "tDesignation"});
}

void TestEmployerScreen::continueChecksAndSaves() {
    QFETCH(ContinueCase, continueCase);
    const auto& [year, name, date, diskFull, message, focused] = continueCase;
    Screen s({"3.2", {}, {}, {}, {}, {}, {}});
    const RowValues before = s.employer();
    QVERIFY(s.open());
    const QStringList texts{year, "b", "123", name, date, "Manager"};
    const char* const fields[]{"tReturnYear", "tSession", "tBRN",
                               "tName",       "tSubDate", "tDesignation"};
    for (int i = 0; i < 6; ++i)
        typeInto(s.field(fields[i]), texts[i]);
    QSignalSpy continued(s.screen.get(), &EmployerScreen::continued);
    {
        std::optional<FileSizeLimit> full;
        if (diskFull)
            full.emplace(1); // writes beyond the first byte of any file fail
        QTest::keyClick(s.field("tDesignation"), Qt::Key_Return);
    }
    const RowValues saved{"3.4e", year, "B", "00000123", name, "Manager", "31032001"};
    QCOMPARE(s.services.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(continued.size(), message.isEmpty() ? 1 : 0);
    QCOMPARE(s.screen->isVisible(), !message.isEmpty());
    QCOMPARE(s.employer(), message.isEmpty() ? saved : before);
    QCOMPARE(s.field("tSubDate")->text(), date); // the date is not put back
    if (!message.isEmpty())
        QCOMPARE(s.focus()->objectName(), focused);
}

void TestEmployerScreen::clickOnContinueAfterARefusalShowsOneMessage() {
    Screen s(completeEmployer);
    QVERIFY(s.open());
    QSignalSpy continued(s.screen.get(), &EmployerScreen::continued);
    typeInto(s.field("tBRN"), QStringLiteral("121"));
    QTest::mouseClick(s.button("cContinue"), Qt::LeftButton);
    QCOMPARE(s.services.texts(), QStringList{"'00000121" + badFileNumber});
    QCOMPARE(s.focus(), s.field("tBRN"));
    QVERIFY(continued.isEmpty());
    QTest::qWait(0); // the dropped click is forgotten once the events have run
    QTest::mouseClick(s.button("cContinue"), Qt::LeftButton);
    QCOMPARE(continued.size(), 1);
    QCOMPARE(s.services.boxes.size(), 1);
}

void TestEmployerScreen::quitWritesNothing() {
    Screen s(completeEmployer);
    QVERIFY(s.open());
    typeInto(s.field("tName"), QStringLiteral("OTHER NAME"));
    typeInto(s.field("tSubDate"), QStringLiteral("01062001"));
    QTest::keyClick(s.field("tSubDate"), Qt::Key_Escape); // no cancel button: nothing happens
    QVERIFY(!s.services.ended);
    QVERIFY(s.screen->isVisible());
    QTest::keyClick(s.screen.get(), Qt::Key_Q, Qt::AltModifier);
    QTRY_VERIFY(s.services.ended);
    QCOMPARE(s.services.exitCode, 0);
    QVERIFY(s.services.boxes.isEmpty());
    QCOMPARE(s.employer(), completeEmployer);
}

// The copy taken just before a confirmed year change holds every value the change cleared.
void TestEmployerScreen::restoreBringsBackWhatAYearChangeCleared() {
    Screen s(completeEmployer);
    insertRow(s.db(), table::employee, employeeColumns(), filledEmployee("O", 1));
    insertRow(s.db(), table::employee, employeeColumns(), filledEmployee("R", 2));
    const QList<RowValues> before = s.employees();
    QVERIFY(s.open());
    s.services.answers = {true};
    typeInto(s.field("tReturnYear"), QStringLiteral("2002"));
    QTest::keyClick(s.field("tReturnYear"), Qt::Key_Tab);
    QVERIFY(s.employees() != before);
    const QString folder = s.data.folder.path();
    const QList<backups::Backup> copies = backups::list(folder, {"qvz"});
    QCOMPARE(copies.size(), qsizetype(1));
    QCOMPARE(copies.first().reason, backups::reason::yearChange);
    s.screen.reset();
    s.data.state.login.reset(); // the program has ended
    backups::restore(folder, copies.first().name, s.services.clock.addSecs(60));
    s.data.state.login = Database::open(databasePath(folder, DatabaseFile::Working),
                                        OpenOptions{schema::defaultPassword});
    QCOMPARE(s.employees(), before);
}

QTEST_MAIN(TestEmployerScreen)
#include "tst_employer_screen.moc"
