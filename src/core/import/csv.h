#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QIODevice;

// Comma-separated files as spreadsheets write and read them (RFC 4180): fields holding a comma,
// a quote or a line break are quoted, quotes inside doubled, lines end in CR LF.
namespace csv {

// Written first, so that a spreadsheet reads the file as UTF-8 and shows Chinese names.
inline const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

QString quoteField(const QString& field);

// A text cell that a spreadsheet would take for a formula (it begins with "=", "+", "-", "@", a
// tab or a carriage return) is written with an apostrophe before it, which the spreadsheet
// hides and which makes it show the cell as text. A text that begins with an apostrophe gets one
// more, so that reading takes off exactly what writing added and a round trip keeps every text.
QString protectedCell(const QString& text);
// Takes off the apostrophe that protectedCell adds: the first of a cell that begins with an
// apostrophe followed by another or by one of the characters above. Any other cell is kept as
// it is, a lone leading apostrophe included.
QString unprotectedCell(const QString& text);
// One line of the file, its line break included.
QString line(const QStringList& fields);

// The text of a file: UTF-8, with or without byte-order mark; otherwise Big5-HKSCS; nothing
// when it is neither.
std::optional<QString> decodeFile(const QByteArray& bytes);

struct Record {
    int line = 0;       // the file's line on which the record starts, from 1
    QStringList fields; // empty for a malformed record
    QString error;      // why the record could not be read; empty when it could
    QList<QDate> dates; // a spreadsheet's date cells by field (null for any other); empty in CSV
};

// Takes the records of a source one at a time: a CSV text, or the rows of a workbook's sheet.
using TakeRecord = std::function<void(const Record&)>;
// Told, before the first record, how many records a source likely holds, so that room for them
// all can be made at once rather than grown one at a time.
using ExpectRecords = std::function<void(qsizetype records)>;

// The number of records of the text, counted up to `stopAfter` and no further; the count is
// then stopAfter + 1.
int countRecords(const QString& text, int stopAfter);

// The records of the text; empty lines are skipped. A malformed record (a quote inside an
// unquoted field, text after a closing quote, a quote never closed) is returned with its error,
// and reading goes on with the next line.
QList<Record> parse(const QString& text);
// The same, one record at a time, so that a large file's records need not all be held.
void forEachRecord(const QString& text, const TakeRecord& take);

// The same for a file read a piece at a time, so that a large file's text is never held whole:
// the encoding decodeFile would take (found by reading the file once, then back at its start),
// and the records of its text, reading no more than `limit` bytes. False from forEachRecordOfFile
// when a piece cannot be decoded or the file goes on past the limit.
enum class FileEncoding { Utf8, CodePage };
std::optional<FileEncoding> fileEncoding(QIODevice& file, qint64 limit);
bool forEachRecordOfFile(QIODevice& file, qint64 limit, FileEncoding encoding,
                         const TakeRecord& take);

} // namespace csv
