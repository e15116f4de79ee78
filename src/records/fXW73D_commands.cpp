// The record editor's commands: Create new record, Update, Delete, Quit/Cancel, Sort, and the
// tidy-up when the editor's window closes.
#include "records/fXW73D.h"

#include "common/columns.h"
#include "common/message_boxes.h"
#include "platform/desktop_services.h"
#include "platform/field_edit.h"
#include "records/fNameSearch.h"
#include "records/page_checks.h"
#include "records/report_temp_files.h"
#include "startup/paths.h"
#include "startup/run_state.h"
#include "store/sheet_numbers.h"

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

void fXW73D::wireCommands() {
    connect(cNew, &QPushButton::clicked, this, &fXW73D::cNew_Click);
    connect(cUpdate, &QPushButton::clicked, this, &fXW73D::cUpdate_Click);
    connect(cDelete, &QPushButton::clicked, this, &fXW73D::cDelete_Click);
    connect(cExit, &QPushButton::clicked, this, &fXW73D::cExit_Click);
    connect(cSort, &QPushButton::clicked, this, &fXW73D::cSort_Click);
}

bool fXW73D::attempt(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const EngineError& error) {
        showError(error.description());
        return false;
    }
}

void fXW73D::cNew_Click() {
    attempt([this] { newRecordState(); });
}

// Every check passes, or the first failure is shown on its page with the focus on its field.
bool fXW73D::passesPageChecks() {
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

void fXW73D::cUpdate_Click() {
    if (!passesPageChecks())
        return;
    if (tID->text().isEmpty()) {
        tID->setText(QString::number(m_nextId));
        m_rememberedId = m_nextId;
        ++m_nextId;
    }
    // A refused save leaves the record being edited with every typed text still on screen.
    if (!attempt([this] {
            writeFieldsToRecord();
            m_records.update();
        }))
        return;
    attempt([this] { showSavedRecord(); });
    endOfEditState();
}

// After a save the list is read again in name order and the saved record made current; the
// first save in an empty database leaves the placeholder row for the real records.
void fXW73D::showSavedRecord() {
    if (m_placeholderSource) {
        m_records.setSource(RecordSource::ByName);
        m_placeholderSource = false;
    }
    m_records.refresh();
    // A hidden name list is rebuilt anyway when its window is next shown.
    if (m_nameSearch && m_nameSearch->isVisible()) {
        m_nameSearch->FillNameList();
        m_nameSearch->ExpandNameList();
    }
    if (const std::optional<qint64> id = identifier(m_rememberedId))
        m_records.findFirstById(*id);
    showCurrentRow();
}

// The numbering walks the table in name order itself, so only the reload after it is needed to
// show the new numbers.
void fXW73D::cSort_Click() {
    m_tracking = false;
    m_sheetCounter = 0;
    {
        platform::WaitCursor hourglass;
        attempt([this] { m_sheetCounter = numberOriginalRecords(m_state.db()); });
        attempt([this] { reloadRecordList(); });
    }
    m_tracking = true;
}

void fXW73D::cDelete_Click() {
    if (!confirm(QStringLiteral("Delete 1 employee record!")))
        return;
    attempt([this] {
        if (m_nameSearch && m_nameSearch->isVisible())
            m_nameSearch->removeEntry(m_records.value(QStringLiteral("Surname")).toString() +
                                      QStringLiteral(", ") +
                                      m_records.value(QStringLiteral("FirstName")).toString());
        m_records.deleteCurrent();
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

void fXW73D::enterNoRecordMode(const QString& message) {
    m_records.setSource(RecordSource::Placeholder);
    m_records.refresh();
    showCurrentRow();
    m_placeholderSource = true;
    showInformation(message);
    newRecordState();
}

void fXW73D::cExit_Click() {
    if (commandState() == CommandState::Browsing) {
        quitProgram();
        return;
    }
    attempt([this] { cancelEntry(); });
}

// Drops the pending edit or new record and shows again the record that was current before it.
void fXW73D::cancelEntry() {
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
void fXW73D::offerToQuit() {
    if (confirm(QStringLiteral("Do you want to quit the program?")) && quitProgram())
        return;
    newRecordState();
}

bool fXW73D::quitProgram() {
    if (!attempt([this] { deleteTempFiles(m_state.programFolder); }))
        return false;
    platform::endRun(0);
    return true;
}

// A row stored without an identifier never went through Update: it is incomplete and goes.
void fXW73D::removeIncompleteLastRow() {
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
void fXW73D::closeEvent(QCloseEvent* event) {
    attempt([this] { removeIncompleteLastRow(); });
    attempt([this] {
        m_records.setSource(RecordSource::None);
        m_records.refresh();
    });
    attempt([this] { deleteTempFiles(m_state.programFolder); });
    if (m_nameSearch)
        m_nameSearch->close();
    emit closed();
    event->accept();
}
