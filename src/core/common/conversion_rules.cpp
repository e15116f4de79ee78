#include "core/common/conversion_rules.h"

#include "core/common/amounts.h"
#include "core/common/codepage.h"

#include <QRegularExpression>
#include <algorithm>

namespace conversion {
namespace {

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
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.left(width); // a byte a character
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

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
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

std::optional<QByteArrayView> fullYearBytes(QByteArrayView old, std::array<char, 4>& room) {
    if (!isAscii(old))
        return std::nullopt;
    if (old.size() != 2)
        return old;
    room = {'1', '9', old[0], old[1]};
    return QByteArrayView(room.data(), qsizetype(room.size()));
}

QVariant regroupedAmount(const QVariant& amount) {
    if (amount.isNull())
        return amount;
    const QString text = formatAmount(amount.toString());
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

qsizetype regroupedDigits(QByteArrayView old, char* out, qsizetype capacity) {
    std::array<char, 32> digits{};
    qsizetype count = 0;
    bool anyDigit = false;
    for (const char c : old) {
        if (c == ',')
            continue;
        if (c < '0' || c > '9' || count == qsizetype(digits.size()))
            return -1;
        anyDigit = true;
        if (count > 0 || c != '0') // leading zeros go
            digits[std::size_t(count++)] = c;
    }
    if (!anyDigit) // nothing but commas: an empty amount
        return 0;
    if (count == 0)
        digits[std::size_t(count++)] = '0';
    if (count + (count - 1) / 3 > capacity)
        return -1;
    qsizetype written = 0;
    for (qsizetype at = 0; at < count; ++at) {
        if (at > 0 && (count - at) % 3 == 0)
            out[written++] = ',';
        out[written++] = digits[std::size_t(at)];
    }
    return written;
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
        if (treatmentOf(name) == Treatment::FirstAddress) {
            match.oldFirstAddressWidth = width;
            match.newAddressWidth = column.width;
        }
        if (treatmentOf(name) == Treatment::SecondAddress)
            match.oldSecondAddressWidth = width;
    }
    return match;
}

namespace {

// How each of our employee columns is treated, worked out once.
const QList<Treatment>& treatmentsByName() {
    static const QList<Treatment> treatments = [] {
        QList<Treatment> all;
        for (const ColumnDef& column : employeeColumns())
            all << treatmentOf(QLatin1String(column.name));
        return all;
    }();
    return treatments;
}

bool isAddress(Treatment treatment) {
    return treatment == Treatment::FirstAddress || treatment == Treatment::SecondAddress;
}

} // namespace

QList<Treatment> employeeTreatments(const ColumnMatch& match) {
    QList<Treatment> treatments = treatmentsByName();
    if (wider(match.oldFirstAddressWidth, match.newAddressWidth) ||
        wider(match.oldSecondAddressWidth, match.newAddressWidth))
        return treatments;
    for (Treatment& treatment : treatments)
        if (isAddress(treatment))
            treatment = Treatment::Copy;
    return treatments;
}

QVariant treatedValue(Treatment treatment, const QVariant& old) {
    if (treatment == Treatment::Year)
        return fullYear(old);
    if (treatment == Treatment::Amount)
        return regroupedAmount(old);
    return old;
}

AddressLines fittedAddress(const ColumnMatch& match, const AddressLines& old) {
    return fitAddress(old, match.oldFirstAddressWidth, match.oldSecondAddressWidth,
                      match.newAddressWidth);
}

RowValues convertedEmployee(const ColumnMatch& match, const RowValues& oldRow) {
    const QList<Treatment> treatments = employeeTreatments(match);
    RowValues row(treatments.size());
    AddressLines address;
    qsizetype firstAt = -1;
    qsizetype secondAt = -1;
    for (qsizetype i = 0; i < row.size(); ++i) {
        row[i] = treatedValue(treatments[i], valueAt(oldRow, match.oldPosition.value(i, -1)));
        if (treatments[i] == Treatment::FirstAddress) {
            address.first = row[i];
            firstAt = i;
        } else if (treatments[i] == Treatment::SecondAddress) {
            address.second = row[i];
            secondAt = i;
        }
    }
    if (firstAt < 0 || secondAt < 0)
        return row;
    const AddressLines fitted = fittedAddress(match, address);
    row[firstAt] = fitted.first;
    row[secondAt] = fitted.second;
    return row;
}

QString cutToWidth(const QString& text, int width) {
    return leading(text, width);
}

bool mayBeCut(const ColumnDef& column, Treatment treatment) {
    constexpr int widestCode = 8; // an identity card number; every free text is wider
    return column.type == ColumnType::Text && treatment == Treatment::Copy &&
           column.width > widestCode;
}

} // namespace conversion
