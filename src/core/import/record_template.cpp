#include "core/import/record_template.h"

#include "core/common/columns.h"

#include <QHash>
#include <QRegularExpression>

QStringList templateExampleRow(const QString& returnYear) {
    QHash<QString, QString> cells{
        {QStringLiteral("Status"), QStringLiteral("O")},
        {QStringLiteral("Surname"), QStringLiteral("CHAN")},
        {QStringLiteral("FirstName"), QStringLiteral("TAI MAN")},
        {QStringLiteral("HKID"), QStringLiteral("A123456")},
        {QStringLiteral("ChkDigit"), QStringLiteral("3")},
        {QStringLiteral("Sex"), QStringLiteral("M")},
        {QStringLiteral("MStatus"), QStringLiteral("1")},
        {QStringLiteral("RAddress1"), QStringLiteral("FLAT A, 1/F, 1 MAIN STREET")},
        {QStringLiteral("RAreaCode"), QStringLiteral("K")},
        {QStringLiteral("Capacity"), QStringLiteral("CLERK")},
        {QStringLiteral("aIncome"), QStringLiteral("240,000")},
        {QStringLiteral("QFlag"), QStringLiteral("0")},
        {QStringLiteral("OSeaFlag"), QStringLiteral("0")},
    };
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    if (fourDigits.match(returnYear).hasMatch()) {
        const QString start = QString::number(returnYear.toInt() - 1);
        const QString periodCells[][2]{
            {QStringLiteral("EDay1"), QStringLiteral("01")},
            {QStringLiteral("EMonth1"), QStringLiteral("04")},
            {QStringLiteral("EYear1"), start},
            {QStringLiteral("EDay2"), QStringLiteral("31")},
            {QStringLiteral("EMonth2"), QStringLiteral("03")},
            {QStringLiteral("EYear2"), returnYear},
            {QStringLiteral("aPeriod"),
             start + QStringLiteral("0401 - ") + returnYear + QStringLiteral("0331")}};
        for (const auto& [column, text] : periodCells)
            cells.insert(column, text);
    }
    QStringList row;
    for (const ColumnDef& column : employeeColumns())
        row << cells.value(QLatin1String(column.name));
    return row;
}
