#include "gui/import/import_changes_model.h"

#include "core/common/columns.h"
#include "core/import/record_updates.h"
#include "core/records/column_labels.h"

namespace {

enum Column { RowColumn, LineColumn, NamesColumn, ChangeColumn, FieldColumn, Before, After, All };

} // namespace

ImportChangesModel::ImportChangesModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void ImportChangesModel::setPlan(const ImportPlan& plan) {
    beginResetModel();
    m_plan = plan;
    m_lines.clear();
    for (int i = 0; i < m_plan.rows.size(); ++i) {
        const ImportRow& row = m_plan.rows.at(i);
        if (row.changes.isEmpty())
            m_lines << Line{i, -1};
        for (int change = 0; change < row.changes.size(); ++change)
            m_lines << Line{i, change};
    }
    endResetModel();
}

int ImportChangesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int ImportChangesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : All;
}

QVariant ImportChangesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= m_lines.size())
        return {};
    return text(m_lines.at(index.row()), index.column());
}

QVariant ImportChangesModel::text(const Line& line, int column) const {
    const ImportRow& row = m_plan.rows.at(line.row);
    const FieldChange* change = line.change >= 0 ? &row.changes.at(line.change) : nullptr;
    switch (column) {
    case RowColumn:
        return row.row;
    case LineColumn:
        return row.line;
    case NamesColumn:
        return rowNames(row);
    case ChangeColumn:
        if (row.updates == 0)
            return tr("New record");
        return (change ? tr("Update of record ID %1") : tr("Record ID %1, nothing changes"))
            .arg(row.updates);
    case FieldColumn:
        return change ? columnLabel(QLatin1String(
                            employeeColumns()[static_cast<std::size_t>(change->column)].name))
                      : QVariant();
    case Before:
        return change ? textFromValue(change->before) : QVariant();
    case After:
        return change ? changedText(row, *change) : QVariant();
    default:
        return {};
    }
}

QVariant ImportChangesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QStringList titles{tr("Row"),   tr("Line"),   tr("Names"), tr("Change"),
                             tr("Field"), tr("Before"), tr("After")};
    return titles.value(section);
}
