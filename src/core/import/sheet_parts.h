#pragma once

#include "core/import/zip_package.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// A large worksheet handed to the reading library as several small worksheets of a few thousand
// rows each, so that the library holds one of them at a time rather than the whole sheet's text
// (about ten times the packed size). The sheet's text is cut only between rows, and each part
// keeps the sheet's opening, so each is a whole worksheet of its own. The workbook's shared
// strings and styles stay in the workbook, read once; texts written inline in the sheet go into
// a table of each part's own, so that no table of the whole sheet's texts is ever made.
namespace sheetparts {

inline constexpr int rowsPerPart = 2'000;

// Cuts a worksheet's text as it streams past. Each part is handed on as soon as it holds its
// rows (the last when the rows end); a row without its number is given the one it has in the
// whole sheet. False from take or finish: the sheet is not of the plain form cut here (then
// nothing was handed on: that is known from its opening), or a part was refused by `part`.
class Cutter {
public:
    Cutter(int rowsPerPart, std::function<bool(const QByteArray& part)> part);
    bool take(QByteArrayView piece);
    bool finish();

private:
    bool takeOpening();
    bool takeRows(bool last);
    qsizetype endOfRows(qsizetype& rows, qsizetype& counted) const;
    void appendNumbered(QByteArray& out, QByteArrayView rows);

    int m_rowsPerPart;
    std::function<bool(const QByteArray&)> m_part;
    QByteArray m_opening; // the sheet's text up to its first row
    QByteArray m_pending;
    qsizetype m_searched = 0; // how far m_pending has been searched for ends of rows
    qsizetype m_rowsFound = 0;
    qint64 m_lastRow = 0; // the number of the last row handed on, from 1
    bool m_ended = false;
};

// Where the workbook's sheet of this index (from 0) is kept in the package, by its entry's name;
// nothing when the workbook does not say it in the plain form.
std::optional<QString> sheetEntry(const QByteArray& package, const zippackage::Directory& directory,
                                  int sheet);

// How many rows a sheet's opening says it has (from the first to the last row its dimension
// spans), at most as many as `sheetBytes` of text can hold; 0 when it does not say. A reader
// makes room for that many at once: the number is only a likely one, as another program may
// write a dimension that does not fit its rows.
qsizetype likelyRows(QByteArrayView opening, qint64 sheetBytes);

// The package with that sheet's rows left out, for a first reading of the names, the shared
// strings, the styles and the settings, and how many rows the sheet's opening says it has.
struct Opening {
    QByteArray package;
    qsizetype likelyRows = 0;
};
std::optional<Opening> withoutRows(const QByteArray& package,
                                   const zippackage::Directory& directory, const QString& entry);

// A workbook of one sheet holding the part. Text cells written inline in it are given a table of
// shared strings of the part's own, numbered from `firstString` (after the workbook's own
// strings, which the reader already holds), so that no table of the whole sheet's texts is
// ever made.
QByteArray partPackage(const QByteArray& part, int firstString);

} // namespace sheetparts
