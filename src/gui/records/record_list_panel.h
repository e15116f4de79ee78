#pragma once

#include <QWidget>

class Database;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class RecordListModel;

// The record list beside the editor's pages (object name "recordList"): a type-in filter that
// finds surname, other names, identity number or sheet number as the user types, a filter by
// record type, the count of records listed, and the records in the editor's name order. It only
// asks for moves; whoever placed it moves the editor and tells it which record is shown.
class RecordListPanel : public QWidget {
    Q_OBJECT
public:
    explicit RecordListPanel(Database& db, QWidget* parent = nullptr);

    // Reads the list again after the records changed; whoever calls it selects the shown record
    // again (followRecord).
    void reload();
    // Selects the line of the record the editor shows (-1 for none), without asking for a move.
    // The record set's place of it helps to find its line quickly.
    void followRecord(qint64 rowId, int placeHint = -1);
    // Shows the panel and puts the keyboard in its filter, its text selected.
    void focusFilter();
    RecordListModel& model() const { return *m_model; }
    QSize sizeHint() const override;

signals:
    // The user picked another record in the list.
    void recordChosen(qint64 rowId);
    // The filter left out the shown record; this is the first that it lists.
    void firstMatchFound(qint64 rowId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFilter();
    void showCount();
    void chooseLine(int line);
    void selectLine(int line);

    RecordListModel* m_model;
    QLineEdit* m_filterEdit;
    QComboBox* m_typeFilter;
    QLabel* m_countLabel;
    QTableView* m_table;
    qint64 m_shownRowId = -1;
    bool m_following = false; // a selection made by the program asks for no move
};
