#include "common/amounts.h"

#include "common/engine_error.h"

#include <QObject>

namespace {

bool allDigits(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString withoutCommas(const QString& text) {
    QString plain = text;
    plain.remove(u',');
    return plain;
}

} // namespace

std::int32_t amountToLong(const QVariant& amount) {
    if (amount.isNull())
        return 0;
    const QString plain = withoutCommas(amount.toString()).trimmed();
    if (plain.isEmpty())
        return 0;
    bool ok = false;
    const qlonglong value = plain.toLongLong(&ok);
    if (!ok)
        throw EngineError(
            engine::TypeMismatch,
            QObject::tr("The amount '%1' is not a whole number.").arg(amount.toString()));
    if (value > INT32_MAX || value < INT32_MIN)
        throw EngineError(
            engine::Overflow,
            QObject::tr("The amount '%1' is too large for the program.").arg(amount.toString()));
    return static_cast<std::int32_t>(value);
}

std::int16_t lenWithoutCommas(const QString& text) {
    return static_cast<std::int16_t>(text.size() - text.count(u','));
}

QString groupDigits(long long value) {
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -value : value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return negative ? u'-' + digits : digits;
}

QString formatAmount(const QString& text) {
    QString plain = withoutCommas(text).trimmed();
    if (plain.isEmpty())
        return QString();
    if (!allDigits(plain))
        return text; // callers only pass digits and commas; anything else is left alone
    while (plain.size() > 1 && plain.startsWith(u'0'))
        plain.remove(0, 1);
    for (qsizetype at = plain.size() - 3; at > 0; at -= 3)
        plain.insert(at, u',');
    return plain;
}
