#include "core/common/columns.h"

#include "core/common/engine_error.h"

#include <QObject>

#include <array>

namespace {

constexpr ColumnDef text(const char* name, int width, bool emptyAllowed = true) {
    return {name, ColumnType::Text, width, emptyAllowed};
}

constexpr std::array employer{
    text("Version", 10, false),       text("ReturnYear", 4, false),
    text("Session", 1, false),        text("BRN", 8, false),
    text("Name", 70, false),          text("Designation", 25, false),
    text("SubmissionDate", 8, false),
};

constexpr std::array employee{
    ColumnDef{"ID", ColumnType::Long, 4, false},
    text("Status", 1, false),
    text("SheetNo", 6, false),
    text("Surname", 20),
    text("FirstName", 55),
    text("ChineseName", 50),
    text("HKID", 8),
    text("ChkDigit", 1),
    text("Sex", 1),
    text("MStatus", 1),
    text("Passport", 40),
    text("SpouseName", 50),
    text("SpouseHKID", 8),
    text("SpouseChkDigit", 1),
    text("SpousePassport", 40),
    text("RAreaCode", 1),
    text("RAddress1", 45),
    text("RAddress2", 45),
    text("CAddress", 60),
    text("Capacity", 40),
    text("PEmployer", 30),
    text("EDay1", 2),
    text("EMonth1", 2),
    text("EYear1", 4),
    text("EDay2", 2),
    text("EMonth2", 2),
    text("EYear2", 4),
    text("kNature1", 35),
    text("kNature2", 35),
    text("kNature3", 35),
    text("aPeriod", 19),
    text("bPeriod", 19),
    text("cPeriod", 19),
    text("dPeriod", 19),
    text("ePeriod", 19),
    text("fPeriod", 19),
    text("gPeriod", 19),
    text("hPeriod", 19),
    text("iPeriod", 19),
    text("jPeriod", 19),
    text("kPeriod1", 19),
    text("kPeriod2", 19),
    text("kPeriod3", 19),
    text("lPeriod", 19),
    text("aIncome", 11),
    text("bIncome", 11),
    text("cIncome", 11),
    text("dIncome", 11),
    text("eIncome", 11),
    text("fIncome", 11),
    text("gIncome", 11),
    text("hIncome", 11),
    text("iIncome", 11),
    text("jIncome", 11),
    text("kIncome1", 11),
    text("kIncome2", 11),
    text("kIncome3", 11),
    text("lIncome", 11),
    ColumnDef{"QFlag", ColumnType::Byte, 1, false},
    text("Q1Address1", 55),
    text("Q1Address2", 55),
    text("Q1Nature", 19),
    text("Q1Period", 26),
    text("Q1Rent1", 9),
    text("Q1Rent2", 9),
    text("Q1Rent3", 9),
    text("Q1Rent4", 9),
    text("Q2Address1", 55),
    text("Q2Address2", 55),
    text("Q2Nature", 19),
    text("Q2Period", 26),
    text("Q2Rent1", 9),
    text("Q2Rent2", 9),
    text("Q2Rent3", 9),
    text("Q2Rent4", 9),
    ColumnDef{"OSeaFlag", ColumnType::Byte, 1, false},
    text("OSeaAmount", 20),
    text("OSeaName", 60),
    text("OSeaAddress", 60),
    text("FileNo", 13),
    text("Remark", 60),
};
static_assert(employee.size() == 81);

} // namespace

Columns employerColumns() {
    return employer;
}

Columns employeeColumns() {
    return employee;
}

int columnIndex(Columns columns, const QString& name) {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (name.compare(QLatin1String(columns[i].name), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

const ColumnDef& column(Columns columns, const QString& name) {
    const int at = columnIndex(columns, name);
    if (at < 0)
        throw EngineError(engine::ColumnNotFound,
                          QObject::tr("There is no column '%1'.").arg(name));
    return columns[static_cast<std::size_t>(at)];
}

Columns yearDependentColumns() {
    // Pages 2 to 4 hold every column from the start of the period of employment to the end.
    return Columns(employee).subspan(static_cast<std::size_t>(columnIndex(employee, "EDay1")));
}
