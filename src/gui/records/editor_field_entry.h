#pragma once

#include "gui/widgets/field_entry_controller.h"

#include <QHash>
#include <QObject>
#include <array>
#include <functional>

class FieldBinder;
class FieldEdit;
struct EditorField;
namespace fieldrules {
struct LeaveVerdict;
}

// The record editor's fields wired to their entry rules: key filters, change rules, entry
// values, paging keys and leave checks. The rules decide (field_rules.h); this applies verdicts.
class EditorFieldEntry : public QObject {
public:
    // What the rules need of the editor.
    struct Editor {
        std::function<void()> markRecordChanged;
        std::function<bool()> isTracking;
        std::function<void(int)> showPage;
        std::function<bool(int)> isPageVisible;
    };
    EditorFieldEntry(FieldBinder& binder, FieldEdit* total, Editor editor, QObject* parent);

    // A row shown while a field keeps the focus: what that field would restore is the new row's.
    void enterFocusedFieldAgain(QWidget* focused);
    // The spouse's fields follow the status shown now, even when its text did not change.
    void followMaritalStatus();
    // A field that loses the focus as its page goes is checked once the switch is done.
    void whileSwitchingPage(const std::function<void()>& switchPage);

private:
    void wireField(const EditorField& entry, FieldEdit* edit);
    bool fieldKey(const EditorField& entry, FieldEdit* edit, char32_t key);
    void fieldChanged(const EditorField& entry, FieldEdit* edit, const QString& text);
    void fieldEntered(const EditorField& entry, const QString& text);
    // True when the field refused the value it was left with.
    bool fieldLeft(const EditorField& entry);
    void fieldKeyReleased(const EditorField& entry, int key);
    void acceptLeave(const EditorField& entry, FieldEdit* edit,
                     const fieldrules::LeaveVerdict& verdict);
    void setDependents(const EditorField& indicator, bool enabled, bool clear = false);
    void followAmounts();
    QString* entryValue(const EditorField& entry);
    // The six date parts' texts and the fourteen amounts' texts as the fields show them.
    std::array<QString, 6> dateParts() const;
    QStringList amounts() const;

    FieldBinder& m_binder;
    FieldEdit* m_total;
    Editor m_editor;
    FieldEntryController m_entry;         // the last accepted text of every byte-guarded field
    QString m_identityEntry;              // shared by both identity numbers
    std::array<QString, 6> m_dateEntries; // all six date parts, when any of them got the focus
    QString m_amountEntry;                // shared by the fourteen income amounts
    QHash<const EditorField*, QString> m_entryValues; // surname, sex, area code, indicators
    bool m_switchingPage = false;                     // a page switch is moving the focus
    const EditorField* m_leftBySwitch = nullptr;
};
