#pragma once

#include "core/records/page_checks.h"

#include <QList>
#include <QString>
#include <array>

// The figures a return is reconciled by: how many original records the save carries and the
// total of each income category a to l (the three other rewards together as k).
namespace validation {

inline constexpr int categoryCount = 12;

QChar categoryLetter(int category); // 'a' to 'l'
// What page 2 calls the category ("Salary/Wages").
QString categoryName(int category);

struct ControlTotals {
    qint64 records = 0;
    std::array<qint64, categoryCount> categories{};

    qint64 income() const;
    // Adds a record's amounts; an amount that is no whole number counts 0, as the editor would
    // not let it be saved.
    void add(FieldView fields);
    bool operator==(const ControlTotals&) const = default;
};

// One category set beside last year's.
struct CategoryChange {
    int category = 0;
    qint64 lastYear = 0;
    qint64 thisYear = 0;
    // More than half up or down; a category that appears or disappears counts too.
    bool large() const;
    // "+12.5%", or "new" when last year had none.
    QString percentText() const;
};

QList<CategoryChange> categoryChanges(const std::array<qint64, categoryCount>& lastYear,
                                      const ControlTotals& thisYear);

} // namespace validation
