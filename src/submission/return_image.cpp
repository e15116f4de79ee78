#include "submission/return_image.h"

#include "common/codepage.h"
#include "store/engine_error.h"

#include <QObject>
#include <QStringList>

namespace returnimage {
namespace {

const QByteArray lineEnd("\r\n");

// The identity and address columns lead, the date parts run year, month, day, and each income
// category's period and amount are interleaved; from QFlag on, the image keeps the table's order.
QStringList employeeOrder() {
    QStringList names{"SheetNo",        "HKID",           "ChkDigit",    "Status",
                      "Surname",        "FirstName",      "ChineseName", "Sex",
                      "MStatus",        "Passport",       "SpouseName",  "SpouseHKID",
                      "SpouseChkDigit", "SpousePassport", "RAddress1",   "RAddress2",
                      "RAreaCode",      "CAddress",       "Capacity",    "PEmployer",
                      "EYear1",         "EMonth1",        "EDay1",       "EYear2",
                      "EMonth2",        "EDay2"};
    for (const char letter : QByteArray("abcdefghij"))
        names << QLatin1Char(letter) + QStringLiteral("Period")
              << QLatin1Char(letter) + QStringLiteral("Income");
    for (const QString item : {"1", "2", "3"})
        names << "kNature" + item << "kPeriod" + item << "kIncome" + item;
    names << QStringLiteral("lPeriod") << QStringLiteral("lIncome");
    const Columns columns = employeeColumns();
    for (auto at = static_cast<std::size_t>(columnIndex(columns, "QFlag")); at < columns.size();
         ++at)
        names << QLatin1String(columns[at].name);
    return names;
}

bool isDatePart(const QString& name) {
    return name.startsWith(QLatin1String("EYear")) || name.startsWith(QLatin1String("EMonth")) ||
           name.startsWith(QLatin1String("EDay"));
}

QByteArray valueBytes(const ColumnDef& column, const QVariant& value) {
    if (value.isNull())
        return QByteArrayLiteral("Null");
    if (column.type != ColumnType::Text)
        return ' ' + QByteArray::number(value.toLongLong()) + ' ';
    const auto bytes = codepage::encode(value.toString());
    if (!bytes)
        throw EngineError(engine::InvalidArgument,
                          QObject::tr("The field '%1' holds a character that the return's code "
                                      "page cannot write.")
                              .arg(QLatin1String(column.name)));
    return *bytes;
}

bool isWritten(Rule rule, const QVariant& value) {
    if (rule == Rule::Always)
        return true;
    return !value.isNull() && !(value.typeId() == QMetaType::QString && value.toString().isEmpty());
}

} // namespace

const QList<Field>& employeeLayout() {
    static const QList<Field> layout = [] {
        QList<Field> fields;
        for (const QString& name : employeeOrder())
            fields.append({columnIndex(employeeColumns(), name),
                           isDatePart(name) ? Rule::Always : Rule::WhenPresent});
        return fields;
    }();
    return layout;
}

QByteArray employerLine(const QList<QVariant>& employer) {
    const Columns columns = employerColumns();
    QByteArray line;
    for (const char* name :
         {"Session", "BRN", "ReturnYear", "SubmissionDate", "Name", "Designation"}) {
        const int at = columnIndex(columns, QLatin1String(name));
        line += valueBytes(columns[static_cast<std::size_t>(at)], employer.value(at));
    }
    return line + lineEnd;
}

QByteArray recordText(const QList<QVariant>& employee) {
    const Columns columns = employeeColumns();
    static const int remark = columnIndex(columns, "Remark");
    QByteArray text;
    for (const Field& field : employeeLayout()) {
        const QVariant value = employee.value(field.column);
        if (isWritten(field.rule, value))
            text += valueBytes(columns[static_cast<std::size_t>(field.column)], value);
    }
    if (isWritten(Rule::WhenPresent, employee.value(remark)))
        text += lineEnd;
    return text;
}

} // namespace returnimage
