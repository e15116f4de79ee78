#pragma once

#include "store/common/database.h"
#include "store/common/rows.h"

#include <QRandomGenerator>
#include <QString>

// Realistic employer and employee rows for filling a working database of any size: the
// benchmarks and the tests that need many records use it. The same seed always gives the same
// rows. Every row holds what the record editor would save: the required fields of each page, a
// period of employment inside the return year, amounts as formatAmount writes them.
namespace generator {

inline constexpr int defaultReturnYear = 2000;

class RecordGenerator {
public:
    explicit RecordGenerator(quint32 seed, int returnYear = defaultReturnYear);

    // The employer row, Version included, in the column table's order.
    RowValues employerRow();
    // The next employee record, carrying the given ID.
    RowValues employeeRow(int id);

    int returnYear() const { return m_returnYear; }

private:
    QRandomGenerator m_random;
    int m_returnYear;
};

// Writes the employer row and employee records with IDs 1 to records into a freshly created
// working database, in one transaction, through insertRow's checks. Raises EngineError and
// writes nothing when a value is refused or the database already holds records.
void fillDatabase(Database& db, int records, quint32 seed, int returnYear = defaultReturnYear);

// Creates the working database in the program folder and fills it as above; returns its path.
// Raises EngineError when the folder already holds a working database.
QString makeWorkingDatabase(const QString& programFolder, int records, quint32 seed,
                            int returnYear = defaultReturnYear);

} // namespace generator
