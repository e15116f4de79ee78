#pragma once

#include "core/import/zip_package.h"

#include <optional>

// Some programs write an .xlsx in forms the reader does not follow: the workbook's parts named
// from the package's root ("/xl/worksheets/sheet1.xml"), and text cells written inline in the
// sheet rather than in the table of shared strings. This gives such a package the ordinary form
// of both, leaving every other part as it is (the table of strings and the sheets rewritten are
// deflated); a package in the ordinary form is returned unchanged. Empty when a part cannot be
// expanded. A sheet read in parts needs none of this: each part is given its own table.
QByteArray ordinaryXlsx(const QByteArray& bytes, const zippackage::Directory& directory);

// The package with only the first of those: its parts named from the workbook's folder. The same
// bytes, not a copy, when they already are; empty when the relations cannot be expanded.
QByteArray withRelativeTargets(const QByteArray& bytes, const zippackage::Directory& directory);

// A table of shared strings holding these (their escaped XML), in this order.
QByteArray stringTableOf(const QList<QByteArray>& strings);

// What marks a text cell written inline in a sheet's XML.
inline const QByteArray inlineTextMark = QByteArrayLiteral("t=\"inlineStr\"");

// Whether the package's entry of this name is a worksheet.
bool isWorksheet(const QString& entryName);

// An empty text is made a reference to this index, which no table holds: the reading library
// gives an empty item of a table the text of the item before it, and a reference past the
// table reads as the empty text.
inline constexpr int noString = 0x7fffffff;

// The sheet's inline text cells as shared strings: the sheet rewritten, the strings appended to
// `strings` (their escaped XML, each once) from index `first`; an empty text is `noString`.
QByteArray sharedInlineStrings(const QByteArray& sheet, QList<QByteArray>& strings,
                               QHash<QByteArray, int>& indexOf, int first);

// The same for a sheet of the package, expanded and rewritten a piece at a time and deflated;
// nothing when the sheet cannot be expanded.
std::optional<zippackage::Deflated>
sharedInlineStringsOf(const QByteArray& bytes, const zippackage::Entry& entry,
                      QList<QByteArray>& strings, QHash<QByteArray, int>& indexOf, int first);
