#pragma once

#include <QHash>
#include <QMenuBar>

class CommandBar;
class QPushButton;
class RecordEditor;

// The record editor's menu bar: every command of its buttons with the standard shortcuts, the
// pages by Ctrl+Page Down, Ctrl+Page Up and Ctrl+1 to 4, the user guide and About. An item runs
// its command by its button, so that it behaves as the button does, and is enabled exactly when
// the button is.
class EditorMenu : public QMenuBar {
    Q_OBJECT
public:
    EditorMenu(RecordEditor& editor, CommandBar& commands);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addFileMenu();
    // Open return, New return, Next year's return and the returns opened last.
    void addReturnsItems(QMenu* menu);
    void fillRecentReturns(QMenu* recent);
    void addRecordMenu();
    void addReturnMenu();
    void addHelpMenu();
    void addLanguageItems(QMenu* help);
    void addPageKeys();
    // An item that runs a button's command; `caption` is the button's caption it stands for when
    // one button has two (Quit and Cancel).
    QAction* addCommand(QMenu* menu, const QString& text, const char* button,
                        const QKeySequence& shortcut = {}, const QString& caption = {});
    // An item of its own that is enabled when a button is (with that caption, when given).
    QAction* addFollower(QMenu* menu, const QString& text, const char* button,
                         const QKeySequence& shortcut = {}, const QString& caption = {});
    void follow(QPushButton* button);
    void describeShortcuts(QPushButton* button);

    struct Follower {
        QAction* action;
        QString caption; // empty: whatever the button's caption
        bool stands(const QString& shown) const { return caption.isEmpty() || shown == caption; }
    };
    RecordEditor& m_editor;
    CommandBar& m_commands;
    QMultiHash<QPushButton*, Follower> m_followers;
};
