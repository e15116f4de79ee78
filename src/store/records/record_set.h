#pragma once

#include "core/records/name_list.h"
#include "store/common/rows.h"

#include <QList>
#include <optional>

// The editor's view of the employee table: one of three row selections in a fixed order, one
// current row, and an edit buffer. Only the row keys of the selection are held in memory; the
// current row is read when it becomes current, so large tables browse without loading them.
enum class RecordSource {
    None,        // released: no rows
    ByName,      // every real record by surname and other names, case ignored
    Placeholder, // only the placeholder row
};

enum class EditMode { None, Edit, Add };

// What a save did to the record list: the record's names before (none for a new record) and
// after (none when it left the list).
struct NameChange {
    std::optional<NameEntry> before;
    std::optional<NameEntry> after;
};

class RecordSet {
public:
    explicit RecordSet(Database& db);

    void setSource(RecordSource source) { m_source = source; }
    RecordSource source() const { return m_source; }
    // Reads the selection again and stands on its first row; a pending edit is dropped.
    void refresh();

    int count() const { return static_cast<int>(m_keys.size()); }
    bool isEmpty() const { return m_keys.isEmpty(); }
    bool isEof() const { return m_position >= count(); }
    bool isBof() const { return m_position < 0; }
    int position() const { return m_position; }

    void moveFirst() { moveTo(0); }
    void moveLast() { moveTo(count() - 1); }
    void moveNext() { moveTo(std::min(m_position + 1, count())); }
    void movePrevious() { moveTo(std::max(m_position - 1, -1)); }
    void moveTo(int position);
    // Makes the row with this key current; false, and no move, when the selection lacks it.
    bool moveToKey(qint64 rowId);
    // The current row's key. Raises 3021 without a row.
    qint64 currentKey() const;

    // The current row, or the edit buffer while editing or adding. Raises 3021 without a row.
    const RowValues& row() const;
    QVariant value(const QString& column) const;
    void setValue(const QString& column, const QVariant& value);

    EditMode editMode() const { return m_mode; }
    void edit();
    void addNew();
    void cancelUpdate();
    // Writes the edit buffer (a new row is inserted) and leaves the edit state. The store's
    // checks run first; on a refusal nothing is written and the edit state stays. In name order
    // the saved row then stands at its sorted place and is current; the list is not read again.
    NameChange update();
    // Deletes the current row; the position then names the next row (or the end). Returns the
    // deleted row's names.
    NameEntry deleteCurrent();

    bool findFirstById(qint64 id);
    // Names compare as the table's text columns do, without regard to case; a missing first
    // name matches only rows without one.
    bool findFirstByName(const QString& surname, const std::optional<QString>& firstName);

    // The highest identifier among the real records, or nothing when there is no real record.
    std::optional<qint64> highestId() const;

    // Surname and other names of every row of the selection, in its order, in one read.
    QList<NameEntry> names() const;

private:
    // Whether a row with these values belongs to the selection.
    bool selects(const RowValues& row) const;
    NameEntry namesOf(const RowValues& row, qint64 rowId) const;
    // Puts a saved row of the name order at its sorted place and makes it current.
    void placeByName(const NameEntry& names);
    QString selectionSql(const QString& what) const;
    bool findFirstAmong(Statement& matches);
    void loadCurrent();

    Database& m_db;
    RecordSource m_source = RecordSource::None;
    QList<qint64> m_keys;
    int m_position = -1;
    RowValues m_row;
    RowValues m_buffer;
    EditMode m_mode = EditMode::None;
};
