#include "core/import/column_mapping.h"

#include "core/common/columns.h"
#include "core/common/engine_error.h"
#include "core/records/column_labels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Words that payroll programs and clerks put at the head of a column, by the column they mean,
// as headerKey() writes them.
struct CommonWord {
    const char* key;
    const char* column;
};
const CommonWord commonWords[] = {
    {"employeesurname", "Surname"},
    {"lastname", "Surname"},
    {"familyname", "Surname"},
    {"employeelastname", "Surname"},
    {"givennames", "FirstName"},
    {"givenname", "FirstName"},
    {"firstname", "FirstName"},
    {"firstnames", "FirstName"},
    {"othernames", "FirstName"},
    {"forenames", "FirstName"},
    {"employeefirstname", "FirstName"},
    {"chinesename", "ChineseName"},
    {"nameinchinese", "ChineseName"},
    {"hkid", "HKID"},
    {"hkidno", "HKID"},
    {"hkidnumber", "HKID"},
    {"idcard", "HKID"},
    {"idcardno", "HKID"},
    {"idcardnumber", "HKID"},
    {"identitycardnumber", "HKID"},
    {"checkdigit", "ChkDigit"},
    {"checkcharacter", "ChkDigit"},
    {"gender", "Sex"},
    {"maritalstatus", "MStatus"},
    {"passportno", "Passport"},
    {"passportnumber", "Passport"},
    {"address", "RAddress1"},
    {"homeaddress", "RAddress1"},
    {"residentialaddress", "RAddress1"},
    {"area", "RAreaCode"},
    {"areacode", "RAreaCode"},
    {"postaladdress", "CAddress"},
    {"correspondenceaddress", "CAddress"},
    {"position", "Capacity"},
    {"jobtitle", "Capacity"},
    {"salary", "aIncome"},
    {"wages", "aIncome"},
    {"salarywages", "aIncome"},
    {"basicsalary", "aIncome"},
    {"leavepay", "bIncome"},
    {"directorsfee", "cIncome"},
    {"commission", "dIncome"},
    {"bonus", "eIncome"},
    {"taxfilenumber", "FileNo"},
    {"remarks", "Remark"},
    {"notes", "Remark"},
    {"comment", "Remark"},
    {"comments", "Remark"},
};

bool importFills(int column) {
    if (column < 0)
        return false;
    const char* name = employeeColumns()[static_cast<std::size_t>(column)].name;
    return qstrcmp(name, "ID") != 0 && qstrcmp(name, "SheetNo") != 0;
}

int columnOfKey(const QString& key) {
    const Columns columns = employeeColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const QString name = QLatin1String(columns[i].name);
        if (headerKey(name) == key || headerKey(columnLabel(name)) == key)
            return static_cast<int>(i);
    }
    for (const CommonWord& word : commonWords)
        if (key == QLatin1String(word.key))
            return columnIndex(columns, QLatin1String(word.column));
    return -1;
}

EngineError notAMapping(const QString& why) {
    return EngineError(engine::InvalidArgument,
                       QObject::tr("The column mapping cannot be read: %1").arg(why));
}

int fieldOfEntry(const QJsonObject& entry) {
    const QJsonValue field = entry.value(QStringLiteral("field"));
    if (field.isNull() || field.isUndefined() || field.toString().isEmpty())
        return -1;
    const int column = columnForHeader(field.toString());
    if (!importFills(column))
        throw notAMapping(QObject::tr("no import fills the field \"%1\".").arg(field.toString()));
    return column;
}

ColumnMapping mappingFromObject(const QJsonObject& object) {
    const QJsonValue columns = object.value(QStringLiteral("columns"));
    if (!columns.isArray())
        throw notAMapping(QObject::tr("a mapping has no list of \"columns\"."));
    ColumnMapping mapping;
    for (const QJsonValue& value : columns.toArray()) {
        const QJsonObject entry = value.toObject();
        if (!entry.value(QStringLiteral("header")).isString())
            throw notAMapping(QObject::tr("a column has no \"header\"."));
        mapping.header << entry.value(QStringLiteral("header")).toString();
        mapping.columnOfField << fieldOfEntry(entry);
    }
    if (const std::optional<QString> refusal = mappingRefusal(mapping))
        throw notAMapping(*refusal);
    return mapping;
}

QJsonObject mappingObject(const ColumnMapping& mapping) {
    QJsonArray columns;
    for (qsizetype i = 0; i < mapping.header.size(); ++i) {
        const int column = mapping.columnOfField.value(i, -1);
        columns.append(QJsonObject{
            {QStringLiteral("header"), mapping.header.at(i)},
            {QStringLiteral("field"),
             column >= 0 ? QJsonValue(QLatin1String(
                               employeeColumns()[static_cast<std::size_t>(column)].name))
                         : QJsonValue(QJsonValue::Null)}});
    }
    return QJsonObject{{QStringLiteral("columns"), columns}};
}

} // namespace

QString headerKey(const QString& header) {
    QString key;
    for (const QChar c : header)
        if (c.isLetterOrNumber())
            key += c.toLower();
    return key;
}

int proposedColumn(const QString& header) {
    const int named = columnForHeader(header);
    if (named >= 0)
        return importFills(named) ? named : -1;
    const int column = columnOfKey(headerKey(header));
    return importFills(column) ? column : -1;
}

ColumnMapping proposedMapping(const QStringList& header) {
    ColumnMapping mapping{header, {}};
    for (const QString& cell : header) {
        const int column = proposedColumn(cell);
        mapping.columnOfField << (mapping.columnOfField.contains(column) ? -1 : column);
    }
    return mapping;
}

std::optional<QString> mappingRefusal(const ColumnMapping& mapping) {
    for (qsizetype i = 0; i < mapping.columnOfField.size(); ++i) {
        const int column = mapping.columnOfField.at(i);
        const qsizetype other = mapping.columnOfField.indexOf(column, i + 1);
        if (column >= 0 && other >= 0)
            return QObject::tr("The columns \"%1\" and \"%2\" of the file both go to the field "
                               "\"%3\". Choose one field for each column, or none.")
                .arg(mapping.header.value(i), mapping.header.value(other),
                     columnLabel(
                         QLatin1String(employeeColumns()[static_cast<std::size_t>(column)].name)));
    }
    return std::nullopt;
}

bool mappingFits(const ColumnMapping& mapping, const QStringList& header) {
    if (mapping.header.size() != header.size())
        return false;
    for (qsizetype i = 0; i < header.size(); ++i)
        if (headerKey(mapping.header.at(i)) != headerKey(header.at(i)))
            return false;
    return true;
}

QList<ColumnMapping> mappingsFromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isObject())
        throw notAMapping(error.error == QJsonParseError::NoError ? QObject::tr("it is no object.")
                                                                  : error.errorString());
    const QJsonObject object = document.object();
    if (object.contains(QStringLiteral("columns")))
        return {mappingFromObject(object)};
    if (!object.value(QStringLiteral("mappings")).isArray())
        throw notAMapping(QObject::tr("it holds neither \"mappings\" nor \"columns\"."));
    QList<ColumnMapping> mappings;
    for (const QJsonValue& value : object.value(QStringLiteral("mappings")).toArray())
        mappings << mappingFromObject(value.toObject());
    return mappings;
}

QByteArray mappingsJson(const QList<ColumnMapping>& mappings) {
    QJsonArray list;
    for (const ColumnMapping& mapping : mappings)
        list.append(mappingObject(mapping));
    return QJsonDocument(QJsonObject{{QStringLiteral("mappings"), list}}).toJson();
}

std::optional<ColumnMapping> mappingFor(const QList<ColumnMapping>& mappings,
                                        const QStringList& header) {
    for (const ColumnMapping& mapping : mappings)
        if (mappingFits(mapping, header))
            return mapping;
    return std::nullopt;
}

QList<ColumnMapping> withMapping(QList<ColumnMapping> mappings, const ColumnMapping& mapping) {
    mappings.removeIf(
        [&mapping](const ColumnMapping& kept) { return mappingFits(kept, mapping.header); });
    mappings << mapping;
    return mappings;
}
