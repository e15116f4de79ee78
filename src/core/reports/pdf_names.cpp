#include "core/reports/pdf_names.h"

#include "core/reports/printed_texts.h"

#include <QSet>

namespace pdfname {

namespace {

const QString pdfExtension = QStringLiteral(".pdf");
// Well under the 255 bytes most file systems allow, with room for " (2)" and the extension
// even when every character takes three bytes.
constexpr qsizetype longestStem = 80;

bool isRefused(QChar character) {
    return character.unicode() < 0x20 || character.unicode() == 0x7f ||
           QStringLiteral("/\\:*?\"<>|").contains(character);
}

QString sheetText(const QString& sheetNo) {
    const QString trimmed = sheetNo.trimmed();
    bool isNumber = false;
    const qlonglong number = trimmed.toLongLong(&isNumber);
    if (trimmed.isEmpty())
        return QStringLiteral("unnumbered");
    return isNumber && number >= 0 ? QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'))
                                   : trimmed;
}

QString reportFileName(const QString& returnYear, const QString& what) {
    const QString year = returnYear.trimmed();
    return safeFileName(year.isEmpty() ? QStringLiteral("XW73D ") + what
                                       : QStringLiteral("XW73D %1 %2").arg(year, what)) +
           pdfExtension;
}

} // namespace

QString safeFileName(const QString& name) {
    QString safe;
    for (const QChar character : name)
        safe += isRefused(character) ? QChar(u'_') : character;
    safe = safe.simplified().left(longestStem);
    while (safe.startsWith(u'.') || safe.endsWith(u'.') || safe.endsWith(u' '))
        safe = safe.startsWith(u'.') ? safe.mid(1) : safe.chopped(1);
    return safe.isEmpty() ? QStringLiteral("_") : safe;
}

QString formFileName(const QString& sheetNo, const QString& surname, const QString& otherNames,
                     const QString& status) {
    QStringList parts{sheetText(sheetNo), surname.trimmed(), otherNames.trimmed()};
    if (status != u"O")
        parts << u'(' + printedtext::recordTypeName(status) + u')';
    parts.removeAll(QString());
    return safeFileName(parts.join(u' ')) + pdfExtension;
}

QString allOriginalsFileName(const QString& returnYear) {
    return reportFileName(returnYear, QStringLiteral("all originals"));
}

QString controlListFileName(const QString& returnYear) {
    return reportFileName(returnYear, QStringLiteral("control list"));
}

QString problemListFileName(const QString& returnYear) {
    return reportFileName(returnYear, QStringLiteral("problems"));
}

QStringList distinctNames(const QStringList& names) {
    QSet<QString> taken;
    for (const QString& name : names)
        taken.insert(name.toLower());
    QSet<QString> used;
    QStringList distinct;
    for (const QString& name : names) {
        QString chosen = name;
        const QString stem =
            name.endsWith(pdfExtension, Qt::CaseInsensitive) ? name.chopped(4) : name;
        const QString extension = name.mid(stem.size());
        // A made-up name must not take the name of another file of the list either.
        for (int copy = 2; used.contains(chosen.toLower()) ||
                           (chosen != name && taken.contains(chosen.toLower()));
             ++copy)
            chosen = QStringLiteral("%1 (%2)%3").arg(stem).arg(copy).arg(extension);
        used.insert(chosen.toLower());
        distinct << chosen;
    }
    return distinct;
}

} // namespace pdfname
