#pragma once

#include "store/records/record_list_rows.h"

#include <QAbstractTableModel>
#include <QHash>
#include <memory>

// The records of the list beside the editor, one line each: sheet number, type, surname, other
// names, identity number and total income. Only the count of the filtered records is known up
// front; lines are read a block at a time when the view asks for them, and only the last few
// blocks are kept, so the list costs the same at 100 records as at 100,000.
class RecordListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { SheetNumber, Type, Surname, OtherNames, Identity, Income, ColumnCount };

    explicit RecordListModel(Database& db, QObject* parent = nullptr);
    ~RecordListModel() override;

    // Narrows the list and reads it again.
    void setFilter(const RecordListFilter& filter);
    const RecordListFilter& filter() const { return m_filter; }
    // Counts the records again and forgets every line read, after the records changed.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The row key of the record on a line, or -1.
    qint64 rowIdAt(int line) const;
    // The line of a record, or -1 when the filter leaves it out. The record set's place of the
    // record, when given, is tried first: without a filter the two orders are the same.
    int lineOf(qint64 rowId, int placeHint = -1) const;

private:
    const RecordListRow* lineAt(int line) const;
    QList<RecordListRow> readBlock(int block) const;

    Database& m_db;
    RecordListFilter m_filter;
    std::unique_ptr<RecordListRows> m_rows;
    int m_count = 0;
    // Blocks of lines by block number, and their numbers from the least recently used.
    mutable QHash<int, QList<RecordListRow>> m_blocks;
    mutable QList<int> m_recentBlocks;
};
