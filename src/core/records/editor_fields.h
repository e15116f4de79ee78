#pragma once

#include "core/records/field_rules.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>
#include <vector>

// Every bound field of the record editor: which control (and element of a control array) shows
// which employee column, how many characters it takes, on which page it sits and which entry
// rules it follows. The screen builds, binds and wires its fields from this one table.

enum class RuleKind {
    Hidden, // tStatus and tID: bound, never shown
    SheetNumber,
    Surname,
    OtherNames,
    ChineseName,
    Sex,
    AreaCode,
    MaritalStatus,
    FreeText, // addresses, passports, names, nature, amount and remark: byte-checked free text
    IdentityNumber,
    CheckCharacter,
    ResidenceIndicator,
    ResidencePeriod,
    OverseasIndicator,
    FileNumber,
    DatePart,
    IncomeAmount,
    IncomePeriod,
    IncomeNature,
    Rent,
};

struct EditorField {
    const char* control;
    int element; // index in the control array, -1 for a single control
    const char* column;
    int limit; // characters the field takes, and bytes for byte-guarded fields; 0: no limit
    int page;  // 1 to 4; 0 for the hidden fields
    RuleKind rule;
    const char* accessibleName;
};

std::span<const EditorField> editorFields();

// The field shown by a control (and element), or the one bound to a column (case ignored).
const EditorField* findField(const QString& control, int element = -1);
const EditorField* fieldForColumn(const QString& column);

// The fields whose enabled state an indicator (marital status, place of residence, overseas
// company) governs, in the order they are cleared; the first is the one to focus.
std::vector<const EditorField*> dependentFields(RuleKind indicator);

// Fields whose every change passes the byte-length guard and refreshes the last accepted text.
bool usesByteGuard(RuleKind rule);

// The key filter and the change rule of a field, chosen by its rule kind. entryValue matters
// only for the date parts (the part's text when it got the focus).
fieldrules::KeyVerdict filterKey(const EditorField& field, char32_t key, const QString& textBefore,
                                 const QString& entryValue = QString());
fieldrules::ChangeVerdict applyChange(const EditorField& field, const QString& newText,
                                      const QString& lastAccepted);

// The texts of a record that the leave checks of the date parts and of the amounts look at.
struct SiblingTexts {
    std::array<QString, 6> dateParts; // tddmmyy elements 0 to 5
    QStringList amounts;              // tIncome elements 0 to 13
};

// The leave check of a field, chosen by its rule kind, or none for a field without one.
std::optional<fieldrules::LeaveVerdict> leaveCheck(const EditorField& field, const QString& text,
                                                   const QString& entryValue,
                                                   const SiblingTexts& siblings);
