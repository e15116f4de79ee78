#pragma once

#include "core/submission/save_rules.h"

#include "gui/platform/desktop_services.h"

#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>

class ControlList;
class FieldEdit;
class QLabel;
class QProgressBar;
class QPushButton;
struct RunState;
namespace saveflow {
struct Outcome;
}

// The save screen (object name "fSave"), shown modeless over the record editor once the
// submission file TEMP73D.MDB is built in the program folder. OK checks the file name and the
// medium, writes the text image and the log, copies both files to the medium, verified, shows
// the control list from the copies and removes the work files; Cancel removes the work files.
class SaveScreen : public QWidget {
    Q_OBJECT
public:
    SaveScreen(RunState& state, QString fileNumber, QWidget* parent = nullptr);

    // Shows the instruction for a diskette, or the one for other media when the file is too big.
    void setOversize(bool oversize);
    // Cancel: removes the work files of the return built for this screen and closes it.
    void discard();

signals:
    // The save began after OK, or ended in any way: the records must not change in between.
    void savingChanged(bool saving);
    // The control list was saved as a PDF file from its preview.
    void pdfSaved(const QString& path, int pages);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildScreen();
    void applyState(saverules::ScreenState state);
    bool fileNameKey(char32_t key);
    void confirmSave();
    saveflow::Outcome save(const QString& target);
    saveflow::Outcome showControlList(const QString& target, std::shared_ptr<ControlList>& shown);
    void showControlListPreview(const std::shared_ptr<ControlList>& list);
    void showProgress(int permille);
    // Every way a save ends after OK: the messages, the work files removed, the screen closed.
    void endSave(const QStringList& messages);
    void removeWorkFiles();

    RunState& m_state;
    QString m_fileNumber;
    // Looked up when the screen opens: a medium is often inserted after the program started.
    QString m_mediumFolder;
    bool m_oversize = false;
    bool m_saving = false;
    // The hourglass while the save works; put away while a message box waits for the user.
    std::optional<platform::WaitCursor> m_hourglass;

    FieldEdit* m_fileNameEdit = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_normalInstruction = nullptr;
    QLabel* m_oversizeInstruction = nullptr;
    QLabel* m_oversizeProgress = nullptr;
    QLabel* m_normalProgress = nullptr;
    QProgressBar* m_progressBar = nullptr;
};
