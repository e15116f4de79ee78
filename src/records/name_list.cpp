#include "records/name_list.h"

#include "common/engine_error.h"

#include <array>

NameList buildNameList(const QList<NameEntry>& names) {
    std::array<QList<QString>, 26> byLetter;
    NameList list;
    for (const NameEntry& name : names) {
        const QString surname = name.surname.toString();
        const QChar initial = surname.isEmpty() ? QChar() : surname.at(0).toUpper();
        if (initial < u'A' || initial > u'Z')
            continue;
        if (name.firstName.isNull()) {
            list.withoutFirstName << surname;
            continue;
        }
        byLetter[initial.unicode() - u'A']
            << surname + QStringLiteral(", ") + name.firstName.toString();
    }
    for (int letter = 0; letter < 26; ++letter) {
        list.entries.append({QString(QChar(u'A' + letter)), 1});
        for (const QString& entry : byLetter[letter])
            list.entries.append({entry, 2});
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
        return QStringLiteral("The Surname being searched includes a symbol \"  '  \" and the "
                              "search function cannot be used.  Please use the data bar to "
                              "search for the record manually.");
    return error.description();
}
