#pragma once

#include "core/common/column_values.h"

#include <QStringList>
#include <array>
#include <optional>

// The rules by which a row of a database left by an earlier version becomes one of ours. Plain
// functions of the old values; the store reads the old file and writes the new one.
namespace conversion {

// The width an old column's declared type names: "VARCHAR(60)", "TEXT(60)" or "CHAR(60)" give
// 60 (without regard to case or blanks); a type without a width gives nothing.
std::optional<int> declaredWidth(const QString& declaredType);

// A year of exactly two characters gets "19" in front ("98" becomes "1998"); others stay.
QVariant fullYear(const QVariant& year);

// fullYear for an old text given as UTF-8 bytes, for copying many rows: the bytes to write ("19"
// and the two characters, put in `room`, or the old bytes), or nothing for a text with other
// than ASCII characters, which fullYear decides.
std::optional<QByteArrayView> fullYearBytes(QByteArrayView old, std::array<char, 4>& room);

// An amount regrouped by commas ("1234567" becomes "1,234,567"); no value stays without one.
QVariant regroupedAmount(const QVariant& amount);

// regroupedAmount for an old text of digits and commas alone (or none), given and written as
// bytes, for copying many rows: the length written to `out` (room for `capacity` bytes), or -1
// for a text of another kind or a result that does not fit, which regroupedAmount decides.
qsizetype regroupedDigits(QByteArrayView old, char* out, qsizetype capacity);

struct AddressLines {
    QVariant first;
    QVariant second;
};

// The residential address fitted to lines of `newWidth` characters. When the old first line's
// column is wider, what does not fit goes, with a blank, in front of the second line; the second
// line is cut when its old column is wider. A column declared without a width is not wider.
AddressLines fitAddress(const AddressLines& old, std::optional<int> oldFirstWidth,
                        std::optional<int> oldSecondWidth, int newWidth);

// The old table's columns: names and declared types, in the old order.
struct OldLayout {
    QStringList names;
    QStringList declaredTypes;
};

// Where each of our employee columns is found in the old row (-1: the old table lacks it, and
// the column stays without a value), the declared widths of the old address lines and the width
// of ours.
struct ColumnMatch {
    QList<int> oldPosition;
    std::optional<int> oldFirstAddressWidth;
    std::optional<int> oldSecondAddressWidth;
    int newAddressWidth = 0;
};

// Matches by name without regard to case.
ColumnMatch matchColumns(Columns ours, const OldLayout& old);

// What a column's old value goes through. Most columns are copied as they are.
enum class Treatment { Copy, Year, Amount, FirstAddress, SecondAddress };

// Each of our employee columns' treatment under this old layout: the address lines are copied
// as they are when neither old column is wider than ours.
QList<Treatment> employeeTreatments(const ColumnMatch& match);

// A copied value, a year or an amount; an address line stays as it is (the lines go in pairs).
QVariant treatedValue(Treatment treatment, const QVariant& old);

// The old address lines fitted to our width under this old layout.
AddressLines fittedAddress(const ColumnMatch& match, const AddressLines& old);

// The old employee row in our column order, each column treated as its kind needs.
RowValues convertedEmployee(const ColumnMatch& match, const RowValues& oldRow);

// The longest start of the text that fits the width in code-page bytes, never cut inside a
// character.
QString cutToWidth(const QString& text, int width);

// Whether an old value too long for our column may be cut to its width, once the user agrees:
// only a free text copied as it is. A code, a date part, a year, a sheet or identity number or
// an amount would change its meaning.
bool mayBeCut(const ColumnDef& column, Treatment treatment);

} // namespace conversion
