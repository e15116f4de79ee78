// The record editor's menu bar, shortcuts, status bar, help and About, driven by real keys and
// clicks.
#include "core/common/version.h"
#include "gui/common/user_guide.h"
#include "gui/records/record_editor.h"
#include "support/editor_screen.h"
#include "support/temp_folder.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <tuple>

namespace {

// Each menu item that stands for a button, the button, and the caption the button must show for
// the item to apply (Quit and Cancel share one button).
struct MenuCommand {
    const char* item;
    const char* button;
    const char* caption;
};
const MenuCommand menuCommands[]{
    {"&Import…", "cImport", nullptr},
    {"&Export…", "cExport", nullptr},
    {"Export &template…", "cExportTemplate", nullptr},
    {"Export forms as &PDF files…", "cPrintAll", nullptr},
    {"Save to &Floppy", "cSaveFloppy", nullptr},
    {"&Quit", "cExit", "&Quit"},
    {"&Create new record", "cNew", nullptr},
    {"&Update", "cUpdate", nullptr},
    {"Ca&ncel", "cExit", "&Cancel"},
    {"&Delete", "cDelete", nullptr},
    {"&Print", "cPrint", nullptr},
    {"&Find…", "cNameSearch", nullptr},
    {"Name &Search", "cNameSearch", nullptr},
    {"Sor&t", "cSort", nullptr},
    {"Print &All", "cPrintAll", nullptr},
    {"Chec&k all records", "cCheckAll", nullptr},
};

QAction* menuItem(const EditorScreen& editor, const QString& text) {
    for (QMenu* menu : editor->findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (action->text() == text)
                return action;
    return nullptr;
}

// The items whose enabled state differs from what their button says, as "item: on/off".
QStringList itemsOutOfStep(const EditorScreen& editor) {
    QStringList wrong;
    for (const MenuCommand& command : menuCommands) {
        const auto* button = editor.control<QPushButton>(QLatin1String(command.button));
        const bool expected =
            button->isEnabled() &&
            (!command.caption || button->text() == QLatin1String(command.caption));
        QAction* item = menuItem(editor, QString::fromUtf8(command.item));
        if (!item || item->isEnabled() != expected)
            wrong << QString::fromUtf8(command.item) + (expected ? ": on" : ": off");
    }
    return wrong;
}

QString statusText(const EditorScreen& editor, const char* label) {
    return editor.control<QLabel>(QLatin1String(label))->text();
}

EmployerData acme() {
    EmployerData employer;
    employer.returnYear = QStringLiteral("2001");
    employer.section = QStringLiteral("A");
    employer.fileNumber = QStringLiteral("12345678");
    employer.name = QStringLiteral("ACME LIMITED");
    return employer;
}

// What is typed first ("!Column=text" is pasted), the page then clicked, the keys, then the
// state, whether the run ended, the requests to find, the field with the focus, the status bar's
// result and the message shown.
using ShortcutCase =
    std::tuple<QStringList, int, QKeySequence, CommandState, bool, int, QString, QString, QString>;

// The page shown first, the keys, the page shown then.
using PageCase = std::tuple<int, QKeySequence, int>;

void pressKeys(const QKeySequence& keys) {
    const QKeyCombination combination = keys[0];
    press(combination.key(), combination.keyboardModifiers());
}

} // namespace

class TestEditorShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void menuFollowsTheButtons_data();
    void menuFollowsTheButtons();
    void shortcutsRunTheirCommands_data();
    void shortcutsRunTheirCommands();
    void menuByMouseAndAltKey();
    void pageKeysChangePages_data();
    void pageKeysChangePages();
    void statusBarFollowsTheRecords();
    void resultOffersItsFolder();
    void helpOpensTheGuideAtTheScreen_data();
    void helpOpensTheGuideAtTheScreen();
    void aboutNamesVersionsAndFolders();
};

// In every state, and while a save has some buttons off, each item is on exactly when its
// button is; the tooltips name the keys.
void TestEditorShell::menuFollowsTheButtons_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("enabled");
    const QStringList transfer{"&Import…", "&Export…", "Export &template…", "Chec&k all records"};
    const QStringList browsing = transfer + QStringList{"Export forms as &PDF files…",
                                                        "Save to &Floppy",
                                                        "&Quit",
                                                        "&Create new record",
                                                        "&Delete",
                                                        "&Print",
                                                        "&Find…",
                                                        "Name &Search",
                                                        "Sor&t",
                                                        "Print &All"};
    const QStringList entering = transfer + QStringList{"&Update", "Ca&ncel"};
    QTest::newRow("valid: browsing") << 2 << "" << browsing;
    QTest::newRow("valid: editing") << 2 << "type" << entering;
    QTest::newRow("valid: new record") << 2 << "new" << entering;
    QTest::newRow("valid: no record yet") << 0 << "" << entering;
    QTest::newRow("boundary: while a save runs")
        << 2 << "saving" << (transfer + QStringList{"&Print", "&Find…", "Name &Search"});
    QTest::newRow("boundary: after a save") << 2 << "saved" << browsing;
}

void TestEditorShell::menuFollowsTheButtons() {
    QFETCH(int, records);
    QFETCH(QString, step);
    QFETCH(QStringList, enabled);
    EditorScreen editor;
    QList<QStringList> rows;
    for (int id = 1; id <= records; ++id)
        rows << completeRecord(id, id == 1 ? "AU" : "BO", "MING");
    QString positionWithBox; // what the status bar says while "No record found" is shown
    editor.services.onBox = [&](const ScriptedServices::Box&) {
        positionWithBox = statusText(editor, "lPosition");
    };
    QVERIFY(editor.open(rows));
    QCOMPARE(positionWithBox, records == 0 ? QStringLiteral("No record") : QString());
    if (step == "type")
        editor.typeAll({"Capacity=BOSS"});
    if (step == "new")
        click(editor.control<QPushButton>("cNew"));
    if (step == "saving" || step == "saved")
        editor->setSaving(true);
    if (step == "saved")
        editor->setSaving(false);
    QCOMPARE(itemsOutOfStep(editor), QStringList());
    QStringList on;
    for (const MenuCommand& command : menuCommands)
        if (menuItem(editor, QString::fromUtf8(command.item))->isEnabled())
            on << QString::fromUtf8(command.item);
    std::ranges::sort(on);
    std::ranges::sort(enabled);
    QCOMPARE(on, enabled);
    const bool browsingNow = editor.isIn(CommandState::Browsing);
    QCOMPARE(editor.control<QPushButton>("cExit")->toolTip(),
             browsingNow ? QStringLiteral("Quit (Alt+Q, Ctrl+Q)")
                         : QStringLiteral("Cancel (Alt+C)"));
    QCOMPARE(editor.control<QPushButton>("cUpdate")->toolTip(),
             QStringLiteral("Update (Alt+U, Ctrl+S)"));
    QCOMPARE(editor.control<QPushButton>("cNew")->toolTip(),
             QStringLiteral("Create new record (Alt+C, Ctrl+N)"));
    QCOMPARE(editor.control<QPushButton>("cSort")->toolTip(), QStringLiteral("Sort (Alt+T)"));
}

void TestEditorShell::initTestCase() {
    userguide::installHelpKey(qApp);
}

void TestEditorShell::shortcutsRunTheirCommands_data() {
    QTest::addColumn<ShortcutCase>("shortcutCase");
    const QKeySequence ctrlN(Qt::CTRL | Qt::Key_N);
    const QKeySequence ctrlS(Qt::CTRL | Qt::Key_S);
    const QKeySequence ctrlQ(Qt::CTRL | Qt::Key_Q);
    const QKeySequence ctrlF(Qt::CTRL | Qt::Key_F);
    const QString surnameRefused = QStringLiteral("Invalid character found at Surname!");
    QTest::newRow("valid: Ctrl+N from a field on page 4")
        << ShortcutCase{{}, 4, ctrlN, CommandState::NewRecord, false, 0, "tPage1(0)", "", ""};
    QTest::newRow("invalid: Ctrl+N while editing") << ShortcutCase{
        {"Capacity=BOSS"}, 0, ctrlN, CommandState::Editing, false, 0, "tPage1(8)", "", ""};
    // As after Alt+U, the focus moves on from the Update button, which is off once saved.
    QTest::newRow("valid: Ctrl+S saves the edit") << ShortcutCase{
        {"Capacity=BOSS"},           0, ctrlS, CommandState::Browsing, false, 0, "cDelete",
        "Record of AU, MING saved.", ""};
    QTest::newRow("invalid: Ctrl+S, the field left refuses")
        << ShortcutCase{{"Capacity=BOSS", "!Surname=AU1"},
                        0,
                        ctrlS,
                        CommandState::Editing,
                        false,
                        0,
                        "tPage1(0)",
                        "",
                        surnameRefused};
    QTest::newRow("valid: Ctrl+Q quits while browsing")
        << ShortcutCase{{}, 0, ctrlQ, CommandState::Browsing, true, 0, "cExit", "", ""};
    QTest::newRow("invalid: Ctrl+Q while editing") << ShortcutCase{
        {"Capacity=BOSS"}, 0, ctrlQ, CommandState::Editing, false, 0, "tPage1(8)", "", ""};
    QTest::newRow("valid: Ctrl+F asks for the finder")
        << ShortcutCase{{}, 2, ctrlF, CommandState::Browsing, false, 1, "tddmmyy(0)", "", ""};
    QTest::newRow("invalid: Ctrl+F while editing") << ShortcutCase{
        {"Capacity=BOSS"}, 0, ctrlF, CommandState::Editing, false, 0, "tPage1(8)", "", ""};
}

void TestEditorShell::shortcutsRunTheirCommands() {
    QFETCH(ShortcutCase, shortcutCase);
    const auto& [typing, page, keys, state, ended, finds, focus, result, message] = shortcutCase;
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "AU", "MING"), completeRecord(2, "BO", "LAM")}));
    QSignalSpy findRequests(editor.screen.get(), &RecordEditor::findRequested);
    for (const QString& entry : typing) {
        const auto [column, text] = columnAndValue(entry.startsWith(u'!') ? entry.mid(1) : entry);
        if (entry.startsWith(u'!'))
            editor.paste(editor->field(column), text);
        else
            editor.retype(editor->field(column), text);
    }
    if (page > 0)
        editor.clickPage(page);
    pressKeys(keys);
    QTRY_COMPARE(editor->commandState(), state);
    QCOMPARE(editor.services.ended, ended);
    QCOMPARE(findRequests.size(), finds);
    QCOMPARE(focusName(), focus);
    QCOMPARE(statusText(editor, "lResult"), result);
    QCOMPARE(editor.services.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!result.isEmpty())
        QCOMPARE(editor.db.column("Capacity"), (QStringList{"BOSS", "Clerk"}));
}

// The menus open by their own Alt keys and by the mouse, and their items press the buttons;
// the buttons' Alt keys still reach the buttons.
void TestEditorShell::menuByMouseAndAltKey() {
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "AU", "MING"), completeRecord(2, "BO", "LAM")}));
    auto* bar = editor.control<QMenuBar>("menuBar");
    auto* record = editor.control<QMenu>("menuRecord");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(record->menuAction()).center());
    QTRY_VERIFY(record->isVisible());
    QAction* create = menuItem(editor, "&Create new record");
    QTest::mouseClick(record, Qt::LeftButton, {}, record->actionGeometry(create).center());
    QTRY_VERIFY(editor.isIn(CommandState::NewRecord));
    QTRY_COMPARE(focusName(), QStringLiteral("tPage1(0)"));
    QCOMPARE(statusText(editor, "lPosition"), QStringLiteral("New record"));

    QTest::keyClick(focused(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(record->isVisible());
    QTest::keyClick(record, Qt::Key_N); // Cancel, by the item's own letter
    QTRY_VERIFY(editor.isIn(CommandState::Browsing));
    QCOMPARE(statusText(editor, "lPosition"), QStringLiteral("Record 1 of 2"));
    QVERIFY(!record->isVisible());

    editor.press(Qt::Key_T); // Sort by its button's Alt key
    QTRY_COMPARE(statusText(editor, "lResult"), QStringLiteral("2 original records numbered."));
    QCOMPARE(editor.db.column("SheetNo"), (QStringList{"1", "2"}));
}

void TestEditorShell::pageKeysChangePages_data() {
    QTest::addColumn<PageCase>("pageCase");
    const QKeySequence next(Qt::CTRL | Qt::Key_PageDown);
    const QKeySequence previous(Qt::CTRL | Qt::Key_PageUp);
    QTest::newRow("valid: next from page 1") << PageCase{1, next, 2};
    QTest::newRow("valid: next from page 2, once") << PageCase{2, next, 3};
    QTest::newRow("boundary: next from page 4") << PageCase{4, next, 1};
    QTest::newRow("boundary: previous from page 1") << PageCase{1, previous, 4};
    QTest::newRow("valid: previous from page 3, once") << PageCase{3, previous, 2};
    QTest::newRow("valid: Ctrl+3") << PageCase{1, QKeySequence(Qt::CTRL | Qt::Key_3), 3};
    QTest::newRow("valid: Ctrl+1 from page 4")
        << PageCase{4, QKeySequence(Qt::CTRL | Qt::Key_1), 1};
    QTest::newRow("boundary: Ctrl+2 on page 2")
        << PageCase{2, QKeySequence(Qt::CTRL | Qt::Key_2), 2};
}

void TestEditorShell::pageKeysChangePages() {
    QFETCH(PageCase, pageCase);
    const auto& [from, keys, to] = pageCase;
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "AU", "MING")}));
    editor.clickPage(from);
    if (from == 1)
        click(editor.element("tPage1", 1));
    QVERIFY(editor->isPageVisible(from));
    pressKeys(keys);
    QVERIFY(editor->isPageVisible(to));
    QVERIFY(editor.isIn(CommandState::Browsing));
    QVERIFY(editor.services.boxes.isEmpty());
}

// "Record n of N" follows the record control through moves, a new record, a sort and a delete;
// the employer's name, file number and year stay in view.
void TestEditorShell::statusBarFollowsTheRecords() {
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "CHU", "WAI"), completeRecord(2, "AU", "MING"),
                         completeRecord(3, "BO", "LAM")}));
    editor->setEmployer(acme());
    QCOMPARE(editor->windowTitle(), QStringLiteral("XW73D 3.4 \u2014 ACME LIMITED, 2001"));
    QCOMPARE(statusText(editor, "lEmployer"),
             QStringLiteral("ACME LIMITED   6A1-12345678   Return year 2001"));
    QCOMPARE(statusText(editor, "lPosition"), QStringLiteral("Record 1 of 3"));
    click(editor.arrow("nextButton"));
    QCOMPARE(statusText(editor, "lPosition"), QStringLiteral("Record 2 of 3"));
    click(editor.arrow("lastButton"));
    QCOMPARE(statusText(editor, "lPosition"), QStringLiteral("Record 3 of 3"));
    click(editor.arrow("nextButton"));
    QCOMPARE(statusText(editor, "lPosition"), QStringLiteral("Record 3 of 3"));
    click(editor.control<QPushButton>("cNew"));
    QCOMPARE(statusText(editor, "lPosition"), QStringLiteral("New record"));
    QCOMPARE(focusName(), QStringLiteral("tPage1(0)"));
    QCOMPARE(editor.element("tddmmyy", 2)->placeholderText(), QStringLiteral("YYYY"));
    QCOMPARE(editor.element("tPeriod", 0)->placeholderText(),
             QStringLiteral("YYYYMMDD - YYYYMMDD"));
    editor.press(Qt::Key_C);
    QTRY_COMPARE(statusText(editor, "lPosition"), QStringLiteral("Record 3 of 3"));

    editor.services.answers = {true};
    editor.typeAll({"HKID=A123456", "ChkDigit=3"});
    editor.press(Qt::Key_U);
    QTRY_COMPARE(statusText(editor, "lResult"), QStringLiteral("Record of CHU, WAI saved."));
    editor.press(Qt::Key_D);
    QTRY_COMPARE(statusText(editor, "lResult"), QStringLiteral("Record of CHU, WAI deleted."));
    QCOMPARE(editor.services.texts(),
             QStringList{"Delete 1 employee record!\n\nCHU, WAI   A123456(3)"});
    QCOMPARE(statusText(editor, "lPosition"), QStringLiteral("Record 2 of 2"));
    QCOMPARE(statusText(editor, "lEmployer"),
             QStringLiteral("ACME LIMITED   6A1-12345678   Return year 2001"));
}

// A result that wrote a file offers its folder, which the desktop opens; the next result
// without a file takes the offer away.
void TestEditorShell::resultOffersItsFolder() {
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "AU", "MING")}));
    auto* openFolder = editor.control<QLabel>("lOpenFolder");
    QVERIFY(!openFolder->isVisible());
    const QString folder = editor.db.folder.path();
    editor->reportResult(QStringLiteral("3 pages saved to %1/forms.pdf.").arg(folder), folder);
    QCOMPARE(statusText(editor, "lResult"),
             QStringLiteral("3 pages saved to %1/forms.pdf.").arg(folder));
    QVERIFY(openFolder->isVisible());
    click(openFolder);
    QCOMPARE(editor.services.openedUrls, QList<QUrl>{QUrl::fromLocalFile(folder)});
    QVERIFY(editor.services.boxes.isEmpty());

    editor.services.desktopOpens = false;
    click(openFolder);
    QCOMPARE(editor.services.texts(),
             QStringList{
                 QStringLiteral("No program on this computer opens the folder %1.").arg(folder)});

    editor.press(Qt::Key_T);
    QTRY_COMPARE(statusText(editor, "lResult"), QStringLiteral("1 original record numbered."));
    QVERIFY(!openFolder->isVisible());
}

// F1 opens the built guide at the page of the screen: in the editor, at the page shown.
void TestEditorShell::helpOpensTheGuideAtTheScreen_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("anchor");
    QTest::newRow("valid: editor page 1") << 1 << "entering.html"
                                          << "page-1";
    QTest::newRow("valid: editor page 3") << 3 << "entering.html"
                                          << "page-3";
    QTest::newRow("valid: editor page 4") << 4 << "entering.html"
                                          << "page-4";
    QTest::newRow("valid: the name search") << 0 << "entering.html"
                                            << "name-search";
}

void TestEditorShell::helpOpensTheGuideAtTheScreen() {
    QFETCH(int, page);
    QFETCH(QString, file);
    QFETCH(QString, anchor);
    EditorScreen editor;
    QVERIFY(editor.open({completeRecord(1, "AU", "MING")}));
    if (page > 0) {
        editor.clickPage(page);
    } else {
        editor.press(Qt::Key_S);
        QTRY_VERIFY(editor.nameSearch() && editor.nameSearch()->isActiveWindow());
    }
    press(Qt::Key_F1);
    QCOMPARE(editor.services.openedUrls.size(), 1);
    const QUrl url = editor.services.openedUrls.first();
    QCOMPARE(QFileInfo(url.toLocalFile()).fileName(), file);
    QVERIFY2(QFileInfo(url.toLocalFile()).isFile(), qPrintable(url.toLocalFile()));
    QCOMPARE(url.fragment(), anchor);
    QFile guide(url.toLocalFile());
    QVERIFY(guide.open(QIODevice::ReadOnly));
    QVERIFY(guide.readAll().contains(QStringLiteral("id=\"%1\"").arg(anchor).toUtf8()));
    QVERIFY(editor.services.boxes.isEmpty());
}

void TestEditorShell::aboutNamesVersionsAndFolders() {
    EditorScreen editor;
    TempFolder medium;
    editor.db.state.requestedMedium = medium.path();
    QVERIFY(editor.open({completeRecord(1, "AU", "MING")}));
    menuItem(editor, "&About XW73D")->trigger();
    auto* about = editor->findChild<QDialog*>("fAbout");
    QVERIFY(about && about->isVisible());
    const auto text = [about](const char* name) {
        return about->findChild<QLabel*>(QLatin1String(name))->text();
    };
    QCOMPARE(text("lVersion"), programVersion());
    QCOMPARE(text("lProgramFolder"), QDir::toNativeSeparators(editor.db.folder.path()));
    QCOMPARE(text("lMediumFolder"), QDir::toNativeSeparators(medium.path()));
    QCOMPARE(text("lQtVersion"), QString::fromLatin1(qVersion()));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+"))
                 .match(text("lEngineVersion"))
                 .hasMatch(),
             qPrintable(text("lEngineVersion")));
    QVERIFY(editor.services.boxes.isEmpty());
}

QTEST_MAIN(TestEditorShell)
#include "tst_editor_shell.moc"
