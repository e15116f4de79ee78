#include "gui/records/command_links.h"

#include "core/common/files.h"
#include "gui/common/message_boxes.h"
#include "gui/platform/desktop_services.h"
#include "gui/records/command_bar.h"
#include "gui/records/record_editor.h"
#include "gui/submission/save_screen.h"
#include "gui/widgets/widgets.h"
#include "store/startup/run_state.h"
#include "store/submission/submission_database.h"

#include <QFileInfo>
#include <QObject>

namespace {

// After the message the user may open the whole return's problem list, which names the records
// left out and why.
void showOriginalsNotUpdated(RecordEditor& editor) {
    showError(QObject::tr("The program has detected that some 'Original' type records are not "
                          "updated.  These records will not be saved to floppy.  You must "
                          "update or delete these records before saving to floppy."));
    if (confirm(QObject::tr("Do you want to see the list of problems in the return?")))
        showReturnProblems(editor);
}

// While a save runs the commands that change records are off.
void openSaveScreen(RecordEditor& editor, bool oversize) {
    auto* screen = new SaveScreen(editor.runState(), editor.employer().fileNumber, &editor);
    QObject::connect(screen, &SaveScreen::savingChanged, &editor,
                     [&editor](bool saving) { editor.setSaving(saving); });
    QObject::connect(
        screen, &SaveScreen::pdfSaved, &editor,
        [&editor](const QString& path, int pages) { reportSavedPdf(editor, path, pages); });
    screen->setOversize(oversize);
    widgets::showInFront(screen);
}

void saveToMedium(RecordEditor& editor) {
    if (!confirm(QObject::tr("This function sorts the XW73D records automatically, saves "
                             "XW73D data file to diskette and produces XW73D control list "
                             "for submission to XWD.  Please press 'YES' to proceed.")))
        return;
    if (!checkBeforeSave(editor))
        return;
    // The return is built again now, or the command stops: an open screen's OK must save
    // neither what it leaves nor a return built for another screen.
    if (SaveScreen* open = editor.findChild<SaveScreen*>()) {
        open->discard();
        delete open;
    }
    if (!editor.sortRecords())
        return;
    RunState& state = editor.runState();
    qint64 copied = 0;
    {
        platform::WaitCursor hourglass;
        if (!runReportingErrors([&] {
                copied =
                    buildSubmission(state.db(), state.programFolder, editor.employer().returnYear);
            }))
            return;
    }
    if (copied != editor.sheetCounter()) {
        showOriginalsNotUpdated(editor);
        return;
    }
    const QString built = files::inFolder(state.programFolder, submissionFileName);
    openSaveScreen(editor, saverules::isOversize(QFileInfo(built).size()));
}

} // namespace

void linkSaving(RecordEditor& editor) {
    QObject::connect(&editor.commands(), &CommandBar::saveToMediumPressed, &editor,
                     [&editor] { saveToMedium(editor); });
}
