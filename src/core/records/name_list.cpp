#include "core/records/name_list.h"

#include "core/common/engine_error.h"

#include <QObject>
#include <algorithm>
#include <array>

namespace {

std::optional<int> initialLetter(const QVariant& surname) {
    const QString text = surname.toString();
    const QChar initial = text.isEmpty() ? QChar() : text.at(0).toUpper();
    if (initial < u'A' || initial > u'Z')
        return std::nullopt;
    return initial.unicode() - u'A';
}

// The engine's NOCASE: the UTF-8 bytes compared with the ASCII letters folded to lower case.
int compareNoCase(const QVariant& left, const QVariant& right) {
    if (left.isNull() || right.isNull())
        return int(right.isNull()) - int(left.isNull());
    const QByteArray a = left.toString().toUtf8();
    const QByteArray b = right.toString().toUtf8();
    const auto fold = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : int(byte);
    };
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        if (const int difference = fold(a[i]) - fold(b[i]))
            return difference;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

} // namespace

int compareNames(const NameEntry& left, const NameEntry& right) {
    if (const int bySurname = compareNoCase(left.surname, right.surname))
        return bySurname;
    if (const int byFirstName = compareNoCase(left.firstName, right.firstName))
        return byFirstName;
    return left.rowId < right.rowId ? -1 : (left.rowId > right.rowId ? 1 : 0);
}

int sortedPlace(int count, const NameEntry& key, const std::function<NameEntry(int)>& entryAt) {
    int low = 0;
    int high = count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (compareNames(entryAt(middle), key) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

std::optional<int> listedUnder(const NameEntry& names) {
    return names.firstName.isNull() ? std::nullopt : initialLetter(names.surname);
}

QString nameEntryText(const NameEntry& names) {
    return names.surname.toString() + QStringLiteral(", ") + names.firstName.toString();
}

// Each letter's names are gathered as places in the list, not copies: at 100,000 records the
// list is large enough for a copy to count.
NameList buildNameList(const QList<NameEntry>& names) {
    std::array<QList<qsizetype>, 26> byLetter;
    NameList list;
    for (qsizetype at = 0; at < names.size(); ++at) {
        const std::optional<int> letter = initialLetter(names[at].surname);
        if (!letter)
            continue;
        if (names[at].firstName.isNull())
            list.withoutFirstName << names[at].surname.toString();
        else
            byLetter[*letter] << at;
    }
    list.entries.reserve(names.size() + 26);
    for (int letter = 0; letter < 26; ++letter) {
        list.entries.append({QString(QChar(u'A' + letter)), 1});
        for (const qsizetype at : byLetter[letter])
            list.entries.append({nameEntryText(names[at]), 2, names[at]});
    }
    return list;
}

QString takeToken(QString& text, QChar delimiter) {
    qsizetype at = text.indexOf(delimiter);
    const qsizetype quote = text.indexOf(u'"');
    if (quote >= 0 && (at < 0 || quote < at)) {
        const qsizetype closing = text.indexOf(u'"', quote + 1);
        at = closing < 0 ? -1 : text.indexOf(delimiter, closing + 1);
    }
    QString token;
    if (at >= 0) {
        token = text.left(at).trimmed();
        text = text.mid(at + 1);
    } else {
        token = text.trimmed();
        text.clear();
    }
    if (token.startsWith(u'"')) {
        token.remove(0, 1);
        if (token.endsWith(u'"'))
            token.chop(1);
    }
    return token;
}

ChosenName splitNameEntry(const QString& entry) {
    QString rest = entry;
    ChosenName chosen;
    chosen.surname = takeToken(rest, u',');
    if (!rest.isEmpty())
        chosen.firstName = rest.mid(1);
    return chosen;
}

QString nameSearchFailure(const EngineError& error, const QString& surname) {
    if (error.number() == engine::BadCriteria && surname.contains(u'\''))
        return QObject::tr("The Surname being searched includes a symbol \"  '  \" and the "
                           "search function cannot be used.  Please use the data bar to "
                           "search for the record manually.");
    return error.description();
}
