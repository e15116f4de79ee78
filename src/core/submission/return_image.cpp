#include "core/submission/return_image.h"

#include "core/common/codepage.h"
#include "core/common/engine_error.h"

#include <QObject>
#include <QStringList>
#include <algorithm>

namespace returnimage {
namespace {

constexpr QByteArrayView lineEnd("\r\n");

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

EngineError cannotWrite(const ColumnDef& column) {
    return EngineError(engine::InvalidArgument,
                       QObject::tr("The field '%1' holds a character that the return's code page "
                                   "cannot write.")
                           .arg(QLatin1String(column.name)));
}

// The code page keeps ASCII as it is; only other text needs converting.
void appendText(QByteArray& image, const ColumnDef& column, QByteArrayView utf8) {
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; })) {
        image.append(utf8);
        return;
    }
    const auto bytes = codepage::encode(QString::fromUtf8(utf8));
    if (!bytes)
        throw cannotWrite(column);
    image.append(*bytes);
}

void appendValue(QByteArray& image, const ColumnDef& column, const StoredValue& value) {
    switch (value.kind) {
    case StoredValue::Kind::Missing:
        image.append("Null");
        break;
    case StoredValue::Kind::Number:
        image.append(' ').append(QByteArray::number(value.number)).append(' ');
        break;
    case StoredValue::Kind::Text:
        appendText(image, column, value.utf8);
        break;
    }
}

bool isWritten(Rule rule, const StoredValue& value) {
    if (rule == Rule::Always)
        return true;
    return value.kind == StoredValue::Kind::Number ||
           (value.kind == StoredValue::Kind::Text && !value.utf8.isEmpty());
}

// Rows held as values, seen as the engine would hand them over.
QByteArray fromValues(const QList<QVariant>& row,
                      const std::function<void(QByteArray&, const ValueAt&)>& append) {
    QList<QByteArray> texts;
    for (const QVariant& value : row)
        texts << value.toString().toUtf8();
    QByteArray image;
    append(image, [&](int column) {
        const QVariant& value = row.at(column);
        if (value.isNull())
            return StoredValue{};
        if (value.typeId() != QMetaType::QString)
            return StoredValue{StoredValue::Kind::Number, {}, value.toLongLong()};
        return StoredValue{StoredValue::Kind::Text, texts.at(column), 0};
    });
    return image;
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

void appendEmployerLine(QByteArray& image, const ValueAt& employer) {
    const Columns columns = employerColumns();
    for (const char* name :
         {"Session", "BRN", "ReturnYear", "SubmissionDate", "Name", "Designation"}) {
        const int at = columnIndex(columns, QLatin1String(name));
        appendValue(image, columns[static_cast<std::size_t>(at)], employer(at));
    }
    image.append(lineEnd);
}

void appendRecordText(QByteArray& image, const ValueAt& employee) {
    const Columns columns = employeeColumns();
    static const int remark = columnIndex(columns, "Remark");
    for (const Field& field : employeeLayout()) {
        const StoredValue value = employee(field.column);
        if (isWritten(field.rule, value))
            appendValue(image, columns[static_cast<std::size_t>(field.column)], value);
    }
    if (isWritten(Rule::WhenPresent, employee(remark)))
        image.append(lineEnd);
}

QByteArray employerLine(const QList<QVariant>& employer) {
    return fromValues(employer, appendEmployerLine);
}

QByteArray recordText(const QList<QVariant>& employee) {
    return fromValues(employee, appendRecordText);
}

} // namespace returnimage
