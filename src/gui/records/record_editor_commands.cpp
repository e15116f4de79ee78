// The record editor's command states and its record commands: Create new record, Update,
// Delete, Quit/Cancel, Sort, the record type, and the tidy-up when the window closes.
#include "gui/records/record_editor.h"
#include "gui/records/record_editor_parts.h"

#include "core/platform/services.h"
#include "core/records/editor_texts.h"
#include "core/records/record_types.h"
#include "core/records/report_temp_files.h"
#include "core/startup/paths.h"
#include "gui/common/message_boxes.h"
#include "gui/platform/desktop_services.h"
#include "gui/records/command_bar.h"
#include "gui/records/navigator.h"
#include "gui/records/page_frame.h"
#include "gui/records/record_pages.h"
#include "gui/widgets/field_edit.h"
#include "store/records/record_session.h"
#include "store/startup/run_state.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QObject>
#include <QRadioButton>

void RecordEditor::wireCommands() {
    CommandBar* commands = m_parts->commands;
    connect(commands, &CommandBar::newRecordPressed, this,
            [this] { runReportingErrors([this] { newRecordState(); }); });
    connect(commands, &CommandBar::updatePressed, this, &RecordEditor::updateRecord);
    connect(commands, &CommandBar::deletePressed, this, &RecordEditor::deleteRecord);
    connect(commands, &CommandBar::quitOrCancelPressed, this, &RecordEditor::quitOrCancel);
    connect(commands, &CommandBar::nameSearchPressed, this, &RecordEditor::nameSearchRequested);
    // Print All, the export of forms and the save number the records too, and tell their own
    // results; only the Sort command's numbering is the result to tell.
    connect(commands, &CommandBar::sortPressed, this, [this] {
        if (sortRecords())
            reportResult(editortexts::recordsNumbered(sheetCounter()));
    });
}

void RecordEditor::applyCommandState(CommandState state) {
    m_parts->navigator->setEnabled(state == CommandState::Browsing);
    if (state == CommandState::NewRecord)
        m_parts->navigator->setCaption(QObject::tr("New Record"));
    m_parts->commands->apply(state);
    showPosition();
}

void RecordEditor::rememberCurrentId() {
    if (const std::optional<QString> failure = m_parts->session.rememberCurrentId())
        showPlain(*failure);
}

void RecordEditor::markRecordChanged() {
    if (commandState() != CommandState::Browsing)
        return;
    rememberCurrentId();
    if (runReportingErrors([this] { m_parts->session.beginEdit(); }))
        applyCommandState(CommandState::Editing);
}

void RecordEditor::endOfEditState() {
    m_parts->session.endEdit();
    applyCommandState(CommandState::Browsing);
    if (m_parts->status()->text().isEmpty())
        m_parts->status()->setText(recordtype::code(recordtype::original));
    showPage(1);
    m_parts->tracking = true;
}

void RecordEditor::newRecordState() {
    if (!isNoRecordMode())
        rememberCurrentId();
    m_parts->tracking = false;
    m_parts->session.addNew();
    showCurrentRecord();
    applyCommandState(CommandState::NewRecord);
    m_parts->status()->setText(recordtype::code(recordtype::original));
    for (const char* cleared : {"tIncome", "tRent1"})
        for (FieldEdit* amount : m_parts->binder.elements(cleared))
            amount->clear();
    showPage(1);
    m_parts->newRecordTexts = m_parts->binder.texts();
    // A new record is typed from its surname on, whatever field had the focus before.
    m_parts->binder.element("tPage1", 0)->setFocus();
}

bool RecordEditor::hasUnsavedChanges() const {
    if (commandState() == CommandState::NewRecord)
        return m_parts->binder.texts() != m_parts->newRecordTexts;
    return commandState() == CommandState::Editing;
}

void RecordEditor::chooseRecordType(int index) {
    const QString code = recordtype::code(recordtype::recordTypes[static_cast<std::size_t>(index)]);
    if (m_parts->status()->text() == code)
        return;
    markRecordChanged();
    m_parts->status()->setText(code);
    if (index == 0)
        m_parts->sheetNumber()->setText(QStringLiteral(" "));
}

void RecordEditor::showRecordType() {
    const QString status = m_parts->status()->text();
    if (recordtype::isPlaceholder(status))
        return;
    const int option = recordtype::indexOf(status);
    if (option < 0) {
        m_parts->status()->setText(recordtype::code(recordtype::original));
        return;
    }
    m_parts->pages->identityPage().recordTypeOption(option)->setChecked(true);
    m_parts->sheetNumber()->setEnabled(option != 0);
    m_parts->sheetNumber()->setGreyed(option == 0);
}

// The first failure is shown on its page with the focus on its field.
void RecordEditor::showPageFailure(const PageFailure& failure) {
    if (!isPageVisible(failure.page))
        showPage(failure.page);
    showError(failure.message);
    FieldEdit* target = field(failure.focusColumn);
    if (failure.clearFocusField)
        target->clear();
    target->setFocus();
}

// The fields show what the save writes (upper-cased names, a new record's identifier) whether it
// saved or not; a refused save leaves the record being edited with every typed text on screen.
void RecordEditor::updateRecord() {
    const RecordSession::SaveOutcome outcome =
        m_parts->session.save(m_parts->binder.texts(), m_employer.returnYear, visiblePage());
    m_parts->binder.showChanged(outcome.changedTexts);
    if (outcome.failure)
        showPageFailure(*outcome.failure);
    else if (outcome.refusal)
        showError(outcome.refusal->description());
    if (!outcome.saved())
        return;
    runReportingErrors([this, &outcome] { showSavedRecord(outcome.change); });
    endOfEditState();
    reportResult(editortexts::recordSaved(field(QStringLiteral("Surname"))->text(),
                                          field(QStringLiteral("FirstName"))->text()));
}

// The list and the name list change by the saved entry rather than being read again, except
// for the first record of an empty database.
void RecordEditor::showSavedRecord(const NameChange& change) {
    if (m_parts->session.showSavedRecord())
        emit recordsChanged();
    else
        emit recordSaved(change);
    showCurrentRecord();
}

void RecordEditor::reloadRecords() {
    runReportingErrors([this] {
        reloadRecordList();
        if (!isNoRecordMode())
            endOfEditState();
    });
    emit recordsChanged();
}

bool RecordEditor::sortRecords() {
    m_parts->tracking = false;
    bool sorted = false;
    {
        platform::WaitCursor hourglass;
        sorted = runReportingErrors([this] { m_parts->session.sort(); }) &&
                 runReportingErrors([this] { reloadRecordList(); });
    }
    m_parts->tracking = true;
    return sorted;
}

// The question names the record, so that the user sees which one goes.
void RecordEditor::deleteRecord() {
    const QString surname = field(QStringLiteral("Surname"))->text();
    const QString otherNames = field(QStringLiteral("FirstName"))->text();
    if (!confirm(editortexts::deleteQuestion(QObject::tr("Delete 1 employee record!"), surname,
                                             otherNames,
                                             m_parts->binder.element("tHKID", 0)->text(),
                                             m_parts->binder.element("tChkDigit", 0)->text())))
        return;
    runReportingErrors([this, &surname, &otherNames] {
        const RecordSession::Removal removal = m_parts->session.remove();
        emit recordRemoved(removal.removed);
        reportResult(editortexts::recordDeleted(surname, otherNames));
        if (removal.noneLeft)
            enterNoRecordMode(QObject::tr("No record remain at database. Please add new record!"));
        else
            showCurrentRecord();
    });
}

// The placeholder row is bound: the user is told and a first record begins.
void RecordEditor::enterNoRecordMode(const QString& message) {
    showCurrentRecord();
    showInformation(message);
    newRecordState();
}

void RecordEditor::quitOrCancel() {
    if (commandState() == CommandState::Browsing)
        quitProgram();
    else
        runReportingErrors([this] { cancelEntry(); });
}

// Drops the pending edit or new record and shows again the record that was current before it.
void RecordEditor::cancelEntry() {
    m_parts->session.cancel();
    showCurrentRecord();
    if (isNoRecordMode()) {
        offerToQuit();
        return;
    }
    endOfEditState();
    removeReportTempFiles(m_state.programFolder);
}

// In an empty database the only ways on are a first record or the end of the program; a quit
// that fails also leads back to the first record, never to browsing the placeholder row.
void RecordEditor::offerToQuit() {
    if (confirm(QObject::tr("Do you want to quit the program?")) && quitProgram())
        return;
    newRecordState();
}

bool RecordEditor::quitProgram() {
    if (!runReportingErrors([this] { deleteTempFiles(m_state.programFolder); }))
        return false;
    platform::endRun(0);
    return true;
}

void RecordEditor::setSaving(bool saving) {
    m_parts->saving = saving;
    m_parts->pages->setPagesEnabled(!saving);
    m_parts->commands->setSaving(saving, commandState());
}

// Each step of the tidy-up runs even when an earlier one fails, so the work files still go.
void RecordEditor::closeEvent(QCloseEvent* event) {
    // A running save ends by itself and removes its work files; the editor waits for it.
    if (m_parts->saving ||
        (hasUnsavedChanges() &&
         !confirm(QObject::tr("The record has changes that are not saved. Do you want to "
                              "discard them?")))) {
        event->ignore();
        return;
    }
    runReportingErrors([this] { m_parts->session.removeIncompleteLastRow(); });
    runReportingErrors([this] { m_parts->session.release(); });
    runReportingErrors([this] { deleteTempFiles(m_state.programFolder); });
    emit closed();
    event->accept();
}
