#include "common/codepage.h"
#include "employer/fSubInfo.h"
#include "platform/entry_field.h"
#include "startup/run_state.h"
#include "startup/startup.h"
#include "store/columns.h"
#include "store/rows.h"
#include "store/schema.h"
#include "support/screens.h"
#include "support/scripted_services.h"
#include "support/temp_folder.h"

#include <QClipboard>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

const QString yearQuestion = QStringLiteral(
    "WARNING!  Amendment of the Year Field will DELETE ALL the inputted data (including "
    "particulars of income, place of residence provided and overseas income etc.) in Page 2, 3 "
    "and 4 automatically.\r\rRemember to delete records of employees that are not required.  Do "
    "you want to proceed?");
const QString missingData =
    QStringLiteral("Please enter all common data before continue to next screen.");
const QChar chen(0x9673); // a Chinese character, two bytes in the code page

RowValues employerRow(Database& db) {
    Statement query =
        db.prepare(QStringLiteral("select %1 from employer").arg(columnList(employerColumns())));
    query.next();
    return readRow(query, employerColumns());
}

void storeEmployer(Database& db, const QMap<QString, QString>& values) {
    RowValues row = employerRow(db);
    for (auto it = values.begin(); it != values.end(); ++it)
        row[columnIndex(employerColumns(), it.key())] = it.value();
    updateRow(db, table::employer, employerColumns(), 1, row);
}

const QMap<QString, QString> completeEmployer{
    {"Version", "3.4e"},
    {"ReturnYear", "2001"},
    {"Session", "B"},
    {"BRN", "00000123"},
    {"Name", "ACME TRADING LTD"},
    {"Designation", "Manager"},
    {"SubmissionDate", "01052001"},
};

// An employee row with a value in every column; the placeholder has no ID.
RowValues filledEmployee(const QString& status, int id) {
    RowValues row;
    for (const ColumnDef& column : employeeColumns()) {
        if (column.type == ColumnType::Long)
            row << (status == u"H" ? QVariant() : QVariant(id));
        else if (column.type == ColumnType::Byte)
            row << 1;
        else
            row << (QLatin1String(column.name) == "Status" ? status : QString::number(id));
    }
    return row;
}

QList<RowValues> employeeRows(Database& db) {
    QList<RowValues> rows;
    Statement query = db.prepare(QStringLiteral("select %1 from employee order by rowid")
                                     .arg(columnList(employeeColumns())));
    while (query.next())
        rows << readRow(query, employeeColumns());
    return rows;
}

void commitInput(QWidget* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

// Types each character as one key (QTest::keyClicks knows only Latin-1).
void typeKeys(QWidget* field, const QString& keys) {
    for (const char32_t character : keys.toUcs4()) {
        const bool ascii = character >= 0x20 && character < 0x7f;
        const auto key = ascii ? Qt::Key(QChar::toUpper(character)) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, field, key, QString::fromUcs4(&character, 1),
                            Qt::NoModifier);
    }
}

// Replaces the field's text by typed keys, after moving the focus into it.
void typeInto(QLineEdit* field, const QString& keys) {
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    typeKeys(field, keys);
}

void leave(QWidget* field) {
    QTest::keyClick(field, Qt::Key_Tab);
}

// Writes beyond the first byte of any file fail while it lives, as on a full disk.
class FileSizeLimit {
public:
    FileSizeLimit() {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit tight = m_previous;
        tight.rlim_cur = 1;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }

private:
    rlimit m_previous{};
};

// The employer screen over a fresh working database, logged in as the program does.
struct Screen {
    explicit Screen(const QMap<QString, QString>& employer = {}) {
        state.programFolder = folder.path();
        prepareWorkingDatabase(folder.path());
        state.login =
            Database::open(folder.file(schema::workingFile), OpenOptions{schema::defaultPassword});
        storeEmployer(state.db(), employer);
        screen = std::make_unique<fSubInfo>(state);
    }
    bool open() {
        if (!screen->load())
            return false;
        screen->show();
        return activate(screen.get());
    }
    QWidget* focus() const { return QApplication::focusWidget(); }

    TempFolder folder;
    ScriptedServices services;
    RunState state;
    std::unique_ptr<fSubInfo> screen;
};

} // namespace

class TestSubInfo : public QObject {
    Q_OBJECT
private slots:
    void loadShowsTheRowAndClearsTheWorkFiles();
    void loadFailureIsShownAndCloses();
    void textsNamesAndTabOrder();
    void typedKeys_data();
    void typedKeys();
    void inputMethodCommitsAreFiltered();
    void pasteGoesAroundTheKeyFilter();
    void yearLeaveCheck_data();
    void yearLeaveCheck();
    void windowActivationRunsNoCheck();
    void sectionIsUpperCasedOrRefused();
    void fileNumberIsZeroFilledOrRefused_data();
    void fileNumberIsZeroFilledOrRefused();
    void nameAndDesignationCountBytes();
    void yearChangeAnsweredNoRestoresTheYear();
    void yearChangeAnsweredYesClearsPagesTwoToFour();
    void failedClearingKeepsTheOldYear();
    void continueRefusals_data();
    void continueRefusals();
    void continueSavesAndHandsOver();
    void clickOnContinueAfterARefusalShowsOneMessage();
    void failedSaveIsShownAndTheScreenStays();
    void quitWritesNothing();
};

void TestSubInfo::loadShowsTheRowAndClearsTheWorkFiles() {
    Screen s(completeEmployer);
    const QStringList leftOver{"TEMP73D.MDB", "temp73dc.mdb-journal", "~~LOG~~.mdb", "_A.TXT"};
    for (const QString& name : leftOver) {
        QFile file(s.folder.file(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(s.open());
    for (const QString& name : leftOver)
        QVERIFY2(!QFile::exists(s.folder.file(name)), qPrintable(name));
    QCOMPARE(s.screen->tReturnYear->text(), QStringLiteral("2001"));
    QCOMPARE(s.screen->tSession->text(), QStringLiteral("B"));
    QCOMPARE(s.screen->tBRN->text(), QStringLiteral("00000123"));
    QCOMPARE(s.screen->tName->text(), QStringLiteral("ACME TRADING LTD"));
    QCOMPARE(s.screen->tSubDate->text(), QStringLiteral("01052001"));
    QCOMPARE(s.screen->tDesignation->text(), QStringLiteral("Manager"));
    QCOMPARE(s.state.returnYear, QStringLiteral("2001"));
    QCOMPARE(s.state.workingPath, s.folder.file(schema::workingFile));
    QCOMPARE(s.state.imagePath, s.folder.file(QStringLiteral("_a.txt")));
    QVERIFY(s.services.boxes.isEmpty());
}

void TestSubInfo::loadFailureIsShownAndCloses() {
    Screen s;
    QFile ini(s.folder.file(QStringLiteral("path.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    const QString target = s.folder.file(QStringLiteral("missing/parent"));
    ini.write(target.toLocal8Bit() + "\r\n");
    ini.close();
    s.screen->show();
    QVERIFY(!s.screen->load());
    QCOMPARE(
        s.services.texts(),
        QStringList{
            QStringLiteral("The folder '%1' named in path.ini cannot be created.").arg(target)});
    QCOMPARE(s.services.boxes.first().title, QStringLiteral("Error"));
    QVERIFY(!s.screen->isVisible());
}

void TestSubInfo::textsNamesAndTabOrder() {
    Screen s;
    QVERIFY(s.open());
    fSubInfo* screen = s.screen.get();
    QCOMPARE(screen->windowTitle(), QStringLiteral("Common data for XW73D records"));
    QStringList labels;
    for (const QLabel* label : screen->findChildren<QLabel*>())
        labels << label->text();
    for (const char* text :
         {"Please enter the following information and click the 'Continue' button to go to next "
          "screen.",
          "Employer's Return for the year ended 31 March", "Employer's File Number      6", "1-",
          "(as shown at the top left hand corner of the address box on X.W.D. Form 73C)",
          "Name of Employer", "Date of Submission of XW73D", "(Day Month Year e.g. 01052002)",
          "Designation (State: Proprietor/Precedent Partner/ Secretary/Manager/Liquidator/"
          "Principal Officer)",
          "The inputted data in this screen will be used as common data for the inputted XW73D "
          "records.  Any amendment of the data in this screen will automatically amend the data "
          "of the inputted XW73D records."})
        QVERIFY2(labels.contains(QLatin1String(text)), text);
    QCOMPARE(screen->tSession->accessibleName(), QStringLiteral("Employer's File Number, section"));
    QCOMPARE(screen->tBRN->accessibleName(), QStringLiteral("Employer's File Number, number"));
    QCOMPARE(screen->tName->accessibleName(), QStringLiteral("Name of Employer"));
    QCOMPARE(screen->cContinue->text(), QStringLiteral("&Continue"));
    QCOMPARE(screen->cQuit->text(), QStringLiteral("&Quit"));
    QVERIFY(screen->cContinue->isDefault());
    const QList<int> limits{4, 1, 8, 70, 8, 25};
    QStringList order{s.focus()->objectName()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(s.focus(), Qt::Key_Tab);
        order << s.focus()->objectName();
    }
    QCOMPARE(order, (QStringList{"tReturnYear", "tSession", "tBRN", "tName", "tSubDate",
                                 "tDesignation", "cContinue", "cQuit"}));
    const QList<EntryField*> fields{screen->tReturnYear, screen->tSession, screen->tBRN,
                                    screen->tName,       screen->tSubDate, screen->tDesignation};
    for (qsizetype i = 0; i < fields.size(); ++i)
        QCOMPARE(fields[i]->maxLength(), limits[i]);
    QVERIFY(s.services.boxes.isEmpty());
}

void TestSubInfo::typedKeys_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    QTest::newRow("year: digits") << "tReturnYear"
                                  << "2001"
                                  << "2001" << 0;
    QTest::newRow("year: letter refused") << "tReturnYear"
                                          << "20a01"
                                          << "2001" << 1;
    QTest::newRow("year: space and dot refused") << "tReturnYear"
                                                 << "2 0.01"
                                                 << "2001" << 2;
    QTest::newRow("file number: hyphen refused") << "tBRN"
                                                 << "12-3"
                                                 << "123" << 1;
    QTest::newRow("date: slashes refused") << "tSubDate"
                                           << "01/05/2002"
                                           << "01052002" << 2;
    QTest::newRow("date: full-width digit refused") << "tSubDate"
                                                    << "0\uFF11"
                                                    << "0" << 1;
    QTest::newRow("name: letters and Chinese") << "tName"
                                               << "Acme 陳"
                                               << "Acme 陳" << 0;
    QTest::newRow("name: outside the code page") << "tName"
                                                 << "A\u0627B"
                                                 << "AB" << 1;
    QTest::newRow("designation: emoji refused") << "tDesignation"
                                                << "Boss\U0001F600"
                                                << "Boss" << 1;
    QTest::newRow("section: lower case raised") << "tSession"
                                                << "a"
                                                << "A" << 0;
}

void TestSubInfo::typedKeys() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, beeps);
    Screen s;
    QVERIFY(s.open());
    auto* edit = s.screen->findChild<QLineEdit*>(field);
    typeInto(edit, keys);
    QCOMPARE(edit->text(), text);
    QCOMPARE(s.services.beeps, beeps);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), text.chopped(1));
    QCOMPARE(s.services.beeps, beeps);
}

void TestSubInfo::inputMethodCommitsAreFiltered() {
    Screen s;
    QVERIFY(s.open());
    s.screen->tReturnYear->setFocus();
    commitInput(s.screen->tReturnYear, QStringLiteral("20"));
    commitInput(s.screen->tReturnYear, QStringLiteral("年"));
    commitInput(s.screen->tReturnYear, QStringLiteral("01"));
    QCOMPARE(s.screen->tReturnYear->text(), QStringLiteral("2001"));
    QCOMPARE(s.services.beeps, 1);
    s.screen->tName->setFocus();
    commitInput(s.screen->tName, QStringLiteral("陳大文"));
    commitInput(s.screen->tName, QStringLiteral("\U0001F600"));
    QCOMPARE(s.screen->tName->text(), QStringLiteral("陳大文"));
    QCOMPARE(s.services.beeps, 2);
}

void TestSubInfo::pasteGoesAroundTheKeyFilter() {
    Screen s;
    QVERIFY(s.open());
    QGuiApplication::clipboard()->setText(QStringLiteral("20a1"));
    s.screen->tReturnYear->setFocus();
    QTest::keyClick(s.screen->tReturnYear, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.screen->tReturnYear->text(), QStringLiteral("20a1"));
    QCOMPARE(s.services.beeps, 0);
    leave(s.screen->tReturnYear);
    QCOMPARE(s.services.texts(),
             QStringList{QStringLiteral("'20a1' is not a valid year. Please enter again!")});
    QVERIFY(s.screen->tReturnYear->text().isEmpty());
}

void TestSubInfo::yearLeaveCheck_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("boundary: 1997 accepted") << "1997"
                                             << "";
    QTest::newRow("boundary: 1996 refused") << "1996"
                                            << "Input year must be later than 1996.";
    QTest::newRow("invalid: three digits") << "200"
                                           << "Invalid year. Please enter a 4-digit year.";
    QTest::newRow("valid: emptied field") << ""
                                          << "";
}

void TestSubInfo::yearLeaveCheck() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Screen s;
    QVERIFY(s.open());
    typeInto(s.screen->tReturnYear, typed);
    leave(s.screen->tReturnYear);
    if (message.isEmpty()) {
        QVERIFY(s.services.boxes.isEmpty());
        QCOMPARE(s.focus(), s.screen->tSession);
        QCOMPARE(s.state.returnYear, typed);
        return;
    }
    QCOMPARE(s.services.texts(), QStringList{message});
    QCOMPARE(s.services.boxes.first().title, QStringLiteral("Error"));
    QVERIFY(s.screen->tReturnYear->text().isEmpty()); // the year it had when it got the focus
    QCOMPARE(s.focus(), s.screen->tReturnYear);
}

// A message box or another window takes the activation away and gives it back; that is no
// leaving of the field.
void TestSubInfo::windowActivationRunsNoCheck() {
    Screen s(completeEmployer);
    QVERIFY(s.open());
    typeInto(s.screen->tReturnYear, QStringLiteral("199"));
    QWidget other;
    other.show();
    QVERIFY(activate(&other));
    QVERIFY(activate(s.screen.get()));
    QCOMPARE(s.focus(), s.screen->tReturnYear);
    QVERIFY(s.services.boxes.isEmpty());
    typeInto(s.screen->tReturnYear, QStringLiteral("2002"));
    leave(s.screen->tReturnYear);
    QCOMPARE(s.services.texts(), QStringList{yearQuestion}); // 2001 is still the year it had
}

void TestSubInfo::sectionIsUpperCasedOrRefused() {
    Screen s(completeEmployer);
    QVERIFY(s.open());
    typeInto(s.screen->tSession, QStringLiteral("a"));
    QCOMPARE(s.screen->tSession->text(), QStringLiteral("A"));
    leave(s.screen->tSession);
    QVERIFY(s.services.boxes.isEmpty());
    QCOMPARE(s.focus(), s.screen->tBRN);
    typeInto(s.screen->tSession, QStringLiteral("1"));
    leave(s.screen->tSession);
    QCOMPARE(s.services.texts(),
             QStringList{QStringLiteral("'611' is not a valid file number. Please enter again!")});
    QCOMPARE(s.screen->tSession->text(), QStringLiteral("A"));
    QCOMPARE(s.focus(), s.screen->tSession);
}

void TestSubInfo::fileNumberIsZeroFilledOrRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownInMessage"); // empty: accepted
    QTest::addColumn<QString>("after");
    QTest::newRow("valid: 123") << "123"
                                << ""
                                << "00000123";
    QTest::newRow("valid: 10000008") << "10000008"
                                     << ""
                                     << "10000008";
    QTest::newRow("invalid: 121") << "121"
                                  << "00000121"
                                  << "00000123";
    QTest::newRow("invalid: 0") << "0"
                                << "0"
                                << "00000123";
    QTest::newRow("invalid: 00000000") << "00000000"
                                       << "00000000"
                                       << "00000123";
}

void TestSubInfo::fileNumberIsZeroFilledOrRefused() {
    QFETCH(QString, typed);
    QFETCH(QString, shownInMessage);
    QFETCH(QString, after);
    Screen s(completeEmployer);
    QVERIFY(s.open());
    QString shownDuringBox;
    s.services.onBox = [&](const ScriptedServices::Box&) {
        shownDuringBox = s.screen->tBRN->text();
    };
    typeInto(s.screen->tBRN, typed);
    leave(s.screen->tBRN);
    QCOMPARE(s.screen->tBRN->text(), after);
    if (shownInMessage.isEmpty()) {
        QVERIFY(s.services.boxes.isEmpty());
        QCOMPARE(s.focus(), s.screen->tName);
        return;
    }
    QCOMPARE(s.services.texts(),
             QStringList{u'\'' + shownInMessage +
                         QStringLiteral("' is not a valid file number. Please enter again!")});
    QCOMPARE(shownDuringBox, shownInMessage);
    QCOMPARE(s.focus(), s.screen->tBRN);
}

void TestSubInfo::nameAndDesignationCountBytes() {
    Screen s;
    QVERIFY(s.open());
    const QString full(35, chen);
    typeInto(s.screen->tName, full);
    QCOMPARE(s.screen->tName->text(), full);
    QCOMPARE(s.services.beeps, 0);
    commitInput(s.screen->tName, QString(chen));
    QCOMPARE(s.screen->tName->text(), full);
    QCOMPARE(s.services.beeps, 1);
    QTest::keyClick(s.screen->tName, Qt::Key_A);
    QCOMPARE(s.screen->tName->text(), full);
    QCOMPARE(s.services.beeps, 2);

    typeInto(s.screen->tDesignation, QStringLiteral("Manager ") + QString(8, chen));
    QCOMPARE(codepage::byteLength(s.screen->tDesignation->text()), 24);
    commitInput(s.screen->tDesignation, QString(chen));
    QCOMPARE(s.screen->tDesignation->text(), QStringLiteral("Manager ") + QString(8, chen));
    QCOMPARE(s.services.beeps, 3);
    QVERIFY(s.services.boxes.isEmpty());
}

void TestSubInfo::yearChangeAnsweredNoRestoresTheYear() {
    Screen s(completeEmployer);
    insertRow(s.state.db(), table::employee, employeeColumns(), filledEmployee("O", 1));
    const QList<RowValues> before = employeeRows(s.state.db());
    QVERIFY(s.open());
    typeInto(s.screen->tReturnYear, QStringLiteral("2002"));
    leave(s.screen->tReturnYear);
    QCOMPARE(s.services.texts(), QStringList{yearQuestion});
    QCOMPARE(s.services.boxes.first().title, QStringLiteral("CONFIRMATION"));
    QCOMPARE(s.screen->tReturnYear->text(), QStringLiteral("2001"));
    QCOMPARE(s.focus(), s.screen->tReturnYear);
    QCOMPARE(s.state.returnYear, QStringLiteral("2001"));
    QCOMPARE(employeeRows(s.state.db()), before);
}

void TestSubInfo::yearChangeAnsweredYesClearsPagesTwoToFour() {
    Screen s(completeEmployer);
    Database& db = s.state.db();
    updateRow(db, table::employee, employeeColumns(), 1, filledEmployee("H", 0));
    insertRow(db, table::employee, employeeColumns(), filledEmployee("O", 1));
    insertRow(db, table::employee, employeeColumns(), filledEmployee("R", 2));
    const QList<RowValues> before = employeeRows(db);
    QVERIFY(s.open());
    s.services.answers = {true};
    typeInto(s.screen->tReturnYear, QStringLiteral("2002"));
    leave(s.screen->tReturnYear);
    QCOMPARE(s.services.texts(), QStringList{yearQuestion});
    QCOMPARE(s.screen->tReturnYear->text(), QStringLiteral("2002"));
    QCOMPARE(s.focus(), s.screen->tSession);
    QCOMPARE(s.state.returnYear, QStringLiteral("2002"));

    const QList<RowValues> after = employeeRows(db);
    QCOMPARE(after.size(), 3);
    const int firstCleared = columnIndex(employeeColumns(), QStringLiteral("EDay1"));
    for (qsizetype row = 0; row < after.size(); ++row)
        for (int col = 0; col < static_cast<int>(employeeColumns().size()); ++col) {
            const QVariant expected = col < firstCleared ? before[row][col] : QVariant();
            QVERIFY2(after[row][col] == expected, employeeColumns()[col].name);
        }
    QCOMPARE(after[0][1], QVariant(QStringLiteral("H")));
    QCOMPARE(after[1][0], QVariant(1));

    // The same year again asks nothing; Quit keeps the stored year but not the cleared figures.
    leave(s.screen->tSession);
    s.screen->tReturnYear->setFocus();
    leave(s.screen->tReturnYear);
    QCOMPARE(s.services.boxes.size(), 1);
    s.screen->cQuit->click();
    QVERIFY(s.services.ended);
    QCOMPARE(employerRow(db)[1], QVariant(QStringLiteral("2001")));
    QCOMPARE(employeeRows(db), after);
}

void TestSubInfo::failedClearingKeepsTheOldYear() {
    Screen s(completeEmployer);
    insertRow(s.state.db(), table::employee, employeeColumns(), filledEmployee("O", 1));
    const QList<RowValues> before = employeeRows(s.state.db());
    QVERIFY(s.open());
    s.services.answers = {true};
    typeInto(s.screen->tReturnYear, QStringLiteral("2002"));
    {
        FileSizeLimit full;
        leave(s.screen->tReturnYear);
    }
    QCOMPARE(s.services.texts(),
             (QStringList{yearQuestion, QStringLiteral("A disk error occurred while reading or "
                                                       "writing 'xw73d.mdb'.")}));
    QCOMPARE(s.screen->tReturnYear->text(), QStringLiteral("2001"));
    QCOMPARE(s.focus(), s.screen->tReturnYear);
    QCOMPARE(employeeRows(s.state.db()), before);
}

void TestSubInfo::continueRefusals_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    const QString late = QStringLiteral("The date of submission should later than 31 Mar, ");
    QTest::newRow("boundary: 30 March") << "2001"
                                        << "ACME"
                                        << "30032001" << late + "2001"
                                        << "tSubDate";
    QTest::newRow("invalid: day 32")
        << "2001"
        << "ACME"
        << "32012001"
        << "Invalid date format.  Please fill in with format, DDMMYYYY."
        << "tSubDate";
    QTest::newRow("invalid: no date") << "2001"
                                      << "ACME"
                                      << "" << late + "2001"
                                      << "tSubDate";
    QTest::newRow("invalid: nothing at all") << ""
                                             << "ACME"
                                             << "" << late << "tSubDate";
    QTest::newRow("invalid: no year") << ""
                                      << "ACME"
                                      << "31032001" << missingData << "tReturnYear";
    QTest::newRow("invalid: blank name") << "2001"
                                         << "   "
                                         << "31032001" << missingData << "tName";
}

void TestSubInfo::continueRefusals() {
    QFETCH(QString, year);
    QFETCH(QString, name);
    QFETCH(QString, date);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    Screen s;
    QVERIFY(s.open());
    typeInto(s.screen->tReturnYear, year);
    typeInto(s.screen->tSession, QStringLiteral("b"));
    typeInto(s.screen->tBRN, QStringLiteral("123"));
    typeInto(s.screen->tName, name);
    typeInto(s.screen->tSubDate, date);
    typeInto(s.screen->tDesignation, QStringLiteral("Manager"));
    QSignalSpy continued(s.screen.get(), &fSubInfo::continued);
    QTest::keyClick(s.screen->tDesignation, Qt::Key_Return);
    QCOMPARE(s.services.texts(), QStringList{message});
    QCOMPARE(s.focus()->objectName(), focused);
    QCOMPARE(s.screen->tSubDate->text(), date); // the date is not put back
    QVERIFY(continued.isEmpty());
    QVERIFY(s.screen->isVisible());
    QCOMPARE(employerRow(s.state.db())[1], QVariant());
}

void TestSubInfo::continueSavesAndHandsOver() {
    Screen s({{"Version", "3.2"}});
    QVERIFY(s.open());
    typeInto(s.screen->tReturnYear, QStringLiteral("2001"));
    typeInto(s.screen->tSession, QStringLiteral("b"));
    typeInto(s.screen->tBRN, QStringLiteral("123"));
    typeInto(s.screen->tName, QStringLiteral("陳氏貿易有限公司"));
    typeInto(s.screen->tSubDate, QStringLiteral("31032001"));
    typeInto(s.screen->tDesignation, QStringLiteral("Manager"));
    QSignalSpy continued(s.screen.get(), &fSubInfo::continued);
    QTest::keyClick(s.screen->tDesignation, Qt::Key_Return);
    QVERIFY(s.services.boxes.isEmpty());
    QCOMPARE(continued.size(), 1);
    QVERIFY(!s.screen->isVisible());
    QCOMPARE(s.state.returnYear, QStringLiteral("2001"));
    const RowValues expected{"3.4e",    "2001",    "B", "00000123", "陳氏貿易有限公司",
                             "Manager", "31032001"};
    QCOMPARE(employerRow(s.state.db()), expected);
}

void TestSubInfo::clickOnContinueAfterARefusalShowsOneMessage() {
    Screen s(completeEmployer);
    QVERIFY(s.open());
    QSignalSpy continued(s.screen.get(), &fSubInfo::continued);
    typeInto(s.screen->tBRN, QStringLiteral("121"));
    QTest::mouseClick(s.screen->cContinue, Qt::LeftButton);
    QCOMPARE(s.services.texts(),
             QStringList{QStringLiteral("'00000121' is not a valid file number. Please enter "
                                        "again!")});
    QCOMPARE(s.focus(), s.screen->tBRN);
    QVERIFY(continued.isEmpty());
    QTest::qWait(0); // the dropped click is forgotten once the events have run
    QTest::mouseClick(s.screen->cContinue, Qt::LeftButton);
    QCOMPARE(continued.size(), 1);
    QCOMPARE(s.services.boxes.size(), 1);
}

void TestSubInfo::failedSaveIsShownAndTheScreenStays() {
    Screen s(completeEmployer);
    QVERIFY(s.open());
    typeInto(s.screen->tName, QStringLiteral("NEW NAME"));
    QSignalSpy continued(s.screen.get(), &fSubInfo::continued);
    {
        FileSizeLimit full;
        s.screen->cContinue->click();
    }
    QCOMPARE(s.services.texts(),
             QStringList{QStringLiteral("A disk error occurred while reading or writing "
                                        "'xw73d.mdb'.")});
    QVERIFY(continued.isEmpty());
    QVERIFY(s.screen->isVisible());
    QCOMPARE(employerRow(s.state.db())[4], QVariant(QStringLiteral("ACME TRADING LTD")));
    s.screen->cContinue->click();
    QCOMPARE(continued.size(), 1);
    QCOMPARE(employerRow(s.state.db())[4], QVariant(QStringLiteral("NEW NAME")));
}

void TestSubInfo::quitWritesNothing() {
    Screen s(completeEmployer);
    const RowValues before = employerRow(s.state.db());
    QVERIFY(s.open());
    typeInto(s.screen->tName, QStringLiteral("OTHER NAME"));
    typeInto(s.screen->tSubDate, QStringLiteral("01062001"));
    QTest::keyClick(s.screen->tSubDate, Qt::Key_Escape); // no cancel button: nothing happens
    QVERIFY(!s.services.ended);
    QVERIFY(s.screen->isVisible());
    QTest::keyClick(s.screen.get(), Qt::Key_Q, Qt::AltModifier);
    QTRY_VERIFY(s.services.ended);
    QCOMPARE(s.services.exitCode, 0);
    QVERIFY(s.services.boxes.isEmpty());
    QCOMPARE(employerRow(s.state.db()), before);
}

QTEST_MAIN(TestSubInfo)
#include "tst_fSubInfo.moc"
