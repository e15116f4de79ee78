#include "core/records/identity_number.h"

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Moves `at` past a run of digits and says how many there were.
qsizetype skipDigits(const QString& text, qsizetype& at) {
    const qsizetype start = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at - start;
}

void skipSign(const QString& text, qsizetype& at) {
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        ++at;
}

// The exponent part is optional, but once "E" is there it needs at least one digit.
bool exponentIsWhole(const QString& text, qsizetype& at) {
    if (at == text.size() || (text[at] != u'E' && text[at] != u'e'))
        return true;
    ++at;
    skipSign(text, at);
    return skipDigits(text, at) > 0;
}

} // namespace

bool IsLetter(const QString& value) {
    const QString upper = value.toUpper();
    return QString::compare(upper, u"A", Qt::CaseSensitive) >= 0 &&
           QString::compare(upper, u"Z", Qt::CaseSensitive) <= 0;
}

bool isNumeric(const QString& text) {
    qsizetype at = 0;
    skipSign(text, at);
    qsizetype digits = skipDigits(text, at);
    if (at < text.size() && text[at] == u'.') {
        ++at;
        digits += skipDigits(text, at);
    }
    if (digits == 0 || !exponentIsWhole(text, at))
        return false;
    return at == text.size();
}

bool IsValidIdentityNumber(const QString& text) {
    const qsizetype letters = text.size() - 6;
    if (letters != 1 && letters != 2)
        return false;
    if (!isNumeric(text.right(6)))
        return false;
    for (qsizetype i = 0; i < letters; ++i)
        if (!IsLetter(text.mid(i, 1)))
            return false;
    return true;
}
