#pragma once

#include <QString>
#include <QStringList>

// The names under which printed forms and lists are offered or written as PDF files: named after
// what they hold, so that a folder of them reads like the drawer of paper forms it replaces.
namespace pdfname {

// "0001 CHAN TAI MAN.pdf": the sheet number in four digits (more when it is larger), the
// surname and the other names. A replacement or supplementary form says so in brackets, as it
// may carry the sheet number of an original; a record without a sheet number is named
// "unnumbered" in its place.
QString formFileName(const QString& sheetNo, const QString& surname, const QString& otherNames,
                     const QString& status);
// "XW73D 2024 all originals.pdf" and "XW73D 2024 control list.pdf"; without the year when it is
// not known.
QString allOriginalsFileName(const QString& returnYear);
QString controlListFileName(const QString& returnYear);
// "XW73D 2024 problems.pdf": the list of problems that Check all records found.
QString problemListFileName(const QString& returnYear);
// The name with every character that a file system refuses (separators, wildcards, quotes,
// control characters) replaced by "_", without blanks or dots at either end, and short enough
// for any file system.
QString safeFileName(const QString& name);
// The names in order, a repeated one (compared without regard to case, as some file systems
// compare them) made distinct by " (2)", " (3)" before its extension.
QStringList distinctNames(const QStringList& names);

} // namespace pdfname
