#pragma once

#include "common/conversion_rules.h"
#include "store/database.h"

// Writes the old employee rows into the new database, each row in one pass over our columns.
// A column copied as it is goes from the engine's bytes of the old row straight to the new
// row's binding, checked by its length where that settles it; only the columns a rule changes,
// and values the short way cannot settle, become Qt values and take the full check.
class EmployeeCopier {
public:
    EmployeeCopier(Database& fresh, const conversion::ColumnMatch& match);
    // Writes the old row at the query's current row; false for the placeholder, which a new
    // database has already. Raises an EngineError for a value our column refuses.
    bool copy(const Statement& oldRow);

private:
    bool bindAsItIs(int column, const Statement& oldRow, int from);
    bool bindRegrouped(int column, const Statement& oldRow, int from);
    QVariant convertedValue(int column, const Statement& oldRow, int from);

    Columns m_columns;
    conversion::ColumnMatch m_match;
    QList<conversion::Treatment> m_treatments;
    int m_statusFrom = -1;
    int m_firstAddressFrom = -1;
    int m_secondAddressFrom = -1;
    conversion::AddressLines m_fittedAddress;
    Statement m_insert;
};
