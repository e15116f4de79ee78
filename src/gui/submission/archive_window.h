#pragma once

#include <QList>
#include <QWidget>

class FieldEdit;
class QPushButton;
class QTreeWidget;
struct RunState;
namespace archive {
struct Listed;
}

// "archiveWindow", Return > Saved submissions…: every submission kept in the return's archive,
// newest first, with its date, target, record count, total and whether it still verifies. For
// the one selected: Verify, Show control list (drawn anew from the archived files), Copy to a
// medium (the save's rules for the name and the medium, then the verified copy of the archived
// pair, nothing else read or written) and Open folder.
class ArchiveWindow : public QWidget {
    Q_OBJECT
public:
    ArchiveWindow(RunState& state, QWidget* parent = nullptr);
    ~ArchiveWindow() override;

    // Reads the archive anew and checks every entry.
    void reload();

private:
    void buildScreen();
    void fillList();
    const archive::Listed* selected() const;
    void selectionChanged();
    void verifySelected();
    void showControlList();
    void copyToMedium();
    bool copyPassesChecks(const archive::Listed& entry, const QString& target);
    void openFolder();

    RunState& m_state;
    QString m_mediumFolder; // looked up when the window opens, as the save screen does
    QList<archive::Listed> m_entries;

    QTreeWidget* m_list = nullptr;
    FieldEdit* m_targetEdit = nullptr;
    QPushButton* m_verifyButton = nullptr;
    QPushButton* m_showListButton = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_openFolderButton = nullptr;
};

// Opens the window over the editor, or brings the one open to the front.
void openArchiveWindow(RunState& state, QWidget* parent);
