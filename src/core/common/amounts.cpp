#include "core/common/amounts.h"

#include "core/common/engine_error.h"

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

qsizetype lenWithoutCommas(const QString& text) {
    return text.size() - text.count(u',');
}

namespace {

// Digits with a comma before every group of three from the right; one pass, so a long pasted
// text costs no more than its length.
QString grouped(QStringView digits) {
    QString out;
    out.reserve(digits.size() + digits.size() / 3);
    for (qsizetype at = 0; at < digits.size(); ++at) {
        if (at > 0 && (digits.size() - at) % 3 == 0)
            out += u',';
        out += digits[at];
    }
    return out;
}

} // namespace

QString groupDigits(long long value) {
    // The magnitude is taken in unsigned arithmetic: the smallest value has no positive twin.
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    const QString digits = grouped(QString::number(magnitude));
    return value < 0 ? u'-' + digits : digits;
}

QString formatAmount(const QString& text) {
    const QString plain = withoutCommas(text).trimmed();
    if (plain.isEmpty())
        return QString();
    if (!allDigits(plain))
        return text; // callers only pass digits and commas; anything else is left alone
    qsizetype firstDigit = 0;
    while (firstDigit < plain.size() - 1 && plain[firstDigit] == u'0')
        ++firstDigit;
    return grouped(QStringView(plain).mid(firstDigit));
}
