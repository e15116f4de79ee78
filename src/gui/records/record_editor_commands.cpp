// The record editor's commands: Create new record, Update, Delete, Quit/Cancel, Sort, and the
// tidy-up when the editor's window closes.
#include "gui/records/record_editor.h"

#include "core/common/columns.h"
#include "core/records/page_checks.h"
#include "core/records/report_temp_files.h"
#include "core/startup/paths.h"
#include "gui/common/message_boxes.h"
#include "gui/platform/desktop_services.h"
#include "gui/widgets/field_edit.h"
#include "store/records/sheet_numbers.h"
#include "store/startup/run_state.h"

#include <QCloseEvent>
#include <QPushButton>
#include <algorithm>

namespace {

// The surname and identity numbers are upper-cased by the first page's check, so only when that
// check was reached: the visible page's check may have stopped the save before it.
bool firstPageChecked(int visiblePage, const std::optional<PageFailure>& failure) {
    if (!failure)
        return true;
    const std::array<int, 4> order = checkOrder(visiblePage);
    return std::ranges::find(order, failure->page) >= std::ranges::find(order, 1);
}

std::optional<qint64> identifier(const QVariant& value) {
    bool ok = false;
    const qint64 id = value.toLongLong(&ok);
    return value.isNull() || !ok ? std::nullopt : std::optional<qint64>(id);
}

} // namespace

void RecordEditor::wireCommands() {
    connect(m_newRecordButton, &QPushButton::clicked, this, &RecordEditor::createNewRecord);
    connect(m_updateButton, &QPushButton::clicked, this, &RecordEditor::updateRecord);
    connect(m_deleteButton, &QPushButton::clicked, this, &RecordEditor::deleteRecord);
    connect(m_quitButton, &QPushButton::clicked, this, &RecordEditor::quitOrCancel);
    connect(m_sortButton, &QPushButton::clicked, this, &RecordEditor::sortRecords);
    wirePrintCommands();
    wireSaveCommand();
}

void RecordEditor::createNewRecord() {
    runReportingErrors([this] { newRecordState(); });
}

// Every check passes, or the first failure is shown on its page with the focus on its field.
bool RecordEditor::passesPageChecks() {
    FieldTexts texts;
    for (const ColumnDef& def : employeeColumns())
        if (FieldEdit* edit = field(QLatin1String(def.name)))
            texts.insert(QLatin1String(def.name), edit->text());
    const std::optional<PageFailure> failure = checkRecord(texts, returnYear(), visiblePage());
    if (firstPageChecked(visiblePage(), failure)) {
        const FieldTexts upper = upperCasedNames(texts);
        for (auto it = upper.cbegin(); it != upper.cend(); ++it)
            field(it.key())->setText(it.value());
    }
    if (!failure)
        return true;
    if (!isPageVisible(failure->page))
        showPage(failure->page);
    showError(failure->message);
    FieldEdit* target = field(failure->focusColumn);
    if (failure->clearFocusField)
        target->clear();
    target->setFocus();
    return false;
}

void RecordEditor::updateRecord() {
    if (!passesPageChecks())
        return;
    if (m_idEdit->text().isEmpty()) {
        m_idEdit->setText(QString::number(m_nextId));
        m_rememberedId = m_nextId;
        ++m_nextId;
    }
    // A refused save leaves the record being edited with every typed text still on screen.
    NameChange change;
    if (!runReportingErrors([this, &change] {
            writeFieldsToRecord();
            change = m_records.update();
        }))
        return;
    runReportingErrors([this, &change] { showSavedRecord(change); });
    endOfEditState();
}

// The saved record has moved to its place in name order, so the list and the name list change
// by that one entry rather than being read again; the saved record is then found by its
// identifier. The first save in an empty database leaves the placeholder row for the real
// records, which are then read.
void RecordEditor::showSavedRecord(const NameChange& change) {
    if (m_placeholderSource) {
        m_records.setSource(RecordSource::ByName);
        m_placeholderSource = false;
        m_records.refresh();
        emit recordsChanged();
    } else {
        emit recordSaved(change);
    }
    if (const std::optional<qint64> id = identifier(m_rememberedId))
        m_records.findFirstById(*id);
    showCurrentRow();
}

void RecordEditor::reloadRecords() {
    runReportingErrors([this] {
        m_records.cancelUpdate();
        reloadRecordList();
        if (!m_placeholderSource)
            endOfEditState();
    });
    emit recordsChanged();
}

// The numbering walks the table in name order itself, so only the reload after it is needed to
// show the new numbers.
bool RecordEditor::sortRecords() {
    m_tracking = false;
    m_sheetCounter = 0;
    bool sorted = false;
    {
        platform::WaitCursor hourglass;
        sorted =
            runReportingErrors([this] { m_sheetCounter = numberOriginalRecords(m_state.db()); }) &&
            runReportingErrors([this] { reloadRecordList(); });
    }
    m_tracking = true;
    return sorted;
}

void RecordEditor::deleteRecord() {
    if (!confirm(QStringLiteral("Delete 1 employee record!")))
        return;
    runReportingErrors([this] {
        emit recordRemoved(m_records.deleteCurrent());
        if (m_records.isEmpty()) {
            enterNoRecordMode(
                QStringLiteral("No record remain at database. Please add new record!"));
            return;
        }
        if (m_records.isEof())
            m_records.movePrevious();
        showCurrentRow();
    });
}

void RecordEditor::enterNoRecordMode(const QString& message) {
    m_records.setSource(RecordSource::Placeholder);
    m_records.refresh();
    showCurrentRow();
    m_placeholderSource = true;
    showInformation(message);
    newRecordState();
}

void RecordEditor::quitOrCancel() {
    if (commandState() == CommandState::Browsing) {
        quitProgram();
        return;
    }
    runReportingErrors([this] { cancelEntry(); });
}

// Drops the pending edit or new record and shows again the record that was current before it.
void RecordEditor::cancelEntry() {
    m_records.cancelUpdate();
    m_records.refresh();
    // A new record begun on a row stored without identifier has nothing to return to: the list
    // then stays on its first row rather than failing on every Cancel.
    if (const std::optional<qint64> id = identifier(m_rememberedId))
        m_records.findFirstById(*id);
    showCurrentRow();
    if (m_placeholderSource) {
        offerToQuit();
        return;
    }
    endOfEditState();
    removeReportTempFiles(m_state.programFolder);
}

// In an empty database the only ways on are a first record or the end of the program; a quit
// that fails also leads back to the first record, never to browsing the placeholder row.
void RecordEditor::offerToQuit() {
    if (confirm(QStringLiteral("Do you want to quit the program?")) && quitProgram())
        return;
    newRecordState();
}

bool RecordEditor::quitProgram() {
    if (!runReportingErrors([this] { deleteTempFiles(m_state.programFolder); }))
        return false;
    platform::endRun(0);
    return true;
}

// A row stored without an identifier never went through Update: it is incomplete and goes.
void RecordEditor::removeIncompleteLastRow() {
    // Pending changes are dropped, as Cancel would.
    m_records.cancelUpdate();
    if (m_records.isEmpty())
        return;
    m_records.moveLast();
    if (m_records.value(QStringLiteral("ID")).isNull() &&
        m_records.value(QStringLiteral("Status")).toString().trimmed() != QStringLiteral("H"))
        m_records.deleteCurrent();
}

// Each step of the tidy-up runs even when an earlier one fails, so the work files still go.
void RecordEditor::closeEvent(QCloseEvent* event) {
    // A running save ends by itself and removes its work files; the editor waits for it.
    if (m_saving) {
        event->ignore();
        return;
    }
    if (hasUnsavedChanges() &&
        !confirm(QStringLiteral("The record has changes that are not saved. Do you want to "
                                "discard them?"))) {
        event->ignore();
        return;
    }
    runReportingErrors([this] { removeIncompleteLastRow(); });
    runReportingErrors([this] {
        m_records.setSource(RecordSource::None);
        m_records.refresh();
    });
    runReportingErrors([this] { deleteTempFiles(m_state.programFolder); });
    emit closed();
    event->accept();
}
