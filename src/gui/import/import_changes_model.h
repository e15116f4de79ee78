#pragma once

#include "core/import/record_import.h"

#include <QAbstractTableModel>

// The changes of a dry run as a table: one line for each new record and one for each field an
// update changes, with the value before and after. Only the position of each line is held; its
// texts are made when the view shows it, so a large file's changes are never held twice.
class ImportChangesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ImportChangesModel(QObject* parent = nullptr);

    void setPlan(const ImportPlan& plan);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Line {
        int row;    // in the plan's rows
        int change; // in that row's changes; -1 for a new record or an update that changes nothing
    };
    QVariant text(const Line& line, int column) const;

    ImportPlan m_plan; // shares its rows with the plan it was given
    QList<Line> m_lines;
};
