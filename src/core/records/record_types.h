#pragma once

#include <QString>
#include <QVariant>
#include <array>

// The record type codes kept in the employee table's Status column.
namespace recordtype {

inline constexpr char16_t original = u'O';
inline constexpr char16_t replacement = u'R';
inline constexpr char16_t supplementary = u'S';
// The one row every database holds so that the editor has something to bind to when there is no
// real record; no list shows it.
inline constexpr char16_t placeholder = u'H';

// The types a record may have, in the order the editor offers them.
inline constexpr std::array<char16_t, 3> recordTypes{original, replacement, supplementary};
// Their names, as the editor's options and the printed papers show them.
// Translated where they are shown, in the record list's words.
inline constexpr std::array<const char*, 3> recordTypeNames{
    QT_TRANSLATE_NOOP("RecordListModel", "Original"),
    QT_TRANSLATE_NOOP("RecordListModel", "Replacement"),
    QT_TRANSLATE_NOOP("RecordListModel", "Supplementary")};

QString code(char16_t type);
// The position of a Status text among recordTypes, or -1 for any other text.
int indexOf(const QString& status);

// Whether a Status value marks the placeholder row. Status is compared as its column compares
// it, without regard to case, and spaces around the code are not part of it.
bool isPlaceholder(const QVariant& status);

// The condition that leaves the placeholder row out of a selection from employee, for a where
// clause: "Status <> 'H'".
QString realRecordsCondition();
// The condition that selects only the placeholder row.
QString placeholderCondition();

} // namespace recordtype
