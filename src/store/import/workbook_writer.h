#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// A workbook written row by row, each row going to a work file on the disk as soon as the next
// begins, so that a hundred thousand records take no more memory than one. Sheets are written
// one after the other, each top to bottom. Every failure of the writing library is raised as an
// EngineError naming the file.
class WorkbookWriter {
public:
    explicit WorkbookWriter(const QString& path);
    ~WorkbookWriter();
    WorkbookWriter(const WorkbookWriter&) = delete;
    WorkbookWriter& operator=(const WorkbookWriter&) = delete;

    // The sheet of records: the columns' labels as its header row, kept in view, with the list of
    // allowed values offered in each column that has one.
    void beginRecordSheet(const QString& name);
    // One record, a text for each employee column in the column table's order.
    void writeRecord(const QStringList& texts);
    // A sheet of texts that wrap in their columns, under a header row; a column marked as
    // numbers holds numbers.
    struct PlainColumn {
        QString header;
        double width;
        bool numbers = false;
    };
    void writePlainSheet(const QString& name, const std::vector<PlainColumn>& columns,
                         const QList<QStringList>& rows);
    // Fits the record sheet's columns when it is the last sheet, and closes the file; raises
    // when the library cannot complete it.
    void close();

private:
    void check(int error) const;
    void writeHeader(const QStringList& header, double height);
    void writeCell(int column, const QString& text);
    void fitRecordColumns();

    QString m_path;
    lxw_workbook* m_book = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    lxw_format* m_header = nullptr;
    lxw_format* m_text = nullptr;
    lxw_format* m_amount = nullptr;
    lxw_format* m_wrapped = nullptr;
    std::vector<int> m_widest; // the widest value written in each column of the record sheet
    int m_row = 0;
};
