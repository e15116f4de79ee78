// The editor's fields wired to their entry rules: key filters, change rules, entry values,
// paging keys and leave checks. The rules decide (field_rules.h); this file applies verdicts.
#include "gui/records/record_editor.h"

#include "core/platform/services.h"
#include "core/records/editor_fields.h"
#include "gui/common/message_boxes.h"
#include "gui/records/navigator.h"
#include "gui/widgets/field_edit.h"
#include "gui/widgets/widgets.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QToolButton>
#include <utility>

using namespace fieldrules;

namespace {

std::size_t at(int element) {
    return static_cast<std::size_t>(element);
}

QStringList textsOf(std::span<FieldEdit* const> fields) {
    QStringList texts;
    for (const FieldEdit* edit : fields)
        texts << edit->text();
    return texts;
}

} // namespace

void RecordEditor::wireFieldRules() {
    for (const EditorField& entry : editorFields())
        if (entry.page > 0)
            wireField(entry, field(QLatin1String(entry.column)));
    connect(m_totalIncomeEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        // The total is shown grouped by thousands, whoever set it.
        const QString shown = totalText(amountValue(text).value_or(0));
        if (shown != text)
            m_totalIncomeEdit->setText(shown);
    });
    followAmounts();
    setReadingTabOrder();
}

void RecordEditor::wireField(const EditorField& entry, FieldEdit* edit) {
    edit->setKeyFilter([this, &entry, edit](char32_t key) { return fieldKey(entry, edit, key); });
    connect(edit, &QLineEdit::textChanged, this,
            [this, &entry, edit](const QString& text) { fieldChanged(entry, edit, text); });
    connect(edit, &FieldEdit::gotFocus, this,
            [this, &entry, edit] { fieldEntered(entry, edit->text()); });
    connect(edit, &FieldEdit::lostFocus, this, [this, &entry](Qt::FocusReason reason) {
        const QPointer<QWidget> movingTo = QApplication::focusWidget();
        if (fieldLeft(entry) && reason == Qt::MouseFocusReason && movingTo)
            widgets::dropPendingPress(movingTo);
    });
    connect(edit, &FieldEdit::keyReleased, this,
            [this, &entry](int key) { fieldKeyReleased(entry, key); });
}

bool RecordEditor::fieldKey(const EditorField& entry, FieldEdit* edit, char32_t key) {
    const QString partEntry =
        entry.rule == RuleKind::DatePart ? m_dateEntries[at(entry.element)] : QString();
    const QString textBefore =
        textBeforeKey(edit->text(), edit->selectionStart(), edit->selectionLength());
    const KeyVerdict verdict = filterKey(entry, key, textBefore, partEntry);
    if (verdict.markRecordChanged)
        markRecordChanged();
    if (!verdict.accept) {
        if (!verdict.message.isEmpty())
            showError(verdict.message);
        else if (verdict.beep)
            platform::services().beep();
        if (verdict.clearField)
            edit->clear();
        return false;
    }
    if (verdict.moveFocusNext) {
        // The key goes in before the focus moves on, so it lands in this part.
        edit->insert(QString::fromUcs4(&key, 1));
        const EditorField* next = findField(QLatin1String(entry.control), entry.element + 1);
        field(QLatin1String(next->column))->setFocus();
        return false;
    }
    return true;
}

void RecordEditor::fieldChanged(const EditorField& entry, FieldEdit* edit, const QString& text) {
    const ChangeVerdict verdict = applyChange(entry, text, m_lastAccepted);
    if (verdict.beep)
        platform::services().beep();
    if (verdict.text != text) {
        edit->setText(verdict.text); // runs this rule again on the text the field keeps
        return;
    }
    if (usesByteGuard(entry.rule) && !verdict.revert)
        m_lastAccepted = text;
    if (verdict.markWhenTracking && m_tracking)
        markRecordChanged();
    switch (entry.rule) {
    case RuleKind::MaritalStatus:
        setDependents(entry, spouseFieldsEnabled(text));
        break;
    case RuleKind::ResidenceIndicator:
        if (const std::optional<bool> enabled = residenceFieldsEnabledOnChange(text))
            setDependents(entry, *enabled);
        break;
    case RuleKind::OverseasIndicator:
        setDependents(entry, overseasFieldsEnabledOnChange(text));
        break;
    case RuleKind::IncomeAmount:
        followAmounts();
        break;
    default:
        break;
    }
}

// The slot that keeps a field's text from when it got the focus, or null for a field that
// restores nothing.
QString* RecordEditor::entryValue(const EditorField& entry) {
    switch (entry.rule) {
    case RuleKind::IdentityNumber:
        return &m_identityEntry;
    case RuleKind::DatePart:
        return &m_dateEntries[at(entry.element)];
    case RuleKind::IncomeAmount:
        return &m_amountEntry;
    case RuleKind::Surname:
    case RuleKind::Sex:
    case RuleKind::AreaCode:
    case RuleKind::MaritalStatus:
    case RuleKind::ResidenceIndicator:
    case RuleKind::OverseasIndicator:
        return &m_entryValues[&entry];
    default:
        return nullptr;
    }
}

void RecordEditor::fieldEntered(const EditorField& entry, const QString& text) {
    if (usesByteGuard(entry.rule))
        m_lastAccepted = text;
    if (entry.rule == RuleKind::DatePart) {
        for (std::size_t i = 0; i < m_dateEntries.size(); ++i)
            m_dateEntries[i] = m_periodDateEdits[i]->text();
    } else if (QString* slot = entryValue(entry)) {
        *slot = text;
    }
}

// A row shown while a field keeps the focus: what that field would restore is the new row's.
void RecordEditor::enterFocusedFieldAgain() {
    for (const EditorField& entry : editorFields())
        if (entry.page > 0 && field(QLatin1String(entry.column)) == focusWidget())
            fieldEntered(entry, focusWidget()->property("text").toString());
}

bool RecordEditor::fieldLeft(const EditorField& entry) {
    // A refused field taking the focus back passes through other fields: they are not left.
    if (m_refusing)
        return false;
    if (m_switchingPage) {
        m_leftBySwitch = &entry;
        return false;
    }
    FieldEdit* edit = field(QLatin1String(entry.column));
    const QString* slot = entryValue(entry);
    std::array<QString, 6> dateParts;
    for (std::size_t i = 0; i < dateParts.size(); ++i)
        dateParts[i] = m_periodDateEdits[i]->text();
    const std::optional<LeaveVerdict> verdict = leaveCheck(
        entry, edit->text(), slot ? *slot : QString(), {dateParts, textsOf(m_incomeEdits)});
    if (!verdict)
        return false;
    if (verdict->ok)
        acceptLeave(entry, edit, *verdict);
    else
        refuseLeave(entry, edit, *verdict);
    return !verdict->ok;
}

void RecordEditor::checkFieldLeftBySwitch() {
    if (const EditorField* left = std::exchange(m_leftBySwitch, nullptr))
        fieldLeft(*left);
}

void RecordEditor::refuseLeave(const EditorField& entry, FieldEdit* edit,
                               const LeaveVerdict& verdict) {
    const QScopedValueRollback refusing(m_refusing, true);
    if (!isPageVisible(verdict.page))
        showPage(verdict.page);
    showError(verdict.message);
    edit->setText(verdict.newText);
    edit->setFocus();
    // The field is entered again with the text it got back, whichever way the focus came.
    fieldEntered(entry, edit->text());
}

void RecordEditor::acceptLeave(const EditorField& entry, FieldEdit* edit,
                               const LeaveVerdict& verdict) {
    if (verdict.textChanged)
        edit->setText(verdict.newText);
    if (verdict.dependents == LeaveVerdict::Dependents::Enable)
        setDependents(entry, true);
    else if (verdict.dependents == LeaveVerdict::Dependents::ClearAndDisable)
        setDependents(entry, false, true);
    if (verdict.focusFirstDependent) {
        if (!isPageVisible(verdict.page))
            showPage(verdict.page);
        field(QLatin1String(dependentFields(entry.rule).front()->column))->setFocus();
    }
}

// Setting a text equal to the one shown is no change, so the change rule alone would leave the
// spouse's fields as the previous record had them: they follow the status shown now.
void RecordEditor::followMaritalStatus() {
    for (const EditorField& entry : editorFields())
        if (entry.rule == RuleKind::MaritalStatus)
            setDependents(entry, spouseFieldsEnabled(field(QLatin1String(entry.column))->text()));
}

void RecordEditor::setDependents(const EditorField& indicator, bool enabled, bool clear) {
    for (const EditorField* dependent : dependentFields(indicator.rule)) {
        FieldEdit* edit = field(QLatin1String(dependent->column));
        if (clear)
            edit->clear();
        edit->setEnabled(enabled);
        edit->setGreyed(!enabled);
    }
}

void RecordEditor::fieldKeyReleased(const EditorField& entry, int key) {
    if (entry.rule == RuleKind::MaritalStatus && key == Qt::Key_Delete)
        markRecordChanged();
    if (const int page = pageForKey(entry.page, key))
        showPage(page);
}

void RecordEditor::followAmounts() {
    m_totalIncomeEdit->setText(QString::number(sumOfAmounts(textsOf(m_incomeEdits))));
}

// The pages are built in reading order, so Tab follows it from field to field; the record
// control, built first, goes after the fields as it sits below them, then the commands.
void RecordEditor::setReadingTabOrder() {
    QWidget* previous = m_overseasTexts.back();
    for (QWidget* next : m_navigator->buttons()) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, m_newRecordButton);
}
