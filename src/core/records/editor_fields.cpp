#include "core/records/editor_fields.h"

#include <QtGlobal>

#include "core/common/columns.h"

namespace {

// Each field as the editor shows it; how many characters it takes comes from its column.
struct FieldEntry {
    const char* control;
    int element;
    const char* column;
    int page;
    RuleKind rule;
    const char* accessibleName;
};

constexpr FieldEntry entries[]{
    {"tStatus", -1, "Status", 0, RuleKind::Hidden, QT_TRANSLATE_NOOP("FieldName", "Record Type")},
    {"tID", -1, "ID", 0, RuleKind::Hidden, QT_TRANSLATE_NOOP("FieldName", "Record identifier")},
    {"tSheetNo", -1, "SheetNo", 1, RuleKind::SheetNumber,
     QT_TRANSLATE_NOOP("FieldName", "Sheet Number")},
    {"tPage1", 0, "Surname", 1, RuleKind::Surname, QT_TRANSLATE_NOOP("FieldName", "Surname")},
    {"tPage1", 1, "FirstName", 1, RuleKind::OtherNames,
     QT_TRANSLATE_NOOP("FieldName", "Other Names in Full")},
    {"tHKID", 0, "HKID", 1, RuleKind::IdentityNumber,
     QT_TRANSLATE_NOOP("FieldName", "H.K. Identity Card Number")},
    {"tChkDigit", 0, "ChkDigit", 1, RuleKind::CheckCharacter,
     QT_TRANSLATE_NOOP("FieldName", "H.K. Identity Card Number, check character")},
    {"tChineseName", -1, "ChineseName", 1, RuleKind::ChineseName,
     QT_TRANSLATE_NOOP("FieldName", "Full Name in Chinese")},
    {"tSex", -1, "Sex", 1, RuleKind::Sex, QT_TRANSLATE_NOOP("FieldName", "Sex (M or F)")},
    {"tPage1", 2, "Passport", 1, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName",
                       "Passport No. & Country of Issue (if Employee has no H.K. Identity Card)")},
    {"tMStatus", -1, "MStatus", 1, RuleKind::MaritalStatus,
     QT_TRANSLATE_NOOP("FieldName",
                       "Marital Status (1=Single/Widowed/Divorced/Separated, 2=Married)")},
    {"tPage1", 3, "SpouseName", 1, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "If married, full name of spouse")},
    {"tHKID", 1, "SpouseHKID", 1, RuleKind::IdentityNumber,
     QT_TRANSLATE_NOOP("FieldName", "Spouse's H.K. Identity Card Number")},
    {"tChkDigit", 1, "SpouseChkDigit", 1, RuleKind::CheckCharacter,
     QT_TRANSLATE_NOOP("FieldName", "Spouse's H.K. Identity Card Number, check character")},
    {"tPage1", 4, "SpousePassport", 1, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Passport Number & Country of Issue, spouse")},
    {"tPage1", 5, "RAddress1", 1, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Residential Address (HK,KLN, NT not required), line 1")},
    {"tPage1", 6, "RAddress2", 1, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Residential Address (HK,KLN, NT not required), line 2")},
    {"tAreaCode", -1, "RAreaCode", 1, RuleKind::AreaCode,
     QT_TRANSLATE_NOOP("FieldName", "Area Code (H=HK, K=KLN, N-NT F-Foreign)")},
    {"tPage1", 7, "CAddress", 1, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Correspondence Address")},
    {"tPage1", 8, "Capacity", 1, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Capacity in which employed")},
    {"tPage1", 9, "PEmployer", 1, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "If part time, the name of his/her principal employer")},
    {"tddmmyy", 0, "EDay1", 2, RuleKind::DatePart,
     QT_TRANSLATE_NOOP("FieldName", "Period of employment from, day")},
    {"tddmmyy", 1, "EMonth1", 2, RuleKind::DatePart,
     QT_TRANSLATE_NOOP("FieldName", "Period of employment from, month")},
    {"tddmmyy", 2, "EYear1", 2, RuleKind::DatePart,
     QT_TRANSLATE_NOOP("FieldName", "Period of employment from, year")},
    {"tddmmyy", 3, "EDay2", 2, RuleKind::DatePart,
     QT_TRANSLATE_NOOP("FieldName", "Period of employment to, day")},
    {"tddmmyy", 4, "EMonth2", 2, RuleKind::DatePart,
     QT_TRANSLATE_NOOP("FieldName", "Period of employment to, month")},
    {"tddmmyy", 5, "EYear2", 2, RuleKind::DatePart,
     QT_TRANSLATE_NOOP("FieldName", "Period of employment to, year")},
    {"tIncome", 0, "aIncome", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "a. Salary/Wages, amount")},
    {"tPeriod", 0, "aPeriod", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "a. Salary/Wages, period")},
    {"tIncome", 1, "bIncome", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "b. Leave Pay, amount")},
    {"tPeriod", 1, "bPeriod", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "b. Leave Pay, period")},
    {"tIncome", 2, "cIncome", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "c. Director's Fee, amount")},
    {"tPeriod", 2, "cPeriod", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "c. Director's Fee, period")},
    {"tIncome", 3, "dIncome", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "d. Commission/Fees, amount")},
    {"tPeriod", 3, "dPeriod", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "d. Commission/Fees, period")},
    {"tIncome", 4, "eIncome", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "e. Bonus, amount")},
    {"tPeriod", 4, "ePeriod", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "e. Bonus, period")},
    {"tIncome", 5, "fIncome", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "f. Back pay, Terminal Awards, and Gratuities, etc., amount")},
    {"tPeriod", 5, "fPeriod", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "f. Back pay, Terminal Awards, and Gratuities, etc., period")},
    {"tIncome", 6, "gIncome", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "g. Certain Payments from Retirement Schemes, amount")},
    {"tPeriod", 6, "gPeriod", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "g. Certain Payments from Retirement Schemes, period")},
    {"tIncome", 7, "hIncome", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "h. Salaries Tax paid by Employer, amount")},
    {"tPeriod", 7, "hPeriod", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "h. Salaries Tax paid by Employer, period")},
    {"tIncome", 8, "iIncome", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "i. Education Benefits, amount")},
    {"tPeriod", 8, "iPeriod", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "i. Education Benefits, period")},
    {"tIncome", 9, "jIncome", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "j. Gain realized under share option scheme, amount")},
    {"tPeriod", 10, "jPeriod", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "j. Gain realized under share option scheme, period")},
    {"tIncome", 10, "kIncome1", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "k. Any other rewards, allowances or perquisites, amount 1")},
    {"tPeriod", 11, "kPeriod1", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "k. Any other rewards, allowances or perquisites, period 1")},
    {"tNature", 0, "kNature1", 2, RuleKind::IncomeNature,
     QT_TRANSLATE_NOOP("FieldName", "k. Any other rewards, allowances or perquisites, nature 1")},
    {"tIncome", 11, "kIncome2", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "k. Any other rewards, allowances or perquisites, amount 2")},
    {"tPeriod", 12, "kPeriod2", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "k. Any other rewards, allowances or perquisites, period 2")},
    {"tNature", 1, "kNature2", 2, RuleKind::IncomeNature,
     QT_TRANSLATE_NOOP("FieldName", "k. Any other rewards, allowances or perquisites, nature 2")},
    {"tIncome", 12, "kIncome3", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "k. Any other rewards, allowances or perquisites, amount 3")},
    {"tPeriod", 13, "kPeriod3", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "k. Any other rewards, allowances or perquisites, period 3")},
    {"tNature", 2, "kNature3", 2, RuleKind::IncomeNature,
     QT_TRANSLATE_NOOP("FieldName", "k. Any other rewards, allowances or perquisites, nature 3")},
    {"tIncome", 13, "lIncome", 2, RuleKind::IncomeAmount,
     QT_TRANSLATE_NOOP("FieldName", "l. Pensions, amount")},
    {"tPeriod", 14, "lPeriod", 2, RuleKind::IncomePeriod,
     QT_TRANSLATE_NOOP("FieldName", "l. Pensions, period")},
    {"tQFlag", -1, "QFlag", 3, RuleKind::ResidenceIndicator,
     QT_TRANSLATE_NOOP(
         "FieldName",
         "Particulars of Place of Residence provided (0=No Place of Residence provided, 1=Place of "
         "Residence provided by Employer)")},
    {"tPage3", 0, "Q1Address1", 3, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Address 1, line 1")},
    {"tPage3", 1, "Q1Address2", 3, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Address 1, line 2")},
    {"tPage3", 2, "Q1Nature", 3, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Address 1, nature")},
    {"tPage3", 3, "Q1Period", 3, RuleKind::ResidencePeriod,
     QT_TRANSLATE_NOOP("FieldName", "Address 1, period provided")},
    {"tRent1", 0, "Q1Rent1", 3, RuleKind::Rent,
     QT_TRANSLATE_NOOP("FieldName", "Address 1, rent paid to landlord by employer")},
    {"tRent1", 1, "Q1Rent2", 3, RuleKind::Rent,
     QT_TRANSLATE_NOOP("FieldName", "Address 1, rent paid to landlord by employee")},
    {"tRent1", 2, "Q1Rent3", 3, RuleKind::Rent,
     QT_TRANSLATE_NOOP("FieldName", "Address 1, rent refunded to employee")},
    {"tRent1", 3, "Q1Rent4", 3, RuleKind::Rent,
     QT_TRANSLATE_NOOP("FieldName", "Address 1, rent paid to employer by employee")},
    {"tPage3", 4, "Q2Address1", 3, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Address 2, line 1")},
    {"tPage3", 5, "Q2Address2", 3, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Address 2, line 2")},
    {"tPage3", 6, "Q2Nature", 3, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Address 2, nature")},
    {"tPage3", 7, "Q2Period", 3, RuleKind::ResidencePeriod,
     QT_TRANSLATE_NOOP("FieldName", "Address 2, period provided")},
    {"tRent1", 4, "Q2Rent1", 3, RuleKind::Rent,
     QT_TRANSLATE_NOOP("FieldName", "Address 2, rent paid to landlord by employer")},
    {"tRent1", 5, "Q2Rent2", 3, RuleKind::Rent,
     QT_TRANSLATE_NOOP("FieldName", "Address 2, rent paid to landlord by employee")},
    {"tRent1", 6, "Q2Rent3", 3, RuleKind::Rent,
     QT_TRANSLATE_NOOP("FieldName", "Address 2, rent refunded to employee")},
    {"tRent1", 7, "Q2Rent4", 3, RuleKind::Rent,
     QT_TRANSLATE_NOOP("FieldName", "Address 2, rent paid to employer by employee")},
    {"tOSeaFlag", -1, "OSeaFlag", 4, RuleKind::OverseasIndicator,
     QT_TRANSLATE_NOOP("FieldName", "Whether the employee was wholly or partly paid by an overseas "
                                    "company either in Hong Kong or "
                                    "overseas (0=NO, 1=YES)")},
    {"tPage4", 0, "OSeaAmount", 4, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Overseas company, amount (if known)")},
    {"tPage4", 1, "OSeaName", 4, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Name of overseas company")},
    {"tPage4", 2, "OSeaAddress", 4, RuleKind::FreeText,
     QT_TRANSLATE_NOOP("FieldName", "Overseas company, address")},
    {"tPage4", 3, "FileNo", 4, RuleKind::FileNumber,
     QT_TRANSLATE_NOOP("FieldName", "Employee's Tax File Number in XWD")},
    {"tPage4", 4, "Remark", 4, RuleKind::FreeText, QT_TRANSLATE_NOOP("FieldName", "Remarks")},
};

// A field takes as many characters as its column holds bytes; the indicators are one-digit byte
// columns, and the record identifier is set by the program only.
int limitOf(const char* name) {
    const ColumnDef& def = column(employeeColumns(), QLatin1String(name));
    if (def.type == ColumnType::Text)
        return def.width;
    return def.type == ColumnType::Byte ? 1 : 0;
}

std::vector<EditorField> makeFields() {
    std::vector<EditorField> made;
    made.reserve(std::size(entries));
    for (const FieldEntry& entry : entries)
        made.push_back({entry.control, entry.element, entry.column, limitOf(entry.column),
                        entry.page, entry.rule, entry.accessibleName});
    return made;
}

// The rules whose key filter looks at the key alone and whose leave check (if any) at the text and
// the value it had on entry; the others need more of the field and are chosen in place.
struct SimpleRule {
    RuleKind kind;
    fieldrules::KeyVerdict (*key)(char32_t key);
    fieldrules::LeaveVerdict (*leave)(const QString& text, const QString& entryValue);
};

constexpr SimpleRule simpleRules[]{
    {RuleKind::SheetNumber, fieldrules::sheetNumberKey, nullptr},
    {RuleKind::Surname, fieldrules::surnameKey, fieldrules::surnameLeave},
    {RuleKind::OtherNames, fieldrules::otherNamesKey, nullptr},
    {RuleKind::Sex, fieldrules::sexKey, fieldrules::sexLeave},
    {RuleKind::AreaCode, fieldrules::areaCodeKey, fieldrules::areaCodeLeave},
    {RuleKind::MaritalStatus, fieldrules::maritalStatusKey, fieldrules::maritalStatusLeave},
    {RuleKind::IdentityNumber, fieldrules::identityNumberKey, fieldrules::identityNumberLeave},
    {RuleKind::CheckCharacter, fieldrules::checkCharacterKey, nullptr},
    {RuleKind::ResidenceIndicator, fieldrules::indicatorKey, fieldrules::residenceIndicatorLeave},
    {RuleKind::OverseasIndicator, fieldrules::indicatorKey, fieldrules::overseasIndicatorLeave},
    {RuleKind::ResidencePeriod, fieldrules::periodKey, nullptr},
    {RuleKind::IncomePeriod, fieldrules::periodKey, nullptr},
    {RuleKind::FileNumber, fieldrules::fileNumberKey, nullptr},
};

const SimpleRule* simpleRuleOf(RuleKind kind) {
    for (const SimpleRule& rule : simpleRules)
        if (rule.kind == kind)
            return &rule;
    return nullptr;
}

bool is(const EditorField& field, const char* control, int element) {
    return qstrcmp(field.control, control) == 0 && field.element == element;
}

} // namespace

std::span<const EditorField> editorFields() {
    static const std::vector<EditorField> fields = makeFields();
    return fields;
}

const EditorField* findField(const QString& control, int element) {
    for (const EditorField& field : editorFields())
        if (control == QLatin1String(field.control) && field.element == element)
            return &field;
    return nullptr;
}

const EditorField* fieldForColumn(const QString& column) {
    for (const EditorField& field : editorFields())
        if (column.compare(QLatin1String(field.column), Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}

std::vector<const EditorField*> dependentFields(RuleKind indicator) {
    std::vector<const EditorField*> dependents;
    auto add = [&](const char* control, int element) {
        for (const EditorField& field : editorFields())
            if (is(field, control, element))
                dependents.push_back(&field);
    };
    switch (indicator) {
    case RuleKind::MaritalStatus:
        add("tPage1", 3);
        add("tPage1", 4);
        add("tHKID", 1);
        add("tChkDigit", 1);
        break;
    case RuleKind::ResidenceIndicator:
        for (int i = 0; i < 8; ++i) {
            add("tPage3", i);
            add("tRent1", i);
        }
        break;
    case RuleKind::OverseasIndicator:
        for (int i = 0; i < 3; ++i)
            add("tPage4", i);
        break;
    default:
        break;
    }
    return dependents;
}

bool usesByteGuard(RuleKind rule) {
    switch (rule) {
    case RuleKind::Surname:
    case RuleKind::OtherNames:
    case RuleKind::ChineseName:
    case RuleKind::FreeText:
    case RuleKind::ResidencePeriod:
    case RuleKind::FileNumber:
    case RuleKind::IncomeNature:
        return true;
    default:
        return false;
    }
}

fieldrules::KeyVerdict filterKey(const EditorField& field, char32_t key, const QString& textBefore,
                                 const QString& entryValue) {
    using namespace fieldrules;
    switch (field.rule) {
    case RuleKind::ChineseName:
        return chineseNameKey(key, textBefore, field.limit);
    case RuleKind::FreeText:
        return freeTextKey(key, textBefore, field.limit);
    case RuleKind::DatePart:
        return datePartKey(key, field.element, textBefore, entryValue);
    case RuleKind::IncomeAmount:
        return incomeAmountKey(key, textBefore);
    case RuleKind::Rent:
        return rentKey(key, textBefore);
    default:
        break;
    }
    const SimpleRule* simple = simpleRuleOf(field.rule);
    return simple ? simple->key(key) : anyStorableKey(key);
}

fieldrules::ChangeVerdict applyChange(const EditorField& field, const QString& newText,
                                      const QString& lastAccepted) {
    using namespace fieldrules;
    if (usesByteGuard(field.rule))
        return byteLengthGuard(newText, field.limit, lastAccepted);
    switch (field.rule) {
    case RuleKind::Sex:
    case RuleKind::AreaCode:
    case RuleKind::CheckCharacter:
        return upperCaseChange(newText);
    case RuleKind::MaritalStatus:
        return maritalStatusChange(newText);
    case RuleKind::Hidden: {
        // The record type has a change rule of its own on the screen; neither marks the record.
        ChangeVerdict verdict = plainChange(newText);
        verdict.markWhenTracking = false;
        return verdict;
    }
    default:
        return plainChange(newText);
    }
}

std::optional<fieldrules::LeaveVerdict> leaveCheck(const EditorField& field, const QString& text,
                                                   const QString& entryValue,
                                                   const SiblingTexts& siblings) {
    using namespace fieldrules;
    if (field.rule == RuleKind::DatePart)
        return datePartLeave(field.element, siblings.dateParts, entryValue);
    if (field.rule == RuleKind::IncomeAmount)
        return incomeAmountLeave(field.element, siblings.amounts, entryValue);
    if (field.rule == RuleKind::Rent)
        return rentLeave(text);
    const SimpleRule* simple = simpleRuleOf(field.rule);
    if (!simple || !simple->leave)
        return std::nullopt;
    return simple->leave(text, entryValue);
}
