#include "core/validation/control_totals.h"

#include "core/records/field_rules.h"
#include "core/records/income_lines.h"

#include <QCoreApplication>
#include <numeric>

namespace validation {

QChar categoryLetter(int category) {
    return QChar(u'a' + category);
}

QString categoryName(int category) {
    for (const IncomeLine& line : incomeLines())
        if (line.letter == 'a' + category)
            return QCoreApplication::translate("IncomeLine", line.editorLabel)
                .mid(3); // without "a. "
    return QString();
}

qint64 ControlTotals::income() const {
    return std::accumulate(categories.begin(), categories.end(), qint64(0));
}

void ControlTotals::add(FieldView fields) {
    ++records;
    for (const IncomeLine& line : incomeLines())
        categories[std::size_t(line.letter - 'a')] +=
            fieldrules::amountValue(fieldText(fields, line.amount)).value_or(0);
}

bool CategoryChange::large() const {
    if (lastYear == 0)
        return thisYear != 0;
    return 2 * std::abs(thisYear - lastYear) > lastYear;
}

QString CategoryChange::percentText() const {
    if (lastYear == 0)
        return thisYear == 0 ? QStringLiteral("0%") : QStringLiteral("new");
    const double percent = 100.0 * double(thisYear - lastYear) / double(lastYear);
    return (percent > 0 ? QStringLiteral("+") : QString()) + QString::number(percent, 'f', 1) +
           u'%';
}

QList<CategoryChange> categoryChanges(const std::array<qint64, categoryCount>& lastYear,
                                      const ControlTotals& thisYear) {
    QList<CategoryChange> changes;
    for (int i = 0; i < categoryCount; ++i)
        changes << CategoryChange{i, lastYear[std::size_t(i)], thisYear.categories[std::size_t(i)]};
    return changes;
}

} // namespace validation
