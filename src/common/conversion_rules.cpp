#include "common/conversion_rules.h"

#include "common/amounts.h"
#include "common/codepage.h"

#include <QRegularExpression>

namespace conversion {
namespace {

enum class Treatment { Copy, Year, Amount, FirstAddress, SecondAddress };

Treatment treatmentOf(const QString& name) {
    if (name == u"EYear1" || name == u"EYear2")
        return Treatment::Year;
    if (name.contains(QLatin1String("Income")) ||
        (name.startsWith(u'Q') && name.contains(QLatin1String("Rent"))))
        return Treatment::Amount;
    if (name == u"RAddress1")
        return Treatment::FirstAddress;
    if (name == u"RAddress2")
        return Treatment::SecondAddress;
    return Treatment::Copy;
}

// The longest start of the text that fits the width in code-page bytes, so that a line of
// Chinese characters is cut where the store will take it, never inside a character.
QString leading(const QString& text, int width) {
    if (codepage::byteLength(text) <= width)
        return text;
    QString kept;
    int bytes = 0;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length = text[at].isHighSurrogate() ? 2 : 1;
        const int more = codepage::byteLength(text.mid(at, length));
        if (bytes + std::max(more, 1) > width)
            break;
        bytes += std::max(more, 1);
        kept += text.mid(at, length);
        at += length;
    }
    return kept;
}

bool wider(std::optional<int> oldWidth, int newWidth) {
    return oldWidth && *oldWidth > newWidth;
}

QVariant valueAt(const RowValues& row, int position) {
    return position < 0 || position >= row.size() ? QVariant() : row[position];
}

} // namespace

std::optional<int> declaredWidth(const QString& declaredType) {
    static const QRegularExpression typeWithWidth(
        QStringLiteral(R"(^\s*(?:VARCHAR|TEXT|CHAR)\s*\(\s*(\d+)\s*\)\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch found = typeWithWidth.match(declaredType);
    if (!found.hasMatch())
        return std::nullopt;
    return found.captured(1).toInt();
}

QVariant fullYear(const QVariant& year) {
    if (year.isNull())
        return year;
    const QString text = year.toString();
    return text.size() == 2 ? QVariant(QStringLiteral("19") + text) : QVariant(text);
}

QVariant regroupedAmount(const QVariant& amount) {
    if (amount.isNull())
        return amount;
    const QString text = formatAmount(amount.toString());
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

AddressLines fitAddress(const AddressLines& old, std::optional<int> oldFirstWidth,
                        std::optional<int> oldSecondWidth, int newWidth) {
    const auto cut = [newWidth](const QVariant& line) {
        return line.isNull() ? line : QVariant(leading(line.toString(), newWidth));
    };
    if (!wider(oldFirstWidth, newWidth))
        return {old.first, wider(oldSecondWidth, newWidth) ? cut(old.second) : old.second};
    const QString first = old.first.toString();
    const QString kept = leading(first, newWidth);
    const QString overflow = first.mid(kept.size());
    if (old.first.isNull() || overflow.isEmpty())
        return {old.first.isNull() ? old.first : QVariant(kept), cut(old.second)};
    return {kept, leading(overflow + u' ' + old.second.toString(), newWidth)};
}

ColumnMatch matchColumns(Columns ours, const OldLayout& old) {
    ColumnMatch match;
    for (const ColumnDef& column : ours) {
        const QString name = QLatin1String(column.name);
        int found = -1;
        for (qsizetype at = 0; at < old.names.size() && found < 0; ++at)
            if (old.names[at].compare(name, Qt::CaseInsensitive) == 0)
                found = static_cast<int>(at);
        match.oldPosition << found;
        const std::optional<int> width =
            found < 0 ? std::nullopt : declaredWidth(old.declaredTypes.value(found));
        if (treatmentOf(name) == Treatment::FirstAddress)
            match.oldFirstAddressWidth = width;
        if (treatmentOf(name) == Treatment::SecondAddress)
            match.oldSecondAddressWidth = width;
    }
    return match;
}

namespace {

// How each of our employee columns is treated, worked out once.
const QList<Treatment>& employeeTreatments() {
    static const QList<Treatment> treatments = [] {
        QList<Treatment> all;
        for (const ColumnDef& column : employeeColumns())
            all << treatmentOf(QLatin1String(column.name));
        return all;
    }();
    return treatments;
}

} // namespace

RowValues convertedEmployee(const ColumnMatch& match, const RowValues& oldRow) {
    const QList<Treatment>& treatments = employeeTreatments();
    RowValues row(treatments.size());
    AddressLines address;
    qsizetype firstAt = 0;
    qsizetype secondAt = 0;
    for (qsizetype i = 0; i < row.size(); ++i) {
        const QVariant old = valueAt(oldRow, match.oldPosition.value(i, -1));
        switch (treatments[i]) {
        case Treatment::Copy:
            row[i] = old;
            break;
        case Treatment::Year:
            row[i] = fullYear(old);
            break;
        case Treatment::Amount:
            row[i] = regroupedAmount(old);
            break;
        case Treatment::FirstAddress:
            address.first = old;
            firstAt = i;
            break;
        case Treatment::SecondAddress:
            address.second = old;
            secondAt = i;
            break;
        }
    }
    const int newWidth = employeeColumns()[static_cast<std::size_t>(firstAt)].width;
    const AddressLines fitted =
        fitAddress(address, match.oldFirstAddressWidth, match.oldSecondAddressWidth, newWidth);
    row[firstAt] = fitted.first;
    row[secondAt] = fitted.second;
    return row;
}

bool isPlaceholder(const ColumnMatch& match, const RowValues& oldRow) {
    const int status = columnIndex(employeeColumns(), QStringLiteral("Status"));
    return valueAt(oldRow, match.oldPosition.value(status, -1)).toString() == u"H";
}

} // namespace conversion
