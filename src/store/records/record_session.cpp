#include "store/records/record_session.h"

#include "core/common/column_values.h"
#include "core/records/record_types.h"
#include "store/records/sheet_numbers.h"

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

RecordSession::RecordSession(Database& db)
    : m_db(db)
    , m_records(db) {}

bool RecordSession::reload() {
    m_records.cancelUpdate();
    // The highest identifier is read directly rather than by ordering every record by it.
    const std::optional<qint64> highest = m_records.highestId();
    if (!highest) {
        m_nextId = 1;
        m_rememberedId = 1;
        bindPlaceholder();
        return false;
    }
    m_nextId = static_cast<qint32>(*highest + 1);
    m_records.setSource(RecordSource::ByName);
    m_records.refresh();
    m_noRecordMode = false;
    return true;
}

void RecordSession::bindPlaceholder() {
    m_records.setSource(RecordSource::Placeholder);
    m_records.refresh();
    m_noRecordMode = true;
}

FieldTexts RecordSession::currentTexts() const {
    const bool hasRow =
        m_records.editMode() != EditMode::None || (!m_records.isEof() && !m_records.isBof());
    const RowValues row = hasRow ? m_records.row() : RowValues();
    FieldTexts texts;
    const Columns columns = employeeColumns();
    for (qsizetype i = 0; i < std::ssize(columns); ++i)
        texts.insert(QLatin1String(columns[i].name), hasRow ? textFromValue(row[i]) : QString());
    return texts;
}

std::optional<QString> RecordSession::rememberCurrentId() {
    try {
        m_rememberedId = m_records.value(QStringLiteral("ID"));
    } catch (const EngineError& error) {
        if (error.number() != engine::NoCurrentRecord)
            return error.description();
    }
    return std::nullopt;
}

void RecordSession::beginEdit() {
    m_records.edit();
    m_state = CommandState::Editing;
}

void RecordSession::addNew() {
    m_records.addNew();
    m_state = CommandState::NewRecord;
}

RecordSession::SaveOutcome RecordSession::save(const FieldTexts& texts, const QString& returnYear,
                                               int visiblePage) {
    SaveOutcome outcome;
    outcome.failure = checkRecord(texts, returnYear, visiblePage);
    if (firstPageChecked(visiblePage, outcome.failure))
        outcome.changedTexts = upperCasedNames(texts);
    if (outcome.failure)
        return outcome;
    if (texts.value(QStringLiteral("ID")).isEmpty()) {
        outcome.changedTexts.insert(QStringLiteral("ID"), QString::number(m_nextId));
        m_rememberedId = m_nextId;
        ++m_nextId;
    }
    // The refusal is returned rather than raised: the screen shows the texts it changed first.
    try {
        write(texts, outcome.changedTexts);
        outcome.change = m_records.update();
    } catch (const EngineError& error) {
        outcome.refusal = error;
    }
    return outcome;
}

void RecordSession::write(const FieldTexts& texts, const FieldTexts& changed) {
    for (const ColumnDef& def : employeeColumns()) {
        const QString name = QLatin1String(def.name);
        if (texts.contains(name))
            m_records.setValue(name, valueFromText(def, changed.value(name, texts[name])));
    }
}

bool RecordSession::showSavedRecord() {
    const bool wasEmpty = m_noRecordMode;
    if (wasEmpty) {
        m_records.setSource(RecordSource::ByName);
        m_noRecordMode = false;
        m_records.refresh();
    }
    findRemembered();
    return wasEmpty;
}

// A new record begun on a row stored without identifier has nothing to return to: the list then
// stays on its first row rather than failing on every Cancel.
void RecordSession::findRemembered() {
    if (const std::optional<qint64> id = identifier(m_rememberedId))
        m_records.findFirstById(*id);
}

void RecordSession::cancel() {
    m_records.cancelUpdate();
    m_records.refresh();
    findRemembered();
}

RecordSession::Removal RecordSession::remove() {
    Removal removal{m_records.deleteCurrent()};
    if (m_records.isEmpty()) {
        bindPlaceholder();
        removal.noneLeft = true;
    } else if (m_records.isEof()) {
        m_records.movePrevious();
    }
    return removal;
}

// The numbering walks the table in name order itself; the reload after it shows the numbers.
void RecordSession::sort() {
    m_sheetCounter = 0; // a numbering that fails counts no record
    m_sheetCounter = numberOriginalRecords(m_db);
}

void RecordSession::removeIncompleteLastRow() {
    m_records.cancelUpdate();
    if (m_records.isEmpty())
        return;
    m_records.moveLast();
    if (m_records.value(QStringLiteral("ID")).isNull() &&
        !recordtype::isPlaceholder(m_records.value(QStringLiteral("Status"))))
        m_records.deleteCurrent();
}

void RecordSession::release() {
    m_records.setSource(RecordSource::None);
    m_records.refresh();
}
