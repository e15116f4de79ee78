// Save to Floppy on the offscreen platform, with a real program folder, a real medium folder,
// scripted message boxes and scripted printing: the whole road of a new user, each check of OK
// with the state it leaves (a pasted backslash included), Enter in the name, the 'Original'
// count message also with a save screen left open, the files of an interrupted save on the
// medium, a medium that fills up or is read-only, a medium mounted after the start, the name's
// key filter, Cancel and the window's close.
#include "core/common/files.h"
#include "core/platform/program_folder.h"
#include "core/submission/control_list_page.h"
#include "core/submission/log_record.h"
#include "core/submission/save_rules.h"
#include "gui/records/problem_list_window.h"
#include "gui/submission/save_screen.h"
#include "store/archive/archive.h"
#include "store/common/schema.h"
#include "store/returns/summary_file.h"
#include "store/submission/log_database.h"
#include "store/submission/submission_database.h"
#include "store/submission/verifier.h"
#include "support/editor_screen.h"
#include "support/file_size_limit.h"
#include "support/loop_medium.h"
#include "support/pdf_text.h"
#include "support/scripted_printing.h"
#include "support/submission_setup.h"
#include "support/without_access_override.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

const QStringList workFiles{"TEMP73D.MDB", "TEMP73DC.MDB", "~~log~~.mdb", "_a.txt"};
const QStringList recordCommands{"cNew",  "cUpdate",   "cDelete",    "cExit",
                                 "cSort", "cPrintAll", "cSaveFloppy"};

QStringList texts(const report::Page& page) {
    QStringList all;
    for (const report::Text& text : page.texts)
        all << text.text;
    return all;
}

// A surname part for each number; surnames take no digits.
QString letters(int number) {
    QString text;
    for (int place = 0; place < 4; ++place, number /= 26)
        text.prepend(QChar(u'A' + number % 26));
    return text;
}

// The record editor over numbered example records of the return year 2002, file number
// 12345676, with a medium folder and a printer that keeps what it is given.
struct SaveFlow {
    bool open(int records, const QList<QStringList>& more = {}) {
        RunState& state = editor.db.state;
        state.loginPassword = schema::defaultPassword; // as the login leaves it
        state.requestedMedium = medium.path();
        state.imagePath = editor.db.folder.file("_a.txt");
        // The worked example's file number with its right check digit: a save goes out only
        // when the return has no error.
        QStringList employerRow = exampleEmployer;
        employerRow.replaceInStrings("BRN=12345678", "BRN=12345676");
        setEmployer(editor.db, employerRow);
        QList<QStringList> rows = more;
        for (int n = 1; n <= records; ++n)
            rows << exampleRecord(" ", "NAME" + letters(n)) +
                        QStringList{"ID=" + QString::number(n)};
        Transaction adding(editor.db.state.db());
        for (const QStringList& row : rows)
            editor.db.addRecord(row);
        adding.commit();
        if (!editor.open())
            return false;
        EmployerData employer;
        employer.returnYear = QStringLiteral("2002");
        employer.fileNumber = QStringLiteral("12345676");
        editor->setEmployer(employer);
        return true;
    }
    // The records opened and Save to Floppy answered Yes: the save screen, if one opened.
    SaveScreen* start(int records) { return open(records) ? pressSave() : nullptr; }
    // Save to Floppy answered Yes; the save screen it opened, if any.
    SaveScreen* pressSave() {
        editor.services.answers = {true};
        click(editor.control<QPushButton>("cSaveFloppy"));
        return editor->findChild<SaveScreen*>("fSave");
    }
    template <class Widget = QWidget> Widget* on(SaveScreen* screen, const char* name) {
        return screen->findChild<Widget*>(QLatin1String(name));
    }
    bool hasWorkFile(const QString& name) const {
        return files::exists(editor.db.folder.path(), name);
    }
    QStringList disabledRecordCommands() const {
        QStringList off = recordCommands;
        for (const QString& on : editor.enabledCommands())
            off.removeAll(on);
        return off;
    }

    EditorScreen editor;
    TempFolder medium;
    TempFolder elsewhere;
    TempFolder printed;
    ScriptedPrinting printing{printed.path()};
};

} // namespace

class TestSaveFlow : public QObject {
    Q_OBJECT
private slots:
    void newUserSavesTheReturn();
    void okChecks_data();
    void okChecks();
    void originalRecordOutsideTheYear();
    void checkBeforeTheSave_data();
    void checkBeforeTheSave();
    void screenLeftOpenWhenTheReturnChanges();
    void enterPressesOk_data();
    void enterPressesOk();
    void filesOfAnInterruptedSave_data();
    void filesOfAnInterruptedSave();
    void mediumMountedAfterTheStart();
    void copyFailures_data();
    void copyFailures();
    void oversizeNeedsOtherMedia();
    void savedSubmissionIsArchived_data();
    void savedSubmissionIsArchived();
    void nameKeyFilter_data();
    void nameKeyFilter();
    void cancelOrClose_data();
    void cancelOrClose();
};

void TestSaveFlow::newUserSavesTheReturn() {
    SaveFlow flow;
    QVERIFY(flow.open(3));
    const QStringList usable = flow.editor.enabledCommands();
    QPointer<SaveScreen> screen = flow.pressSave();
    QVERIFY2(screen && screen->isVisible(), qPrintable(flow.editor.services.texts().join(" / ")));
    QCOMPARE(flow.editor.services.boxes.first().title, QStringLiteral("CONFIRMATION"));
    QVERIFY(flow.editor.services.boxes.first().text.startsWith("This function sorts the XW73D"));
    const QString target = flow.medium.file("12345676.MDB");
    QCOMPARE(flow.on<FieldEdit>(screen, "tFileName")->text(), target);
    QVERIFY(flow.on(screen, "Label2")->isVisible() && !flow.on(screen, "Label1")->isVisible());
    QCOMPARE(flow.editor.enabledCommands(), usable); // the editor stays usable while ready
    QStringList offWhileSaving;
    bool progressShown = false;
    bool closesRefused = false;
    flow.editor.services.onBox = [&](const ScriptedServices::Box&) {
        offWhileSaving = flow.disabledRecordCommands();
        closesRefused = !screen->close() && !flow.editor->close();
        progressShown = flow.on(screen, "Label4")->isVisible() &&
                        flow.on(screen, "saveProgress")->isVisible() &&
                        !flow.on(screen, "cOK")->isVisible();
    };
    click(flow.on<QPushButton>(screen, "cOK"));
    const auto& boxes = flow.editor.services.boxes;
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.last().title, QStringLiteral("INFORMATION"));
    QCOMPARE(boxes.last().text, saverules::printerText());
    QCOMPARE(offWhileSaving, recordCommands);
    QVERIFY(progressShown);
    QVERIFY(closesRefused);
    QCOMPARE(entriesIn(flow.medium.path()), QStringList({"12345676.MDB", "~~log~~.mdb"}));
    for (const QString& name : workFiles)
        QVERIFY2(!flow.hasWorkFile(name), qPrintable(name));
    for (const SubmissionCheck& check : verifySubmission(target))
        QVERIFY2(check.holds(), qPrintable(check.name));
    QCOMPARE(flow.printing.previews.size(), 1);
    const QStringList page = texts(flow.printing.previews.first()->page(1)); // the totals' page
    const qsizetype total = page.indexOf("Grand total (3 records)");
    QVERIFY(total >= 0);
    QCOMPARE(page.value(total + 1), QStringLiteral("720,000"));
    // Offered as a PDF named after the list and its year; a PDF saved from it is told in the
    // editor's status line, with its folder.
    QCOMPARE(flow.printing.previewPdfNames, QStringList{"XW73D 2002 control list.pdf"});
    QSignalSpy results(flow.editor.screen.get(), &RecordEditor::resultReported);
    QVERIFY(screen);
    flow.printing.previewSaved.first()("/home/clerk/Documents/list.pdf", 1);
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first(), (QVariantList{"1 page saved to /home/clerk/Documents/list.pdf.",
                                            "/home/clerk/Documents"}));
    QTRY_VERIFY(!screen);
    QCOMPARE(flow.editor.enabledCommands(), usable);
}

void TestSaveFlow::okChecks_data() {
    QTest::addColumn<QString>("name"); // {medium} and {elsewhere} stand for the folders
    QTest::addColumn<QStringList>("onMedium");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("stays");
    const QString changed =
        QStringLiteral("File name cannot be changed.  Please enter as '12345676.MDB' again!");
    const QStringList none;
    QTest::newRow("invalid: space in the name")
        << "{medium}/12 345678.MDB" << none << saverules::spaceText() << true;
    QTest::newRow("invalid: name part changed")
        << "{medium}/12345679.MDB" << none << changed << true;
    QTest::newRow("invalid: medium not blank")
        << "{medium}/12345676.MDB" << QStringList{"letter.txt"} << saverules::notBlankText()
        << false;
    QTest::newRow("invalid: folder missing")
        << "{medium}/gone/12345676.MDB" << none << saverules::driveText() << false;
    QTest::newRow("valid: name in lower case") << "{medium}/12345676.mdb" << none << "" << false;
    QTest::newRow("valid: medium with only a folder and a hidden file")
        << "{medium}/12345676.MDB" << QStringList{"old/", ".hidden"} << "" << false;
    QTest::newRow("valid: other folder, medium not blank")
        << "{elsewhere}/12345676.MDB" << QStringList{"letter.txt"} << "" << false;
    QTest::newRow("valid: pasted backslash as the separator")
        << "{medium}\\12345676.MDB" << none << "" << false;
    QTest::newRow("invalid: pasted backslash, medium not blank")
        << "{medium}\\12345676.MDB" << QStringList{"letter.txt"} << saverules::notBlankText()
        << false;
}

void TestSaveFlow::okChecks() {
    QFETCH(QString, name);
    QFETCH(QStringList, onMedium);
    QFETCH(QString, message);
    QFETCH(bool, stays);
    SaveFlow flow;
    QVERIFY(flow.open(2));
    for (const QString& entry : onMedium)
        QVERIFY(entry.endsWith(u'/') ? QDir(flow.medium.path()).mkdir(entry.chopped(1))
                                     : createFiles(flow.medium.path(), {entry}));
    name.replace("{medium}", flow.medium.path()).replace("{elsewhere}", flow.elsewhere.path());
    QPointer<SaveScreen> screen = flow.pressSave();
    QVERIFY(screen);
    flow.on<FieldEdit>(screen, "tFileName")->setText(name); // as a paste would
    click(flow.on<QPushButton>(screen, "cOK"));
    const QString last = flow.editor.services.lastText();
    QCOMPARE(last == saverules::printerText() ? QString() : last, message);
    QCOMPARE(QFileInfo::exists(saverules::targetPathOf(name)), message.isEmpty());
    // Nothing lands beside the medium, whatever separator the name used.
    QCOMPARE(entriesIn(QFileInfo(flow.medium.path()).path()).filter("12345676"), QStringList());
    QCOMPARE(flow.hasWorkFile("TEMP73D.MDB"), stays);
    if (stays) {
        QVERIFY(screen->isVisible() && flow.on(screen, "tFileName")->isEnabled());
        QVERIFY(flow.on(screen, "cOK")->isVisible() && flow.on(screen, "Label2")->isVisible());
    } else {
        QTRY_VERIFY(!screen);
    }
    QCOMPARE(flow.disabledRecordCommands(), QStringList{"cUpdate"});
}

void TestSaveFlow::originalRecordOutsideTheYear() {
    SaveFlow flow;
    QStringList outside = exampleRecord(" ", "LATER") + QStringList{"ID=9", "EYear2=2003"};
    QVERIFY(flow.open(1, {outside}));
    flow.editor.services.answers = {true, true}; // the save, then the offered problem list
    click(flow.editor.control<QPushButton>("cSaveFloppy"));
    QVERIFY(!flow.editor->findChild<SaveScreen*>("fSave"));
    QCOMPARE(flow.editor.services.boxes.size(), 3);
    QCOMPARE(flow.editor.services.boxes[1].title, QStringLiteral("Error"));
    QCOMPARE(flow.editor.services.boxes[1].text,
             QStringLiteral("The program has detected that some 'Original' type records are not "
                            "updated.  These records will not be saved to floppy.  You must "
                            "update or delete these records before saving to floppy."));
    QCOMPARE(flow.editor.services.boxes[2].title, QStringLiteral("CONFIRMATION"));
    QVERIFY(flow.hasWorkFile("TEMP73D.MDB"));
    // The list offered names the record the save left out.
    auto* list = flow.editor->findChild<ProblemListWindow*>();
    QVERIFY(list && list->isVisible());
    QList<QTreeWidgetItem*> leftOut =
        list->list()->findItems(QStringLiteral("The save leaves this original record out"),
                                Qt::MatchStartsWith, validation::problemColumn);
    QCOMPARE(leftOut.size(), 1);
}

void TestSaveFlow::checkBeforeTheSave_data() {
    QTest::addColumn<QStringList>("changes"); // of the second record
    QTest::addColumn<QList<bool>>("answers"); // the save's confirmation first
    QTest::addColumn<QString>("said");        // the box after the confirmation
    QTest::addColumn<QString>("listed");      // the severity the list shows; empty: no list
    QTest::addColumn<bool>("saveScreen");
    QTest::newRow("an error stops the save")
        << QStringList{"Sex="} << QList<bool>{true}
        << "The return has 1 error and cannot be saved as it is. Correct the records in the list, "
           "then save again."
        << "Errors" << false;
    QTest::newRow("warnings shown stop the save")
        << QStringList{"bIncome=5,000"} << QList<bool>{true, true}
        << "The check of the return found 1 warning.  Do you want to see them?"
        << "Warnings" << false;
    QTest::newRow("warnings not wanted, the save goes on")
        << QStringList{"bIncome=5,000"} << QList<bool>{true, false}
        << "The check of the return found 1 warning.  Do you want to see them?"
        << "" << true;
}

// The check runs after the confirmation and before anything is written: with an error nothing
// is numbered, built or copied to the medium.
void TestSaveFlow::checkBeforeTheSave() {
    QFETCH(QStringList, changes);
    QFETCH(QList<bool>, answers);
    QFETCH(QString, said);
    QFETCH(QString, listed);
    QFETCH(bool, saveScreen);
    SaveFlow flow;
    QVERIFY(flow.open(1, {exampleRecord(" ", "LATER") + QStringList{"ID=9"} + changes}));
    flow.editor.services.answers = answers;
    click(flow.editor.control<QPushButton>("cSaveFloppy"));
    QVERIFY(flow.editor.services.boxes.size() >= 2);
    QCOMPARE(flow.editor.services.boxes[1].text, said);
    auto* list = flow.editor->findChild<ProblemListWindow*>();
    QCOMPARE(list && list->isVisible(), !listed.isEmpty());
    if (list)
        QCOMPARE(list->findChild<QComboBox*>("cSeverityFilter")->currentText(), listed);
    QCOMPARE(flow.editor->findChild<SaveScreen*>("fSave") != nullptr, saveScreen);
    QCOMPARE(flow.hasWorkFile("TEMP73D.MDB"), saveScreen);
    QCOMPARE(QDir(flow.medium.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    // Nothing was numbered either unless the save went on.
    QCOMPARE(flow.editor.db.values("select SheetNo from employee where ID = 9"),
             QStringList{saveScreen ? "1" : " "});
}

// A save screen left open while a record changes so that it falls outside the year: the next
// Save to Floppy stops at the count, and the first screen is gone with the return it was for,
// so nothing incomplete can be saved from it.
void TestSaveFlow::screenLeftOpenWhenTheReturnChanges() {
    SaveFlow flow;
    QPointer<SaveScreen> first = flow.start(2);
    QVERIFY(first && first->isVisible());
    flow.editor.db.state.db().exec(QStringLiteral("UPDATE employee SET EYear2='2003' WHERE ID=2"));
    flow.editor.services.answers = {true, false}; // the save; not the problem list
    click(flow.editor.control<QPushButton>("cSaveFloppy"));
    QVERIFY(flow.editor.services.boxes.value(2).text.startsWith(
        QStringLiteral("The program has detected that some 'Original' type records")));
    QVERIFY(!first);
    QVERIFY(!flow.editor->findChild<SaveScreen*>("fSave"));
    QVERIFY(!flow.hasWorkFile("_a.txt"));
    QCOMPARE(entriesIn(flow.medium.path()), QStringList());
    // With the record corrected the next save screen saves the whole return.
    flow.editor.db.state.db().exec(QStringLiteral("UPDATE employee SET EYear2='2002' WHERE ID=2"));
    QPointer<SaveScreen> second = flow.pressSave();
    QVERIFY(second);
    click(flow.on<QPushButton>(second, "cOK"));
    QCOMPARE(readLogRecord(flow.medium.file("~~log~~.mdb")).totalRecords, QStringLiteral("2"));
}

void TestSaveFlow::enterPressesOk_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("valid: Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("valid: keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void TestSaveFlow::enterPressesOk() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    SaveFlow flow;
    QPointer<SaveScreen> screen = flow.start(1);
    QVERIFY(screen && activate(screen));
    QTest::keyClick(flow.on<FieldEdit>(screen, "tFileName"), Qt::Key(key),
                    Qt::KeyboardModifiers(modifiers));
    QCOMPARE(flow.editor.services.lastText(), saverules::printerText());
    QCOMPARE(entriesIn(flow.medium.path()), QStringList({"12345676.MDB", "~~log~~.mdb"}));
    QTRY_VERIFY(!screen);
}

void TestSaveFlow::filesOfAnInterruptedSave_data() {
    QTest::addColumn<QStringList>("onMedium");
    QTest::addColumn<bool>("removeThem");
    QTest::addColumn<QStringList>("left"); // what the medium holds afterwards
    const QStringList pair{"12345676.MDB", "~~log~~.mdb"};
    const QStringList interrupted{"12345676.MDB.part", "~~log~~.mdb"};
    QTest::newRow("valid: work files removed, then saved") << interrupted << true << pair;
    QTest::newRow("valid: a lone submission removed, then saved")
        << QStringList{"87654321.MDB"} << true << pair;
    QTest::newRow("invalid: the user keeps them") << interrupted << false << interrupted;
    QTest::newRow("invalid: a finished save is no leftover") << pair << true << pair;
}

void TestSaveFlow::filesOfAnInterruptedSave() {
    QFETCH(QStringList, onMedium);
    QFETCH(bool, removeThem);
    QFETCH(QStringList, left);
    SaveFlow flow;
    QVERIFY(createFiles(flow.medium.path(), onMedium));
    QPointer<SaveScreen> screen = flow.start(1);
    QVERIFY(screen);
    flow.editor.services.clear();
    flow.editor.services.answers = {removeThem};
    click(flow.on<QPushButton>(screen, "cOK"));
    const QStringList texts = flow.editor.services.texts();
    const bool asked = saverules::interruptedSaveFiles(onMedium) == onMedium;
    QCOMPARE(texts.value(0) == saverules::interruptedSaveQuestion(onMedium), asked);
    QCOMPARE(texts.last() == saverules::notBlankText(), !(asked && removeThem));
    QCOMPARE(entriesIn(flow.medium.path()), left);
    if (asked && removeThem)
        QVERIFY(verifySubmission(flow.medium.file("12345676.MDB")).first().holds());
    QTRY_VERIFY(!screen);
}

// Without --medium the save screen looks for the medium each time it opens: one mounted after
// the program started is the default target, and the blank-medium rule applies to it.
void TestSaveFlow::mediumMountedAfterTheStart() {
    if (platform::mediumFolder(QString()) != QStringLiteral("/media/floppy"))
        QSKIP("A removable volume is mounted here already");
    SaveFlow flow;
    QVERIFY(flow.open(1));
    flow.editor.db.state.requestedMedium.clear();
    QPointer<SaveScreen> before = flow.pressSave();
    QVERIFY(before);
    QCOMPARE(flow.on<FieldEdit>(before, "tFileName")->text(),
             QStringLiteral("/media/floppy/12345676.MDB"));
    click(flow.on<QPushButton>(before, "cCancel"));
    LoopMedium stick(
        4, QStringLiteral("/run/media/xw73d-test-%1").arg(QCoreApplication::applicationPid()));
    if (!stick.isValid())
        QSKIP("No loop device can be made and mounted here");
    QVERIFY(createFiles(stick.path(), {"letter.txt"}));
    QPointer<SaveScreen> after = flow.pressSave();
    QVERIFY(after);
    QCOMPARE(flow.on<FieldEdit>(after, "tFileName")->text(), stick.file("12345676.MDB"));
    click(flow.on<QPushButton>(after, "cOK"));
    QCOMPARE(flow.editor.services.lastText(), saverules::notBlankText());
    QTRY_VERIFY(!after);
}

enum class MediumFault { FillsUp, ReadOnly, LogNameTaken };

void TestSaveFlow::copyFailures_data() {
    QTest::addColumn<MediumFault>("fault");
    QTest::addColumn<QString>("message");  // how the last box begins; {medium} for the folder
    QTest::addColumn<QStringList>("left"); // what the medium holds afterwards
    QTest::newRow("invalid: medium fills up during the copy")
        << MediumFault::FillsUp
        << "The copy to '{medium}/12345676.MDB' failed: the file is larger than the medium"
        << QStringList();
    QTest::newRow("invalid: read-only medium")
        << MediumFault::ReadOnly << saverules::driveText() << QStringList();
    // A folder on the medium does not make it less blank, but the log cannot take its name:
    // the submission copied before it goes again.
    QTest::newRow("invalid: log's name taken by a folder")
        << MediumFault::LogNameTaken << "The save to '{medium}/~~log~~.mdb' failed"
        << QStringList{"~~log~~.mdb"};
}

void TestSaveFlow::copyFailures() {
    QFETCH(MediumFault, fault);
    QFETCH(QString, message);
    QFETCH(QStringList, left);
    SaveFlow flow;
    QPointer<SaveScreen> screen = flow.start(300);
    QVERIFY(screen);
    const QString working = flow.editor.db.folder.file("xw73d.mdb");
    const QByteArray before = fileBytes(working);
    const qint64 size = QFileInfo(flow.editor.db.folder.file("TEMP73D.MDB")).size();
    if (fault == MediumFault::ReadOnly)
        QVERIFY(QFile::setPermissions(flow.medium.path(), QFile::ReadOwner | QFile::ExeOwner));
    if (fault == MediumFault::LogNameTaken)
        QVERIFY(QDir(flow.medium.path()).mkdir("~~log~~.mdb"));
    {
        WithoutAccessOverride asUser;
        std::optional<FileSizeLimit> limit;
        if (fault == MediumFault::FillsUp)
            limit.emplace(size * 3 / 4); // room for the image and the log, not for the copy
        click(flow.on<QPushButton>(screen, "cOK"));
    }
    QFile::setPermissions(flow.medium.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString last = flow.editor.services.lastText();
    QVERIFY2(last.startsWith(message.replace("{medium}", flow.medium.path())), qPrintable(last));
    QCOMPARE(entriesIn(flow.medium.path()), left);
    QCOMPARE(flow.printing.previews.size(), 0);
    QCOMPARE(fileBytes(working), before);
    for (const QString& name : workFiles)
        QVERIFY2(!flow.hasWorkFile(name), qPrintable(name));
    QTRY_VERIFY(!screen);
    QCOMPARE(flow.disabledRecordCommands(), QStringList{"cUpdate"});
}

// More than a diskette holds: the medium is refused, another folder is not.
void TestSaveFlow::oversizeNeedsOtherMedia() {
    SaveFlow flow;
    constexpr int records = 9000; // about 1.7 MB
    QPointer<SaveScreen> screen = flow.start(records);
    QVERIFY(screen);
    QVERIFY(saverules::isOversize(QFileInfo(flow.editor.db.folder.file("TEMP73D.MDB")).size()));
    QVERIFY(flow.on(screen, "Label1")->isVisible() && !flow.on(screen, "Label2")->isVisible());
    click(flow.on<QPushButton>(screen, "cOK"));
    QCOMPARE(flow.editor.services.lastText(), saverules::changeDriveText());
    QVERIFY(screen && flow.on(screen, "tFileName")->isEnabled());
    flow.on<FieldEdit>(screen, "tFileName")->setText(flow.elsewhere.file("12345676.MDB"));
    bool oversizeProgress = false;
    flow.editor.services.onBox = [&](const ScriptedServices::Box&) {
        oversizeProgress =
            flow.on(screen, "Label3")->isVisible() && !flow.on(screen, "Label4")->isVisible();
    };
    click(flow.on<QPushButton>(screen, "cOK"));
    QVERIFY(oversizeProgress);
    QCOMPARE(entriesIn(flow.elsewhere.path()), QStringList({"12345676.MDB", "~~log~~.mdb"}));
    QCOMPARE(flow.printing.previews.first()->pageCount(),
             (records + controllist::linesPerPage - 1) / controllist::linesPerPage + 1);
}

void TestSaveFlow::nameKeyFilter_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("valid: letter") << int(Qt::Key_B) << int(Qt::NoModifier) << true;
    QTest::newRow("valid: backslash") << int(Qt::Key_Backslash) << int(Qt::NoModifier) << true;
    QTest::newRow("invalid: space") << int(Qt::Key_Space) << int(Qt::NoModifier) << false;
    QTest::newRow("invalid: hyphen") << int(Qt::Key_Minus) << int(Qt::NoModifier) << false;
    QTest::newRow("invalid: paste shortcut") << int(Qt::Key_V) << int(Qt::ControlModifier) << false;
}

void TestSaveFlow::nameKeyFilter() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, accepted);
    SaveFlow flow;
    SaveScreen* screen = flow.start(1);
    QVERIFY(screen && activate(screen));
    auto* name = flow.on<FieldEdit>(screen, "tFileName");
    const QString before = name->text();
    QGuiApplication::clipboard()->setText("pasted");
    flow.editor.services.clear();
    QTest::keyClick(name, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(name->text() != before, accepted);
    QCOMPARE(flow.editor.services.texts(),
             accepted ? QStringList() : QStringList{saverules::invalidCharactersText()});
}

void TestSaveFlow::cancelOrClose_data() {
    QTest::addColumn<bool>("cancel");
    QTest::newRow("valid: Cancel removes the work files") << true;
    QTest::newRow("valid: closing the window keeps them") << false;
}

void TestSaveFlow::cancelOrClose() {
    QFETCH(bool, cancel);
    SaveFlow flow;
    QPointer<SaveScreen> screen = flow.start(1);
    QVERIFY(screen);
    if (cancel)
        click(flow.on<QPushButton>(screen, "cCancel"));
    else
        screen->close();
    QTRY_VERIFY(!screen);
    QCOMPARE(flow.hasWorkFile("TEMP73D.MDB"), !cancel);
    QCOMPARE(entriesIn(flow.medium.path()), QStringList());
}

void TestSaveFlow::savedSubmissionIsArchived_data() {
    QTest::addColumn<bool>("archiveWritable");
    QTest::newRow("valid: kept in the archive") << true;
    QTest::newRow("invalid: archive folder read-only, the save stands") << false;
}

// The archive keeps the very pair on the medium and its control list; an archive that takes
// nothing is told after the control list, the save stands, and the next save is kept.
void TestSaveFlow::savedSubmissionIsArchived() {
    QFETCH(bool, archiveWritable);
    SaveFlow flow;
    QVERIFY(flow.open(3));
    const QString archiveFolder = flow.editor.db.folder.file(archive::folderName);
    QVERIFY(QDir().mkdir(archiveFolder));
    if (!archiveWritable)
        QFile::setPermissions(archiveFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QPointer<SaveScreen> screen = flow.pressSave();
    QVERIFY(screen);
    {
        WithoutAccessOverride asUser;
        click(flow.on<QPushButton>(screen, "cOK"));
    }
    const QString target = flow.medium.file("12345676.MDB");
    for (const SubmissionCheck& check : verifySubmission(target))
        QVERIFY2(check.holds(), qPrintable(check.name));
    QCOMPARE(flow.printing.previews.size(), 1);
    const auto& boxes = flow.editor.services.boxes;
    QCOMPARE(boxes.at(1).text, saverules::printerText());
    QCOMPARE(boxes.size(), archiveWritable ? 2 : 3);
    QFile::setPermissions(archiveFolder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!archiveWritable) {
        QCOMPARE(boxes.last().title, QStringLiteral("Error"));
        QVERIFY2(boxes.last().text.startsWith("The submission is saved, but no copy of it could "
                                              "be kept in the archive"),
                 qPrintable(boxes.last().text));
        QCOMPARE(entriesIn(archiveFolder), QStringList());
        // The next save, onto a fresh medium, keeps its own submission.
        QVERIFY(QFile::remove(target) && QFile::remove(flow.medium.file(logFileName)));
        QTRY_VERIFY(!screen);
        screen = flow.pressSave();
        QVERIFY(screen);
        click(flow.on<QPushButton>(screen, "cOK"));
        QCOMPARE(boxes.size(), 5);
    }
    const QList<archive::Listed> kept = archive::list(flow.editor.db.folder.path(), "qvz");
    QCOMPARE(kept.size(), 1);
    QCOMPARE(int(kept.first().standing), int(archive::Standing::Verifies));
    Database entry = archive::openEntry(kept.first().folder, "qvz");
    {
        const archive::TakenOut pair(entry);
        QCOMPARE(md5OfFile(pair.submissionPath()), md5OfFile(target));
        QCOMPARE(md5OfFile(pair.logPath()), md5OfFile(flow.medium.file(logFileName)));
    }
    QFile pdf(flow.printed.file("kept control list.pdf"));
    QVERIFY(pdf.open(QIODevice::WriteOnly));
    pdf.write(archive::readPart(entry, archive::Part::ControlList));
    pdf.close();
    const QString text = pdfText(pdf.fileName());
    QVERIFY2(text.contains("Grand total (3 records)") && text.contains("720,000"),
             qPrintable(text));
    // No plain copy of the pair stays in the program folder.
    QDirIterator walk(flow.editor.db.folder.path(), QDir::Files | QDir::Hidden,
                      QDirIterator::Subdirectories);
    QStringList left;
    while (walk.hasNext())
        left << QDir(flow.editor.db.folder.path()).relativeFilePath(walk.next());
    left.sort();
    // Beside the database only the entry and the summary the list of returns reads.
    QCOMPARE(left, QStringList({"archive/" + QDir(kept.first().folder).dirName() + "/entry.mdb",
                                returnfiles::summaryFileName, "xw73d.mdb", "xw73d.mdb-journal"}));
}

QTEST_MAIN(TestSaveFlow)
#include "tst_save_flow.moc"
