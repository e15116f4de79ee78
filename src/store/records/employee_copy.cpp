#include "store/records/employee_copy.h"

#include "core/common/codepage.h"
#include "core/common/column_values.h"
#include "core/records/record_types.h"
#include "store/common/rows.h"
#include "store/common/schema.h"

#include <QScopeGuard>
#include <array>
#include <exception>
#include <sqlite3.h>
#include <vector>

using conversion::Treatment;

namespace {

// How often the progress is told: often enough for a smooth bar, seldom enough to cost nothing.
constexpr qint64 progressStep = 256;

constexpr char rowFunction[] = "conversion_row_passes";
constexpr char amountFunction[] = "conversion_amount";
constexpr char addressFunction[] = "conversion_address";

QByteArrayView textOf(sqlite3_value* value) {
    return {reinterpret_cast<const char*>(sqlite3_value_text(value)), sqlite3_value_bytes(value)};
}

QVariant qtValue(sqlite3_value* value) {
    if (sqlite3_value_type(value) == SQLITE_NULL)
        return {};
    const QByteArrayView text = textOf(value);
    return QString::fromUtf8(text.data(), text.size());
}

// The old address lines fitted to ours, as the careful way fits them.
conversion::AddressLines fittedAddress(const conversion::ColumnMatch& match, sqlite3_value* first,
                                       sqlite3_value* second) {
    return conversion::fittedAddress(match, {qtValue(first), qtValue(second)});
}

bool textFits(QByteArrayView text, const ColumnDef& ours) {
    if (text.isEmpty() && !ours.emptyAllowed)
        return false;
    const int bytes = codepage::utf8ByteLength(text);
    return bytes >= 0 && bytes <= ours.width;
}

// True when the old value goes into our column as the engine copy writes it: no value, a
// number in range, a text that fits, a year of ASCII characters and an amount of digits and
// commas that fit once treated, an address line of characters the code page holds.
bool passes(sqlite3_value* value, const ColumnDef& ours, Treatment treatment) {
    const int type = sqlite3_value_type(value);
    if (type == SQLITE_NULL)
        return true;
    if (ours.type != ColumnType::Text)
        return treatment == Treatment::Copy && type == SQLITE_INTEGER &&
               fitsNumber(ours, sqlite3_value_int64(value));
    if (type != SQLITE_TEXT)
        return false;
    const QByteArrayView text = textOf(value);
    switch (treatment) {
    case Treatment::Year: {
        std::array<char, 4> room{};
        const std::optional<QByteArrayView> year = conversion::fullYearBytes(text, room);
        return year && textFits(*year, ours);
    }
    case Treatment::Amount: {
        std::array<char, 16> room{};
        const qsizetype length = conversion::regroupedDigits(text, room.data(), room.size());
        return length >= 0 && textFits(QByteArrayView(room.data(), length), ours);
    }
    case Treatment::FirstAddress:
    case Treatment::SecondAddress: // fitted as a pair; here only a text the code page can hold
        return codepage::utf8ByteLength(text) >= 0;
    default:
        return textFits(text, ours);
    }
}

// Which old rows the engine copies, and the progress over all of them.
class RowSorting {
public:
    RowSorting(const conversion::ColumnMatch& match, qint64 total,
               const ConversionProgress& progress)
        : m_columns(employeeColumns())
        , m_match(match)
        , m_treatments(conversion::employeeTreatments(match))
        , m_firstAddress(int(m_treatments.indexOf(Treatment::FirstAddress)))
        , m_secondAddress(int(m_treatments.indexOf(Treatment::SecondAddress)))
        , m_status(columnIndex(m_columns, QStringLiteral("Status")))
        , m_total(total)
        , m_progress(progress) {}

    // The old row's rowid and its values in our column order; true lets it through.
    bool letThrough(sqlite3_value* rowid, sqlite3_value** values) {
        const bool placeholder = isPlaceholder(values[m_status]);
        const bool through = !placeholder && allPass(values);
        if (!through && !placeholder)
            heldBack.push_back(sqlite3_value_int64(rowid));
        if (++m_seen % progressStep == 0)
            m_progress(m_seen - qint64(heldBack.size()), m_total);
        return through;
    }

    std::vector<qint64> heldBack;
    std::exception_ptr failure;

private:
    // The new database has its own placeholder row already.
    static bool isPlaceholder(sqlite3_value* status) {
        return recordtype::isPlaceholder(qtValue(status));
    }

    bool allPass(sqlite3_value** values) const {
        for (std::size_t i = 0; i < m_columns.size(); ++i)
            if (!passes(values[i], m_columns[i], m_treatments[qsizetype(i)]))
                return false;
        return m_firstAddress < 0 || addressFits(values);
    }

    // The address lines as fitted, when an old line's column is wider than ours.
    bool addressFits(sqlite3_value** values) const {
        const conversion::AddressLines fitted =
            fittedAddress(m_match, values[m_firstAddress], values[m_secondAddress]);
        return lineFits(fitted.first, m_columns[std::size_t(m_firstAddress)]) &&
               lineFits(fitted.second, m_columns[std::size_t(m_secondAddress)]);
    }

    static bool lineFits(const QVariant& line, const ColumnDef& ours) {
        return line.isNull() || textFits(line.toString().toUtf8(), ours);
    }

    Columns m_columns;
    const conversion::ColumnMatch& m_match;
    QList<Treatment> m_treatments;
    int m_firstAddress;
    int m_secondAddress;
    int m_status;
    qint64 m_total;
    qint64 m_seen = 0;
    const ConversionProgress& m_progress;
};

void sortRow(sqlite3_context* context, int, sqlite3_value** values) {
    auto* sorting = static_cast<RowSorting*>(sqlite3_user_data(context));
    try {
        sqlite3_result_int(context, sorting->letThrough(values[0], values + 1) ? 1 : 0);
    } catch (...) { // nothing may cross the engine
        sorting->failure = std::current_exception();
        sqlite3_result_error(context, "The conversion was stopped.", -1);
    }
}

// Only ever given an amount the row function let through.
void regroupAmount(sqlite3_context* context, int, sqlite3_value** values) {
    if (sqlite3_value_type(values[0]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    std::array<char, 16> room{};
    const qsizetype length =
        conversion::regroupedDigits(textOf(values[0]), room.data(), room.size());
    if (length < 0)
        return sqlite3_result_error(context, "An amount cannot be regrouped.", -1);
    sqlite3_result_text(context, room.data(), int(length), SQLITE_TRANSIENT);
}

// The first or second address line (the third argument, 1 or 2) fitted to ours.
void fitAddressLine(sqlite3_context* context, int, sqlite3_value** values) {
    const auto* match = static_cast<const conversion::ColumnMatch*>(sqlite3_user_data(context));
    try {
        const conversion::AddressLines fitted = fittedAddress(*match, values[0], values[1]);
        const QVariant& line = sqlite3_value_int(values[2]) == 1 ? fitted.first : fitted.second;
        if (line.isNull())
            return sqlite3_result_null(context);
        const QByteArray utf8 = line.toString().toUtf8();
        sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    } catch (...) { // out of memory; nothing may cross the engine
        sqlite3_result_error_nomem(context);
    }
}

// What the engine copy writes into our column from the old one (a column or NULL).
QString projected(Treatment treatment, const QString& old) {
    if (treatment == Treatment::Year) // for a text of ASCII characters, as fullYear
        return QStringLiteral("CASE WHEN length(%1) = 2 THEN '19' || %1 ELSE %1 END").arg(old);
    if (treatment == Treatment::Amount)
        return QStringLiteral("%1(%2)").arg(QLatin1String(amountFunction), old);
    return old;
}

// An address line: as it is while both lines fit ours even in UTF-8 bytes (the code page never
// takes more), else as fitted.
QString projectedAddressLine(const QStringList& oldLines, int which, int width) {
    const QString fits = QStringLiteral("coalesce(length(CAST(%1 AS BLOB)), 0) <= %2");
    return QStringLiteral("CASE WHEN %1 AND %2 THEN %3 ELSE %4(%5, %6, %7) END")
        .arg(fits.arg(oldLines[0]).arg(width), fits.arg(oldLines[1]).arg(width),
             oldLines[which - 1], QLatin1String(addressFunction), oldLines[0], oldLines[1],
             QString::number(which));
}

// The engine copy. Our column names serve for the old table's too, as the engine, like the
// match, compares them without regard to case.
QString engineCopySql(const conversion::ColumnMatch& match) {
    const Columns ours = employeeColumns();
    const QList<Treatment> treatments = conversion::employeeTreatments(match);
    QStringList old; // each of our columns in the old table, or NULL
    for (std::size_t i = 0; i < ours.size(); ++i)
        old << (match.oldPosition.value(qsizetype(i), -1) >= 0 ? quoted(ours[i].name)
                                                               : QStringLiteral("NULL"));
    const QStringList oldLines{old.value(treatments.indexOf(Treatment::FirstAddress)),
                               old.value(treatments.indexOf(Treatment::SecondAddress))};
    QStringList values;
    for (qsizetype i = 0; i < old.size(); ++i) {
        const Treatment treatment = treatments[i];
        if (treatment == Treatment::FirstAddress || treatment == Treatment::SecondAddress)
            values << projectedAddressLine(oldLines, treatment == Treatment::FirstAddress ? 1 : 2,
                                           match.newAddressWidth);
        else
            values << projected(treatment, old[i]);
    }
    return QStringLiteral("INSERT INTO main.%1 (rowid, %2) SELECT rowid + 1, %3 FROM %4.%1 "
                          "WHERE %5(rowid, %6) ORDER BY rowid")
        .arg(QLatin1String(table::employee), columnList(ours), values.join(u','),
             QLatin1String(oldSchema), QLatin1String(rowFunction), old.join(u','));
}

void defineFunction(Database& db, const char* name, int arguments, void* data,
                    void (*function)(sqlite3_context*, int, sqlite3_value**)) {
    const int rc = sqlite3_create_function_v2(db.handle(), name, arguments, SQLITE_UTF8, data,
                                              function, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        db.fail(rc);
}

// Returns the number of rows written.
qint64 copyInEngine(Database& fresh, const conversion::ColumnMatch& match, RowSorting& sorting) {
    const int arguments = static_cast<int>(employeeColumns().size()) + 1;
    defineFunction(fresh, rowFunction, arguments, &sorting, sortRow);
    defineFunction(fresh, amountFunction, 1, nullptr, regroupAmount);
    defineFunction(fresh, addressFunction, 3, const_cast<conversion::ColumnMatch*>(&match),
                   fitAddressLine);
    const auto forget = qScopeGuard([&] { // the sorting and the match go when this returns
        for (const auto& [name, count] : {std::pair{rowFunction, arguments}, {addressFunction, 3}})
            sqlite3_create_function_v2(fresh.handle(), name, count, SQLITE_UTF8, nullptr, nullptr,
                                       nullptr, nullptr, nullptr);
    });
    try {
        fresh.exec(engineCopySql(match));
    } catch (const EngineError&) {
        if (sorting.failure)
            std::rethrow_exception(sorting.failure);
        throw;
    }
    return fresh.changes();
}

// The record a refused or cut value belongs to, named as the user knows it.
OldValue oldValue(const RowValues& row, const ColumnDef& ours, const QVariant& value) {
    const Columns columns = employeeColumns();
    const auto at = [&](const char* name) { return row.value(columnIndex(columns, name)); };
    return OldValue{at("ID"),   at("Surname"),    at("FirstName"), QLatin1String(ours.name),
                    ours.width, value.toString(), QString()};
}

// Puts each converted value of a held-back row in its column's limits: a refusal is raised
// with the record named, unless the value is a free text that is only too long and the user
// agreed to have such texts cut.
void fitToColumns(RowValues& values, const QList<Treatment>& treatments, CarefulCopy& careful) {
    const Columns ours = employeeColumns();
    const RowValues asRead = values; // names the record even after its surname has been cut
    for (std::size_t i = 0; i < ours.size(); ++i) {
        QVariant& value = values[qsizetype(i)];
        try {
            checkValue(ours[i], value);
        } catch (const EngineError& error) {
            const bool mayBeCut = conversion::mayBeCut(ours[i], treatments[qsizetype(i)]) &&
                                  codepage::byteLength(value.toString()) > ours[i].width;
            OldValue named = oldValue(asRead, ours[i], value);
            if (!mayBeCut || !careful.cutTooLongTexts)
                throw ValueRefused(error, named, mayBeCut);
            value = conversion::cutToWidth(value.toString(), ours[i].width);
            named.stored = value.toString();
            careful.cut << named;
        }
    }
}

} // namespace

qint64 copyEmployeeRows(Database& old, Database& fresh, const conversion::ColumnMatch& match,
                        qint64 total, const ConversionProgress& progress, CarefulCopy& careful) {
    RowSorting sorting(match, total, progress);
    const qint64 copied = copyInEngine(fresh, match, sorting);
    qint64 done = total - qint64(sorting.heldBack.size());
    progress(done, total);
    // The careful way: each held-back row through Qt values, the conversion rules and the full
    // check, which converts it or names what our column refuses.
    const Columns ours = employeeColumns();
    const QList<Treatment> treatments = conversion::employeeTreatments(match);
    Statement read = old.prepare(QStringLiteral("select * from employee where rowid = ?"));
    Statement insert =
        fresh.prepare(QStringLiteral("INSERT INTO %1 (rowid, %2) VALUES (?%3)")
                          .arg(QLatin1String(table::employee), columnList(ours),
                               QStringLiteral(",?").repeated(qsizetype(ours.size()))));
    for (const qint64 rowid : sorting.heldBack) {
        read.reset();
        read.bind(1, rowid);
        read.next();
        RowValues values = conversion::convertedEmployee(match, readWholeRow(read));
        fitToColumns(values, treatments, careful);
        insert.reset();
        insert.bind(1, rowid + 1);
        for (std::size_t i = 0; i < ours.size(); ++i)
            insert.bind(int(i) + 2, values[qsizetype(i)]);
        insert.run();
        if (++done % progressStep == 0)
            progress(done, total);
    }
    return copied + qint64(sorting.heldBack.size());
}
