#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>

// A row's surname and other names, as stored (either may have no value), and its row key.
struct NameEntry {
    QVariant surname;
    QVariant firstName;
    qint64 rowId = -1;
};

// The record list's order: surname, then other names, each compared as the engine's NOCASE
// collation does (only the letters A to Z ignore case; no value comes first), then the row key,
// which keeps equal names in the order they were added. Negative, zero or positive.
int compareNames(const NameEntry& left, const NameEntry& right);
// How many of count entries in that order come before key; reads about log2(count) of them.
int sortedPlace(int count, const NameEntry& key, const std::function<NameEntry(int)>& entryAt);

// The name search's two-level list: the letters A to Z, each followed by the names whose
// surname begins with it, in the record set's order.
struct NameListEntry {
    QString text;
    int level;            // 1 for a letter, 2 for a name
    NameEntry names = {}; // a name's record
};

// The letter (0 for A to 25 for Z) a record is listed under, or nothing when it is not listed:
// a surname that does not begin with a letter A to Z, or no other names.
std::optional<int> listedUnder(const NameEntry& names);
QString nameEntryText(const NameEntry& names);

struct NameList {
    QList<NameListEntry> entries;
    QStringList withoutFirstName; // surnames of rows that have no other names: left out
};

// A row whose surname does not begin with a letter A to Z is left out; it does not hide the
// rows after it.
NameList buildNameList(const QList<NameEntry>& names);

// Splits at the first delimiter outside double quotes: returns the token (trimmed, its quotes
// dropped) and leaves what follows the delimiter in text.
QString takeToken(QString& text, QChar delimiter);

// The surname and other names that a name entry stands for; no other names when nothing
// follows the comma.
struct ChosenName {
    QString surname;
    std::optional<QString> firstName;
};
ChosenName splitNameEntry(const QString& entry);

class EngineError;
// What the user is told when the search for a chosen name fails: the error's own description,
// or, for search criteria the engine cannot take from a surname with an apostrophe, the advice
// to browse for the record instead.
QString nameSearchFailure(const EngineError& error, const QString& surname);
