#pragma once

#include <QByteArray>
#include <QString>

// A workbook's zip package judged before anything in it is parsed: what kind of file the bytes
// are, whether they expand within bounds, whether the workbook is encrypted, links to other
// files or carries macros. The bytes the reader is given come from here.
enum class WorkbookKind { Xlsx, Ods };

// The most a workbook's package may hold and expand to; a file beyond them is refused before
// any of it is expanded.
inline constexpr qint64 largestWorkbookBytes = 100LL * 1024 * 1024;
inline constexpr int mostPackageEntries = 10'000;
inline constexpr qint64 largestExpandedEntry = 400LL * 1024 * 1024;
inline constexpr qint64 largestExpandedPackage = 1024LL * 1024 * 1024;
// An entry larger than this may expand no more than mostExpansion times its compressed size.
inline constexpr qint64 smallEntry = 1024 * 1024;
inline constexpr qint64 mostExpansion = 200;

struct CheckedPackage {
    QByteArray bytes; // what the reader takes; empty when refused
    QString refusal;  // why the file is not read, a whole sentence; empty when it is
};

// The package as the reader takes it, or the refusal. An .xlsx whose parts are named from the
// package's root is given the ordinary form of the names; text cells written inline are left
// as they are, for the reader (workbook::forEachRow) turns them into shared strings where it
// reads them.
CheckedPackage checkedPackage(const QByteArray& bytes, WorkbookKind kind, const QString& fileName);
