#include "core/records/return_check.h"

#include "core/records/editor_fields.h"
#include "core/records/record_types.h"
#include "core/validation/problem_codes.h"

#include <QObject>
#include <QSet>
#include <algorithm>

namespace {

using Kind = ReturnProblem::Kind;

QString invalidDateMessage() {
    return QObject::tr("Invalid date. Please enter again.");
}

// The code of a refusal that the editor shows, or of a rule of the whole return.
QString codeOf(Kind kind, int page, const QString& message, const char* code) {
    if (code)
        return sharedText(code);
    if (kind == Kind::PageCheck || kind == Kind::FieldCheck)
        return sharedText(validation::ruleForMessage(page, message).code);
    return QString();
}

ReturnProblem problemOf(FieldView fields, int page, const QString& column, const QString& message,
                        Kind kind, const char* code = nullptr) {
    return ReturnProblem{std::nullopt,
                         fieldText(fields, "Surname"),
                         fieldText(fields, "FirstName"),
                         page,
                         column,
                         message,
                         kind,
                         fieldText(fields, "SheetNo").trimmed(),
                         codeOf(kind, page, message, code),
                         fieldText(fields, "Status"),
                         identityText(fields),
                         fields.text(column)};
}

void addPageChecks(QList<ReturnProblem>& problems, FieldView fields, const QString& returnYear) {
    // Update upper-cases the names before its first check. The page checks ask of those fields
    // only whether they are blank, which upper-casing never changes, so the record's own texts
    // give the same verdicts without a copy of the record.
    const std::optional<PageFailure> failures[]{
        checkIdentityPage(fields), checkIncomePage(fields, returnYear), checkResidencePage(fields),
        checkOverseasPage(fields)};
    for (const std::optional<PageFailure>& failure : failures)
        if (failure)
            problems << problemOf(fields, failure->page, failure->focusColumn, failure->message,
                                  Kind::PageCheck);
}

SiblingTexts siblingTexts(FieldView fields) {
    SiblingTexts siblings;
    static const auto amountFields =
        std::ranges::count_if(editorFields(), [](const EditorField& field) {
            return field.rule == RuleKind::IncomeAmount;
        });
    siblings.amounts.reserve(static_cast<qsizetype>(amountFields));
    for (const EditorField& field : editorFields()) {
        if (field.rule == RuleKind::DatePart)
            siblings.dateParts[static_cast<std::size_t>(field.element)] =
                fieldText(fields, field.column);
        else if (field.rule == RuleKind::IncomeAmount)
            siblings.amounts << fieldText(fields, field.column);
    }
    return siblings;
}

// A check character that its field could not have taken: 0 to 9 or A, or nothing.
bool refusedCheckCharacter(const QString& value) {
    const QString character = value.trimmed().toUpper();
    return character.size() > 1 ||
           (character.size() == 1 && !fieldrules::checkCharacterKey(character[0].unicode()).accept);
}

// The message a typed amount would have met at its first refused key ("Cents should be
// excluded!" at a full stop), if any.
std::optional<QString> amountKeyRefusal(const EditorField& field, const QString& value) {
    // Digits and commas alone pass every key without a message.
    if (fieldrules::amountValue(value))
        return std::nullopt;
    QString typed;
    for (char32_t key : value.toUcs4()) {
        const fieldrules::KeyVerdict verdict = filterKey(field, key, typed);
        if (!verdict.accept && !verdict.message.isEmpty())
            return verdict.message;
        typed += QString::fromUcs4(&key, 1);
    }
    return std::nullopt;
}

// The parts joined into one text compared with `other` as QString compares texts (by their UTF-16
// code units), without joining them: the check compares two dates of every record.
int compareJoined(std::initializer_list<QStringView> parts, QStringView other) {
    qsizetype at = 0;
    for (QStringView part : parts) {
        const qsizetype left = other.size() - at;
        if (part.size() > left) { // `other` ends inside this part
            const int order = part.first(left).compare(other.sliced(at));
            return order != 0 ? order : 1;
        }
        if (const int order = part.compare(other.sliced(at, part.size())); order != 0)
            return order;
        at += part.size();
    }
    return at < other.size() ? -1 : 0;
}

bool onlyDigits(const QString& value) {
    return std::ranges::all_of(value, [](QChar c) { return c >= u'0' && c <= u'9'; });
}

std::optional<QString> fieldRefusal(const EditorField& field, const QString& value,
                                    const SiblingTexts& siblings) {
    // A date part of digits alone (or none) is numeric, and its only other refusal, a date that
    // is no calendar day, is the page check's to report.
    if (field.rule == RuleKind::DatePart && onlyDigits(value))
        return std::nullopt;
    if (field.rule == RuleKind::IncomeAmount)
        if (const std::optional<QString> refusal = amountKeyRefusal(field, value))
            return refusal;
    if (field.rule == RuleKind::CheckCharacter)
        return refusedCheckCharacter(value) ? std::optional<QString>(QObject::tr(
                                                  "Invalid check character. Please enter 0 to "
                                                  "9 or A."))
                                            : std::nullopt;
    const std::optional<fieldrules::LeaveVerdict> verdict =
        leaveCheck(field, value, value, siblings);
    // A date that is no calendar day is what the page check reports on its year already.
    if (!verdict || verdict->ok || verdict->message == invalidDateMessage())
        return std::nullopt;
    return verdict->message;
}

// Every amount a whole number and their sum within the limit: then no amount's leave check can
// refuse it, and the fourteen checks (each adding up all fourteen) need not run.
bool amountsPass(const SiblingTexts& siblings) {
    qint64 sum = 0;
    for (const QString& amount : siblings.amounts) {
        const std::optional<qint64> value = fieldrules::amountValue(amount);
        if (!value)
            return false;
        sum += *value;
    }
    return sum <= fieldrules::largestTotal;
}

// The fields of the pages in the editor's order, less those without a rule that refuses a value
// on leaving; found once.
const std::vector<const EditorField*>& checkedFields() {
    static const std::vector<const EditorField*> checked = [] {
        std::vector<const EditorField*> found;
        for (const EditorField& field : editorFields()) {
            const bool refuses =
                field.rule == RuleKind::CheckCharacter || field.rule == RuleKind::IncomeAmount ||
                field.rule == RuleKind::DatePart || field.rule == RuleKind::Rent ||
                leaveCheck(field, QString(), QString(), SiblingTexts()).has_value();
            if (field.page != 0 && refuses)
                found.push_back(&field);
        }
        return found;
    }();
    return checked;
}

void addFieldChecks(QList<ReturnProblem>& problems, FieldView fields) {
    const SiblingTexts siblings = siblingTexts(fields);
    const bool skipAmounts = amountsPass(siblings);
    QSet<QString> amountMessages; // a total too large fails every amount; it is told once
    for (const EditorField* fieldOfPage : checkedFields()) {
        const EditorField& field = *fieldOfPage;
        if (skipAmounts && field.rule == RuleKind::IncomeAmount)
            continue;
        const std::optional<QString> refusal =
            fieldRefusal(field, fieldText(fields, field.column), siblings);
        if (!refusal)
            continue;
        if (field.rule == RuleKind::IncomeAmount) {
            if (amountMessages.contains(*refusal))
                continue;
            amountMessages.insert(*refusal);
        }
        problems << problemOf(fields, field.page, sharedText(field.column), *refusal,
                              Kind::FieldCheck);
    }
}

void addRecordTypeChecks(QList<ReturnProblem>& problems, FieldView fields,
                         const QString& returnYear) {
    const QString status = fieldText(fields, "Status");
    if (status != recordtype::original && status != recordtype::replacement &&
        status != recordtype::supplementary)
        problems << problemOf(
            fields, 1, QStringLiteral("Status"),
            QObject::tr("Unknown record type \"%1\": it must be O, R or S.").arg(status),
            Kind::WholeReturn, validation::code::unknownType);
    else if (status == recordtype::original && leftOutBySave(fields, returnYear))
        problems << problemOf(fields, 2, QStringLiteral("EDay1"),
                              QObject::tr("The save leaves this original record out: its "
                                          "period of employment is not within the return "
                                          "year."),
                              Kind::WholeReturn, validation::code::leftOutBySave);
}

} // namespace

FieldTexts recordTexts(const RowValues& row) {
    FieldTexts fields;
    const Columns columns = employeeColumns();
    fields.reserve(static_cast<qsizetype>(columns.size()));
    for (std::size_t i = 0; i < columns.size(); ++i)
        fields.insert(columnKey(columns[i].name),
                      textFromValue(row.value(static_cast<qsizetype>(i))));
    return fields;
}

QList<ReturnProblem> recordProblems(FieldView fields, const QString& returnYear) {
    QList<ReturnProblem> problems;
    addPageChecks(problems, fields, returnYear);
    addFieldChecks(problems, fields);
    addRecordTypeChecks(problems, fields, returnYear);
    return problems;
}

// Compared as the joined texts of the stored parts, as the save selects them.
bool leftOutBySave(FieldView fields, const QString& returnYear) {
    const int year = returnYear.trimmed().toInt();
    const QString after = QString::number(year - 1) + QStringLiteral("0331");
    const QString before = QString::number(year) + QStringLiteral("0401");
    return !(compareJoined({fieldText(fields, "EYear1"), fieldText(fields, "EMonth1"),
                            fieldText(fields, "EDay1")},
                           after) > 0 &&
             compareJoined({fieldText(fields, "EYear2"), fieldText(fields, "EMonth2"),
                            fieldText(fields, "EDay2")},
                           before) < 0);
}

QString identityText(FieldView fields) {
    const QString number = fieldText(fields, "HKID").trimmed().toUpper();
    return number.isEmpty()
               ? QString()
               : number + u'(' + fieldText(fields, "ChkDigit").trimmed().toUpper() + u')';
}

QString originalIdentity(FieldView fields) {
    const QString number = fieldText(fields, "HKID").trimmed().toUpper();
    if (fieldText(fields, "Status") != recordtype::original || number.isEmpty())
        return QString();
    return number + u'(' + fieldText(fields, "ChkDigit").trimmed().toUpper() + u')';
}

IdentityCarrier::IdentityCarrier(const QString& identity, const QString& where,
                                 std::optional<qint64> record, FieldView fields)
    : identity(identity)
    , m_record(record.value_or(0))
    , m_hasRecord(record.has_value()) {
    const QString surname = fieldText(fields, "Surname");
    const QString firstName = fieldText(fields, "FirstName");
    const QString sheet = fieldText(fields, "SheetNo").trimmed();
    m_texts.reserve(surname.size() + firstName.size() + sheet.size() + where.size());
    m_texts.append(surname).append(firstName).append(sheet).append(where);
    m_surnameLength = static_cast<qint32>(surname.size());
    m_firstNameLength = static_cast<qint32>(firstName.size());
    m_sheetLength = static_cast<qint32>(sheet.size());
}

ReturnCheck::ReturnCheck(const EmployerData& employer, const QString& recordLabel)
    : m_employer(employer)
    , m_recordLabel(recordLabel) {}

QString recordName(FieldView fields) {
    const QString names =
        fieldText(fields, "Surname") + QStringLiteral(", ") + fieldText(fields, "FirstName");
    const QString sheet = fieldText(fields, "SheetNo").trimmed();
    return sheet.isEmpty() ? names : names + QObject::tr(" (sheet %1)").arg(sheet);
}

void ReturnCheck::addRecord(std::optional<qint64> record, FieldView fields, const QString& where) {
    m_problems << checkRecord(record, fields, where);
}

QList<ReturnProblem> ReturnCheck::checkRecord(std::optional<qint64> record, FieldView fields,
                                              const QString& where) {
    QList<ReturnProblem> problems = recordProblems(fields, m_employer.returnYear);
    for (ReturnProblem& problem : problems)
        problem.record = record;
    const QString identity = originalIdentity(fields);
    if (!identity.isEmpty()) {
        // The carrier keeps the text the list of numbers keeps, rather than one of its own.
        const QString& held = addHolder(identity, Holder{m_carriers.size(), 0});
        m_carriers << IdentityCarrier(held, where, record, fields);
    }
    return problems;
}

QString ReturnCheck::nameOf(const IdentityCarrier& carrier) const {
    const QString where = carrier.where();
    return where.isEmpty() ? m_recordLabel.arg(carrier.record().value_or(0)) : where;
}

QString ReturnCheck::nameOf(const Holder& holder) const {
    return holder.carrier < 0 ? QStringLiteral("record with ID %1").arg(holder.knownId)
                              : nameOf(m_carriers.at(holder.carrier));
}

void ReturnCheck::expectRecords(qsizetype count) {
    m_carriers.reserve(count);
    m_identities.reserve(m_identities.size() + count);
}

void ReturnCheck::addKnownIdentity(const QString& identity, qint64 id) {
    addHolder(identity, Holder{-1, id});
}

const QString& ReturnCheck::addHolder(const QString& identity, Holder holder) {
    auto found = m_identities.find(identity);
    if (found == m_identities.end())
        found = m_identities.insert(identity, Holders{});
    Holders& holders = found.value();
    if (holders.count == 0)
        holders.first = holder;
    else if (holders.count == 1)
        holders.second = holder;
    ++holders.count;
    return found.key();
}

QString ReturnCheck::personNames(const IdentityCarrier& carrier) {
    return (carrier.surname().simplified() + u',' + carrier.firstName().simplified()).toUpper();
}

void ReturnCheck::forEachRepeatedIdentity(
    const std::function<void(const ReturnProblem&)>& take) const {
    auto messageOf = [](const QString& identity, const Holders& holders, const QString& other) {
        QString message =
            QObject::tr("The identity number %1 is also on the original %2").arg(identity, other);
        return message + (holders.count == 2
                              ? QStringLiteral(".")
                              : QObject::tr("; %1 original records carry it.").arg(holders.count));
    };
    // What every holder but the first is told, made once for a number that more than two carry
    // (of two, only one is told it).
    QHash<QString, QString> toldOfFirst;
    for (const IdentityCarrier& carrier : m_carriers) {
        const Holders& holders = m_identities[carrier.identity];
        if (holders.count < 2)
            continue;
        // The first holder is told of the second; every other holder of the first.
        const bool isFirst = nameOf(carrier) == nameOf(holders.first);
        QString message;
        if (isFirst) {
            message = messageOf(carrier.identity, holders, nameOf(holders.second));
        } else if (holders.count == 2) {
            message = messageOf(carrier.identity, holders, nameOf(holders.first));
        } else {
            auto told = toldOfFirst.find(carrier.identity);
            if (told == toldOfFirst.end())
                told = toldOfFirst.insert(
                    carrier.identity, messageOf(carrier.identity, holders, nameOf(holders.first)));
            message = *told;
        }
        // One employee entered twice is likelier a mistake than two people sharing a number
        // under different names, which is rather a mistyped number.
        const qsizetype other = isFirst ? holders.second.carrier : holders.first.carrier;
        const char* code = other < 0 || personNames(m_carriers.at(other)) == personNames(carrier)
                               ? validation::code::repeatedIdentity
                               : validation::code::identityOtherName;
        take(ReturnProblem{carrier.record(), carrier.surname(), carrier.firstName(), 1,
                           QStringLiteral("HKID"), message, Kind::WholeReturn,
                           carrier.sheetNumber(), sharedText(code), QString(recordtype::original),
                           carrier.identity, carrier.identity});
    }
}

QList<ReturnProblem> ReturnCheck::duplicateProblems() const {
    QList<ReturnProblem> problems;
    forEachRepeatedIdentity([&problems](const ReturnProblem& problem) { problems << problem; });
    std::ranges::stable_sort(problems, {}, &ReturnProblem::record);
    return problems;
}

QList<ReturnProblem> ReturnCheck::problems() const {
    return employerProblems(m_employer) + m_problems + duplicateProblems();
}
