#include "gui/records/editor_field_entry.h"

#include "core/platform/services.h"
#include "core/records/editor_fields.h"
#include "gui/common/message_boxes.h"
#include "gui/records/field_binder.h"
#include "gui/widgets/field_edit.h"

#include <QScopedValueRollback>
#include <utility>

using namespace fieldrules;

namespace {

std::size_t at(int element) {
    return static_cast<std::size_t>(element);
}

} // namespace

EditorFieldEntry::EditorFieldEntry(FieldBinder& binder, FieldEdit* total, Editor editor,
                                   QObject* parent)
    : QObject(parent)
    , m_binder(binder)
    , m_total(total)
    , m_editor(std::move(editor)) {
    for (const EditorField& entry : editorFields())
        if (entry.page > 0)
            wireField(entry, m_binder.field(QLatin1String(entry.column)));
    connect(m_total, &QLineEdit::textChanged, this, [this](const QString& text) {
        // The total is shown grouped by thousands, whoever set it.
        const QString shown = totalText(amountValue(text).value_or(0));
        if (shown != text)
            m_total->setText(shown);
    });
    followAmounts();
}

void EditorFieldEntry::wireField(const EditorField& entry, FieldEdit* edit) {
    edit->setKeyFilter([this, &entry, edit](char32_t key) { return fieldKey(entry, edit, key); });
    connect(edit, &QLineEdit::textChanged, this,
            [this, &entry, edit](const QString& text) { fieldChanged(entry, edit, text); });
    connect(edit, &FieldEdit::gotFocus, this,
            [this, &entry, edit] { fieldEntered(entry, edit->text()); });
    m_entry.watchLeave(edit, this, [this, &entry] { return fieldLeft(entry); });
    connect(edit, &FieldEdit::keyReleased, this,
            [this, &entry](int key) { fieldKeyReleased(entry, key); });
}

std::array<QString, 6> EditorFieldEntry::dateParts() const {
    std::array<QString, 6> texts;
    const QList<FieldEdit*> parts = m_binder.elements("tddmmyy");
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = parts[static_cast<qsizetype>(i)]->text();
    return texts;
}

QStringList EditorFieldEntry::amounts() const {
    QStringList texts;
    for (const FieldEdit* edit : m_binder.elements("tIncome"))
        texts << edit->text();
    return texts;
}

bool EditorFieldEntry::fieldKey(const EditorField& entry, FieldEdit* edit, char32_t key) {
    const QString partEntry =
        entry.rule == RuleKind::DatePart ? m_dateEntries[at(entry.element)] : QString();
    const QString textBefore =
        textBeforeKey(edit->text(), edit->selectionStart(), edit->selectionLength());
    const KeyVerdict verdict = filterKey(entry, key, textBefore, partEntry);
    if (verdict.markRecordChanged)
        m_editor.markRecordChanged();
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
        m_binder.element(entry.control, entry.element + 1)->setFocus();
        return false;
    }
    return true;
}

void EditorFieldEntry::fieldChanged(const EditorField& entry, FieldEdit* edit,
                                    const QString& text) {
    const ChangeVerdict verdict = applyChange(entry, text, m_entry.lastAccepted());
    if (verdict.beep)
        platform::services().beep();
    if (verdict.text != text) {
        edit->setText(verdict.text); // runs this rule again on the text the field keeps
        return;
    }
    if (usesByteGuard(entry.rule) && !verdict.revert)
        m_entry.accept(text);
    if (verdict.markWhenTracking && m_editor.isTracking())
        m_editor.markRecordChanged();
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
QString* EditorFieldEntry::entryValue(const EditorField& entry) {
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

void EditorFieldEntry::fieldEntered(const EditorField& entry, const QString& text) {
    if (usesByteGuard(entry.rule))
        m_entry.accept(text);
    if (entry.rule == RuleKind::DatePart)
        m_dateEntries = dateParts();
    else if (QString* slot = entryValue(entry))
        *slot = text;
}

void EditorFieldEntry::enterFocusedFieldAgain(QWidget* focused) {
    for (const EditorField& entry : editorFields())
        if (entry.page > 0 && m_binder.field(QLatin1String(entry.column)) == focused)
            fieldEntered(entry, focused->property("text").toString());
}

bool EditorFieldEntry::fieldLeft(const EditorField& entry) {
    if (m_entry.isRefusing())
        return false;
    if (m_switchingPage) {
        m_leftBySwitch = &entry;
        return false;
    }
    FieldEdit* edit = m_binder.field(QLatin1String(entry.column));
    const QString* slot = entryValue(entry);
    const std::optional<LeaveVerdict> verdict =
        leaveCheck(entry, edit->text(), slot ? *slot : QString(), {dateParts(), amounts()});
    if (!verdict)
        return false;
    if (!verdict->ok) {
        m_entry.refuse(edit, verdict->message, verdict->newText, [this, page = verdict->page] {
            if (!m_editor.isPageVisible(page))
                m_editor.showPage(page);
        });
        // The field is entered again with the text it got back, whichever way the focus came.
        fieldEntered(entry, edit->text());
        return true;
    }
    acceptLeave(entry, edit, *verdict);
    return false;
}

void EditorFieldEntry::whileSwitchingPage(const std::function<void()>& switchPage) {
    {
        const QScopedValueRollback switching(m_switchingPage, true);
        switchPage();
    }
    if (m_switchingPage)
        return;
    if (const EditorField* left = std::exchange(m_leftBySwitch, nullptr))
        fieldLeft(*left);
}

void EditorFieldEntry::acceptLeave(const EditorField& entry, FieldEdit* edit,
                                   const LeaveVerdict& verdict) {
    if (verdict.textChanged)
        edit->setText(verdict.newText);
    if (verdict.dependents == LeaveVerdict::Dependents::Enable)
        setDependents(entry, true);
    else if (verdict.dependents == LeaveVerdict::Dependents::ClearAndDisable)
        setDependents(entry, false, true);
    if (verdict.focusFirstDependent) {
        if (!m_editor.isPageVisible(verdict.page))
            m_editor.showPage(verdict.page);
        m_binder.field(QLatin1String(dependentFields(entry.rule).front()->column))->setFocus();
    }
}

// Setting a text equal to the one shown is no change, so the change rule alone would leave the
// spouse's fields as the previous record had them.
void EditorFieldEntry::followMaritalStatus() {
    for (const EditorField& entry : editorFields())
        if (entry.rule == RuleKind::MaritalStatus)
            setDependents(entry,
                          spouseFieldsEnabled(m_binder.field(QLatin1String(entry.column))->text()));
}

void EditorFieldEntry::setDependents(const EditorField& indicator, bool enabled, bool clear) {
    for (const EditorField* dependent : dependentFields(indicator.rule)) {
        FieldEdit* edit = m_binder.field(QLatin1String(dependent->column));
        if (clear)
            edit->clear();
        edit->setEnabled(enabled);
        edit->setGreyed(!enabled);
    }
}

void EditorFieldEntry::fieldKeyReleased(const EditorField& entry, int key) {
    if (entry.rule == RuleKind::MaritalStatus && key == Qt::Key_Delete)
        m_editor.markRecordChanged();
    if (const int page = pageForKey(entry.page, key))
        m_editor.showPage(page);
}

void EditorFieldEntry::followAmounts() {
    m_total->setText(QString::number(sumOfAmounts(amounts())));
}
