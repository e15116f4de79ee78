#include "core/import/sheet_columns.h"

#include "core/records/column_labels.h"
#include "core/records/editor_fields.h"
#include "core/records/record_types.h"

#include <QObject>
#include <algorithm>

namespace {

constexpr int widestHeaderLine = 24;
constexpr int widestColumn = 60;

// The values a field takes when they are few, and what the field's rule says, by its rule kind.
struct KindText {
    RuleKind rule;
    const char* allowed; // comma-separated; empty: any value within the width
    const char* rule_;
};

constexpr KindText kindTexts[]{
    {RuleKind::SheetNumber, "",
     "Digits only, which the program gives original records when it sorts them; an import "
     "leaves it empty."},
    {RuleKind::Surname, "",
     "Required: letters, hyphens, apostrophes and full stops only, without spaces or digits; "
     "stored in capitals."},
    {RuleKind::OtherNames, "", "Required: letters, spaces, hyphens, commas and full stops only."},
    {RuleKind::ChineseName, "", "Chinese characters only, at most 25 of them."},
    {RuleKind::Sex, "M,F", "Required: M for male, F for female."},
    {RuleKind::AreaCode, "H,K,N,F",
     "Required: H for Hong Kong, K for Kowloon, N for the New Territories, F for a foreign "
     "address."},
    {RuleKind::MaritalStatus, "1,2",
     "1 for single, widowed, divorced or separated, 2 for married (then the spouse's fields "
     "apply); may be left empty."},
    {RuleKind::FreeText, "", "Free text within the width; a Chinese character takes two bytes."},
    {RuleKind::IdentityNumber, "",
     "One or two letters followed by six digits, without the check character."},
    {RuleKind::CheckCharacter, "0,1,2,3,4,5,6,7,8,9,A",
     "The character in brackets after the identity number: a digit or A."},
    {RuleKind::ResidenceIndicator, "0,1",
     "Required: 1 when the employer provided a place of residence (then the first place's "
     "address, nature and period are needed), otherwise 0."},
    {RuleKind::ResidencePeriod, "",
     "The period the place was provided: letters, digits, spaces, hyphens, full stops and "
     "slashes only."},
    {RuleKind::OverseasIndicator, "0,1",
     "Required: 1 when an overseas company paid the employee wholly or partly (then its name is "
     "needed), otherwise 0."},
    {RuleKind::FileNumber, "", "Letters, digits, spaces, hyphens and slashes only."},
    {RuleKind::DatePart, "",
     "Required: a part of a date of the period of employment, which lies within the return year "
     "and starts before it ends; day and month as two digits, the year as four."},
    {RuleKind::IncomeAmount, "",
     "Whole dollars without cents; the amounts of one record add up to at most 999,999,999."},
    {RuleKind::IncomePeriod, "",
     "The period the amount relates to, such as 20010401 - 20020331: letters, digits, spaces, "
     "hyphens, full stops and slashes only."},
    {RuleKind::IncomeNature, "", "What the other reward is, in free text within the width."},
    {RuleKind::Rent, "", "Whole dollars without cents, at most 9,999,999."},
};

// The two columns the editor keeps hidden: the record type, chosen by option buttons, and the
// identifier the program gives every new record.
void describeHidden(const ColumnDef& column, SheetColumn& sheet) {
    if (QLatin1String(column.name) == QLatin1String("ID")) {
        sheet.rule = QObject::tr("Given by the program; an imported row always becomes a new "
                                 "record with a new identifier.");
        return;
    }
    for (const char16_t type : recordtype::recordTypes)
        sheet.allowedValues << recordtype::code(type);
    sheet.rule = QObject::tr("The record type: O for an original, R for a replacement, S for a "
                             "supplementary return; an empty cell makes an original.");
}

SheetColumn describe(const ColumnDef& column) {
    const QString name = QLatin1String(column.name);
    SheetColumn sheet{&column, columnLabel(name), CellKind::Text, {}, {}};
    if (column.type != ColumnType::Text)
        sheet.kind = CellKind::Number;
    const EditorField* field = fieldForColumn(name);
    if (!field || field->rule == RuleKind::Hidden) {
        describeHidden(column, sheet);
        return sheet;
    }
    if (field->rule == RuleKind::IncomeAmount || field->rule == RuleKind::Rent)
        sheet.kind = CellKind::Amount;
    const auto* text = std::ranges::find(kindTexts, field->rule, &KindText::rule);
    if (text != std::end(kindTexts)) {
        if (*text->allowed)
            sheet.allowedValues = QString::fromLatin1(text->allowed).split(u',');
        sheet.rule = QObject::tr(text->rule_);
    }
    return sheet;
}

} // namespace

const std::vector<SheetColumn>& sheetColumns() {
    static const std::vector<SheetColumn> columns = [] {
        std::vector<SheetColumn> made;
        for (const ColumnDef& column : employeeColumns())
            made.push_back(describe(column));
        return made;
    }();
    return columns;
}

std::optional<double> cellNumber(const QString& text) {
    // Read by hand rather than by a pattern: an export asks this of every amount of every record.
    constexpr int exactDigits = 15; // a double holds every whole number of this many digits
    double value = 0;
    int digits = 0;
    for (const QChar c : QStringView(text).trimmed()) {
        if (c == u',')
            continue;
        if (!c.isDigit() || c.unicode() > u'9' || ++digits > exactDigits)
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

int displayWidth(const QString& text) {
    int width = 0;
    for (const QChar c : text)
        if (!c.isLowSurrogate()) // a character beyond 16 bits counts once, by its first half
            width += c.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

int headerWidth(const QString& label) {
    return std::min(displayWidth(label), widestHeaderLine);
}

int headerLines(const QString& label) {
    // Word wrapping may leave a line short, so count generously: one line more than the
    // characters fill, for a label that wraps at all.
    const int width = headerWidth(label);
    const int full = (displayWidth(label) + width - 1) / std::max(width, 1);
    return full > 1 ? full + 1 : 1;
}

double fittedWidth(const QString& label, int widestValue) {
    return std::min(std::max(headerWidth(label), widestValue) + 2, widestColumn);
}

QStringList explanationHeader() {
    return {QObject::tr("Label"), QObject::tr("Column name"), QObject::tr("Width in bytes"),
            QObject::tr("Allowed values"), QObject::tr("Rule")};
}

QList<QStringList> explanationRows() {
    QList<QStringList> rows;
    for (const SheetColumn& sheet : sheetColumns()) {
        const ColumnDef& column = *sheet.column;
        const int bytes = column.type == ColumnType::Text   ? column.width
                          : column.type == ColumnType::Byte ? 1
                                                            : 4;
        rows << QStringList{sheet.label, QLatin1String(column.name), QString::number(bytes),
                            sheet.allowedValues.join(QStringLiteral(", ")), sheet.rule};
    }
    return rows;
}
