#include "gui/records/editor_menu.h"

#include "core/records/field_rules.h"
#include "gui/common/about_dialog.h"
#include "gui/common/user_guide.h"
#include "gui/records/command_bar.h"
#include "gui/records/command_links.h"
#include "gui/records/record_editor.h"
#include "gui/submission/archive_window.h"
#include "gui/widgets/widgets.h"

#include "core/platform/language.h"
#include "core/platform/settings.h"
#include "gui/common/message_boxes.h"

#include <QActionGroup>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QObject>
#include <QPushButton>
#include <QShortcut>

namespace {

// Gives the button the focus as its Alt key does, so that the field being left is checked
// first; a field that refuses to be left keeps the focus and the command does not run.
void press(QPushButton* button) {
    if (!button->isEnabled())
        return;
    button->setFocus(Qt::ShortcutFocusReason);
    if (button->window()->focusWidget() == button)
        button->click();
}

QKeySequence ctrl(Qt::Key key) {
    return QKeySequence(Qt::CTRL | key);
}

} // namespace

EditorMenu::EditorMenu(RecordEditor& editor, CommandBar& commands)
    : QMenuBar(&editor)
    , m_editor(editor)
    , m_commands(commands) {
    setObjectName(QStringLiteral("menuBar"));
    addFileMenu();
    addRecordMenu();
    addReturnMenu();
    addHelpMenu();
    addPageKeys();
    connect(&commands, &CommandBar::quitCaptionChanged, this, [this] {
        QPushButton* quit = m_commands.command("cExit");
        follow(quit);
        describeShortcuts(quit);
    });
}

// The menus' own Alt letters are ones no button of the editor uses, so that every Alt key of the
// buttons still reaches its button.
void EditorMenu::addFileMenu() {
    QMenu* menu = widgets::named(addMenu(QObject::tr("Fi&le")), "menuFile");
    addCommand(menu, QObject::tr("&Import…"), "cImport");
    addCommand(menu, QObject::tr("&Export…"), "cExport");
    addCommand(menu, QObject::tr("Export &template…"), "cExportTemplate");
    connect(addFollower(menu, QObject::tr("Export forms as &PDF files…"), "cPrintAll"),
            &QAction::triggered, &m_editor, &RecordEditor::exportFormsRequested);
    addReturnsItems(menu);
    menu->addSeparator();
    addCommand(menu, QObject::tr("Save to &Floppy"), "cSaveFloppy");
    menu->addSeparator();
    addCommand(menu, QObject::tr("&Quit"), "cExit", ctrl(Qt::Key_Q), QObject::tr("&Quit"));
}

void EditorMenu::addReturnsItems(QMenu* menu) {
    menu->addSeparator();
    widgets::named(menu->addAction(tr("&Open return…")), "actionOpenReturn");
    connect(menu->actions().last(), &QAction::triggered, &m_editor,
            &RecordEditor::returnsRequested);
    widgets::named(menu->addAction(tr("&New return…")), "actionNewReturn");
    connect(menu->actions().last(), &QAction::triggered, &m_editor,
            &RecordEditor::newReturnRequested);
    widgets::named(menu->addAction(tr("Next &year's return…")), "actionNextYear");
    connect(menu->actions().last(), &QAction::triggered, &m_editor,
            &RecordEditor::nextYearRequested);
    QMenu* recent = widgets::named(menu->addMenu(tr("&Recent returns")), "menuRecentReturns");
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecentReturns(recent); });
    fillRecentReturns(recent);
}

// The returns opened last, this one left out, read afresh each time the menu opens.
void EditorMenu::fillRecentReturns(QMenu* recent) {
    recent->clear();
    const QStringList folders =
        platform::settings().value(RecordEditor::recentReturnsKey()).toStringList();
    for (const QString& folder : folders) {
        if (QDir(folder) == QDir(m_editor.programFolder()) || !QFileInfo(folder).isDir())
            continue;
        QAction* item = recent->addAction(QDir::toNativeSeparators(folder));
        connect(item, &QAction::triggered, &m_editor,
                [this, folder] { emit m_editor.returnRequested(folder); });
    }
    recent->setEnabled(!recent->isEmpty());
}

void EditorMenu::addRecordMenu() {
    QMenu* menu = widgets::named(addMenu(QObject::tr("&Record")), "menuRecord");
    addCommand(menu, QObject::tr("&Create new record"), "cNew", ctrl(Qt::Key_N));
    addCommand(menu, QObject::tr("&Update"), "cUpdate", ctrl(Qt::Key_S));
    addCommand(menu, QObject::tr("Ca&ncel"), "cExit", {}, QObject::tr("&Cancel"));
    addCommand(menu, QObject::tr("&Delete"), "cDelete");
    menu->addSeparator();
    addCommand(menu, QObject::tr("&Print"), "cPrint", ctrl(Qt::Key_P));
    connect(addFollower(menu, QObject::tr("Print Pre&view"), "cPrint",
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)),
            &QAction::triggered, this, [this] { previewCurrentRecord(m_editor); });
    menu->addSeparator();
    // Finding a record moves the record control, as choosing a name does.
    QAction* find = addFollower(menu, QObject::tr("&Find…"), "cNameSearch", ctrl(Qt::Key_F));
    find->setObjectName(QStringLiteral("actionFind"));
    connect(find, &QAction::triggered, &m_editor, &RecordEditor::findRequested);
    addCommand(menu, QObject::tr("Name &Search"), "cNameSearch");
}

void EditorMenu::addReturnMenu() {
    QMenu* menu = widgets::named(addMenu(QObject::tr("Retur&n")), "menuReturn");
    addCommand(menu, QObject::tr("Sor&t"), "cSort");
    addCommand(menu, QObject::tr("Print &All"), "cPrintAll");
    addCommand(menu, QObject::tr("Chec&k all records"), "cCheckAll");
    menu->addSeparator();
    connect(widgets::named(menu->addAction(QObject::tr("Sa&ved submissions…")),
                           "actionSavedSubmissions"),
            &QAction::triggered, this,
            [this] { openArchiveWindow(m_editor.runState(), &m_editor); });
}

void EditorMenu::addHelpMenu() {
    QMenu* menu = widgets::named(addMenu(QObject::tr("&Help")), "menuHelp");
    QAction* guide = menu->addAction(QObject::tr("User &guide"));
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    connect(guide, &QAction::triggered, this, [this] {
        for (int page = 1; page <= 4; ++page)
            if (m_editor.isPageVisible(page))
                userguide::open(userguide::editorPage(page));
    });
    addLanguageItems(menu);
    connect(menu->addAction(QObject::tr("&About XW73D")), &QAction::triggered, this,
            [this] { showAbout(&m_editor, m_editor.runState()); });
}

// Each language is named in its own words, so that a user who cannot read the one shown finds
// the other. The choice is kept with the settings and takes effect at the next start, when every
// window is built in it; the box says so in both languages.
void EditorMenu::addLanguageItems(QMenu* help) {
    QMenu* menu = widgets::named(help->addMenu(tr("&Language")), "menuLanguage");
    auto* choices = new QActionGroup(menu);
    const auto add = [&](language::Language choice, const QString& caption, const char* name,
                         const QString& notice) {
        QAction* item = widgets::named(choices->addAction(caption), name);
        item->setCheckable(true);
        item->setChecked(language::current() == choice);
        menu->addAction(item);
        connect(item, &QAction::triggered, this, [choice, notice] {
            platform::settings().setValue(language::settingsKey(), language::code(choice));
            showInformation(notice);
        });
    };
    add(language::Language::English, QStringLiteral("&English"), "actionLanguageEnglish",
        QStringLiteral("The program speaks English from its next start.\n"
                       "程式下次啟動時改用英文。"));
    add(language::Language::Chinese, QStringLiteral("中文 (香港)(&C)"), "actionLanguageChinese",
        QStringLiteral("程式下次啟動時改用中文（香港）。\n"
                       "The program speaks Chinese (Hong Kong) from its next start."));
}

// Ctrl+Page Down and Ctrl+Page Up go round the pages as Page Down and Page Up do in a field;
// Ctrl+1 to Ctrl+4 go straight to a page.
void EditorMenu::addPageKeys() {
    const auto addKey = [this](const QKeySequence& keys, auto target) {
        connect(new QShortcut(keys, &m_editor), &QShortcut::activated, this, [this, target] {
            int visible = 1;
            while (visible < 4 && !m_editor.isPageVisible(visible))
                ++visible;
            m_editor.showPage(target(visible));
        });
    };
    addKey(ctrl(Qt::Key_PageDown),
           [](int page) { return fieldrules::pageForKey(page, Qt::Key_PageDown); });
    addKey(ctrl(Qt::Key_PageUp),
           [](int page) { return fieldrules::pageForKey(page, Qt::Key_PageUp); });
    for (int page = 1; page <= 4; ++page)
        addKey(ctrl(static_cast<Qt::Key>(Qt::Key_0 + page)), [page](int) { return page; });
}

QAction* EditorMenu::addCommand(QMenu* menu, const QString& text, const char* button,
                                const QKeySequence& shortcut, const QString& caption) {
    QAction* action = addFollower(menu, text, button, shortcut, caption);
    QPushButton* pressed = m_commands.command(button);
    connect(action, &QAction::triggered, pressed, [pressed] { press(pressed); });
    follow(pressed);
    describeShortcuts(pressed);
    return action;
}

QAction* EditorMenu::addFollower(QMenu* menu, const QString& text, const char* button,
                                 const QKeySequence& shortcut, const QString& caption) {
    QPushButton* followed = m_commands.command(button);
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    m_followers.insert(followed, {action, caption});
    followed->installEventFilter(this);
    follow(followed);
    return action;
}

// The buttons' enabled states change in many places (the command states, a running save);
// the menu follows each change as it happens.
bool EditorMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        if (auto* button = qobject_cast<QPushButton*>(watched))
            follow(button);
    return QMenuBar::eventFilter(watched, event);
}

void EditorMenu::follow(QPushButton* button) {
    for (auto found = m_followers.find(button); found != m_followers.end() && found.key() == button;
         ++found)
        found->action->setEnabled(button->isEnabled() && found->stands(button->text()));
}

// "Update (Alt+U, Ctrl+S)": the button's Alt key and the shortcut of its menu item.
void EditorMenu::describeShortcuts(QPushButton* button) {
    QStringList keys{QKeySequence::mnemonic(button->text()).toString(QKeySequence::NativeText)};
    for (auto found = m_followers.find(button); found != m_followers.end() && found.key() == button;
         ++found)
        if (!found->action->shortcut().isEmpty() && found->stands(button->text()))
            keys << found->action->shortcut().toString(QKeySequence::NativeText);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(
        widgets::spokenText(button->text()).simplified(), keys.join(QStringLiteral(", "))));
}
