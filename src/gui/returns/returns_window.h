#pragma once

#include <QDialog>

class QPushButton;
class QTreeWidget;

// The list of returns in the workspace, before the start-up (or over the editor, to switch):
// one row a return with its employer, file number, year, records, last change and last save,
// and a word for one that cannot be opened. It only chooses; the shell opens, makes or switches.
class ReturnsWindow : public QDialog {
    Q_OBJECT
public:
    // `openHere`: the folder of the return this copy has open, if any.
    ReturnsWindow(QString workspaceFolder, QString userProgramFolder, QString openHere = {},
                  QWidget* parent = nullptr);

    // The settings key of the folder last opened, which the list selects (Enter opens it).
    static QString lastOpenedKey();

signals:
    void openChosen(const QString& folder);
    void newReturnChosen();
    void nextYearChosen(const QString& folder);

private:
    void reload();
    void selectFolder(const QString& folder);
    QString selectedFolder() const;
    // The selected row's folder when it can be opened; otherwise the user is told why.
    QString openableSelection();
    void open();
    void nextYear();
    void removeSelected();

    QString m_workspaceFolder;
    QString m_userProgramFolder;
    QString m_openHere;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_openButton = nullptr;
    QPushButton* m_newButton = nullptr;
    QPushButton* m_nextYearButton = nullptr;
    QPushButton* m_removeButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};
