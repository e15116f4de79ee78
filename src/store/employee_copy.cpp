#include "store/employee_copy.h"

#include "common/column_values.h"
#include "store/rows.h"
#include "store/schema.h"

#include <algorithm>
#include <array>

using conversion::Treatment;

namespace {

int oldPositionOf(const conversion::ColumnMatch& match, const QList<Treatment>& treatments,
                  Treatment wanted) {
    const qsizetype at = treatments.indexOf(wanted);
    return at < 0 ? -1 : match.oldPosition.value(at, -1);
}

QVariant oldValue(const Statement& oldRow, int from) {
    return from < 0 ? QVariant() : oldRow.value(from);
}

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}

} // namespace

EmployeeCopier::EmployeeCopier(Database& fresh, const conversion::ColumnMatch& match)
    : m_columns(employeeColumns())
    , m_match(match)
    , m_treatments(conversion::employeeTreatments(match))
    , m_statusFrom(match.oldPosition.value(columnIndex(m_columns, QStringLiteral("Status")), -1))
    , m_firstAddressFrom(oldPositionOf(match, m_treatments, Treatment::FirstAddress))
    , m_secondAddressFrom(oldPositionOf(match, m_treatments, Treatment::SecondAddress))
    , m_insert(fresh.prepare(insertSql(table::employee, m_columns))) {}

bool EmployeeCopier::copy(const Statement& oldRow) {
    if (conversion::isPlaceholderStatus(oldValue(oldRow, m_statusFrom)))
        return false;
    if (m_treatments.contains(Treatment::FirstAddress))
        m_fittedAddress = conversion::fittedAddress(
            m_match, {oldValue(oldRow, m_firstAddressFrom), oldValue(oldRow, m_secondAddressFrom)});
    m_insert.rewind(); // every column is bound below
    for (int i = 0; i < static_cast<int>(m_columns.size()); ++i) {
        const int from = m_match.oldPosition.value(i, -1);
        if (m_treatments[i] == Treatment::Copy && bindAsItIs(i, oldRow, from))
            continue;
        if (m_treatments[i] == Treatment::Amount && bindRegrouped(i, oldRow, from))
            continue;
        const QVariant value = convertedValue(i, oldRow, from);
        checkValue(m_columns[static_cast<std::size_t>(i)], value);
        m_insert.bind(i + 1, value);
    }
    m_insert.run();
    return true;
}

// The short way for the values most old rows hold: no value, a number in range for a number
// column, and a text of ASCII characters (a byte each in the code page) for a text column. False
// leaves the value to the full check, which accepts it or names what is wrong.
bool EmployeeCopier::bindAsItIs(int column, const Statement& oldRow, int from) {
    if (from < 0 || oldRow.isNull(from)) {
        m_insert.bindNull(column + 1);
        return true;
    }
    const ColumnDef& ours = m_columns[static_cast<std::size_t>(column)];
    if (ours.type != ColumnType::Text) {
        if (!oldRow.isInteger(from) || !fitsNumber(ours, oldRow.integer(from)))
            return false;
        m_insert.bindInteger(column + 1, oldRow.integer(from));
        return true;
    }
    if (!oldRow.isText(from))
        return false;
    const QByteArrayView text = oldRow.textBytes(from);
    if ((text.isEmpty() && !ours.emptyAllowed) || text.size() > ours.width || !isAscii(text))
        return false;
    // The old row's bytes stay until its query steps on, which is after this row is written.
    m_insert.bindLentText(column + 1, text);
    return true;
}

// The short way for an amount of digits and commas, regrouped in bytes; all ASCII, so its length
// is its width in the code page.
bool EmployeeCopier::bindRegrouped(int column, const Statement& oldRow, int from) {
    if (from < 0 || !oldRow.isText(from))
        return false;
    std::array<char, 16> regrouped{};
    const qsizetype length =
        conversion::regroupedDigits(oldRow.textBytes(from), regrouped.data(), regrouped.size());
    if (length < 0 || length > m_columns[static_cast<std::size_t>(column)].width)
        return false;
    m_insert.bindText(column + 1, QByteArrayView(regrouped.data(), length));
    return true;
}

QVariant EmployeeCopier::convertedValue(int column, const Statement& oldRow, int from) {
    switch (m_treatments[column]) {
    case Treatment::FirstAddress:
        return m_fittedAddress.first;
    case Treatment::SecondAddress:
        return m_fittedAddress.second;
    default:
        return conversion::treatedValue(m_treatments[column], oldValue(oldRow, from));
    }
}
