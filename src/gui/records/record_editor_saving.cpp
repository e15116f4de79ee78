// The record editor's Save to Floppy: the records numbered, the submission built and its count
// compared with the numbered originals, then the save screen shown modeless. While a save runs
// the commands that change records are off.
#include "gui/records/record_editor.h"

#include "core/common/files.h"
#include "gui/common/message_boxes.h"
#include "gui/platform/desktop_services.h"
#include "gui/submission/save_screen.h"
#include "store/startup/run_state.h"
#include "store/submission/submission_database.h"

#include <QFileInfo>
#include <QPushButton>
#include <QStackedWidget>

void RecordEditor::wireSaveCommand() {
    connect(m_saveToMediumButton, &QPushButton::clicked, this, &RecordEditor::saveToMedium);
}

void RecordEditor::saveToMedium() {
    if (!confirm(QStringLiteral("This function sorts the XW73D records automatically, saves "
                                "XW73D data file to diskette and produces XW73D control list "
                                "for submission to XWD.  Please press 'YES' to proceed.")))
        return;
    // The return is built again now, or the command stops: an open screen's OK must save
    // neither what it leaves nor a return built for another screen.
    if (m_saveScreen) {
        m_saveScreen->discard();
        delete m_saveScreen;
    }
    if (!sortRecords())
        return;
    qint64 copied = 0;
    {
        platform::WaitCursor hourglass;
        if (!runReportingErrors([&] {
                copied = buildSubmission(m_state.db(), m_state.programFolder, returnYear());
            }))
            return;
    }
    if (copied != m_sheetCounter) {
        showOriginalsNotUpdated();
        return;
    }
    const QString built = files::inFolder(m_state.programFolder, submissionFileName);
    openSaveScreen(saverules::isOversize(QFileInfo(built).size()));
}

// After the message the user may open the whole return's problem list, which names the records
// left out and why.
void RecordEditor::showOriginalsNotUpdated() {
    showError(QStringLiteral("The program has detected that some 'Original' type records are not "
                             "updated.  These records will not be saved to floppy.  You must "
                             "update or delete these records before saving to floppy."));
    if (confirm(tr("Do you want to see the list of problems in the return?")))
        showReturnProblems();
}

void RecordEditor::openSaveScreen(bool oversize) {
    m_saveScreen = new SaveScreen(m_state, m_employer.fileNumber, this);
    connect(m_saveScreen, &SaveScreen::savingChanged, this,
            [this](bool saving) { setRecordCommandsEnabled(!saving); });
    m_saveScreen->setOversize(oversize);
    m_saveScreen->show();
    m_saveScreen->raise();
    m_saveScreen->activateWindow();
}

void RecordEditor::setRecordCommandsEnabled(bool enabled) {
    m_saving = !enabled;
    m_pageStack->setEnabled(enabled);
    if (enabled) {
        applyCommandState(m_commandState);
        return;
    }
    for (QPushButton* command : {m_newRecordButton, m_updateButton, m_deleteButton, m_quitButton,
                                 m_sortButton, m_printAllButton, m_saveToMediumButton})
        command->setEnabled(false);
}
