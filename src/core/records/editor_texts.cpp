#include "core/records/editor_texts.h"

#include "core/common/amounts.h"
#include "core/employer/employer_rules.h"
#include "core/returns/return_summary.h"

#include <QObject>
#include <QStringList>

namespace editortexts {

namespace {

QString joinKnown(const QStringList& parts, const QString& separator) {
    QStringList known;
    for (const QString& part : parts)
        if (!part.trimmed().isEmpty())
            known << part.trimmed();
    return known.join(separator);
}

QString returnYear(const EmployerData& employer) {
    const QString year = employer.returnYear.trimmed();
    return year.isEmpty() ? QString() : QObject::tr("Return year ") + year;
}

} // namespace

QString windowTitle(const QString& programCaption, const EmployerData& employer) {
    return programCaption + returnCaption(employer.name, employer.returnYear);
}

QString employerLine(const EmployerData& employer) {
    return joinKnown({employer.name,
                      wholeFileNumber(employer.section.trimmed(), employer.fileNumber.trimmed()),
                      returnYear(employer)},
                     QStringLiteral("   "));
}

QString recordPosition(CommandState state, int position, int count) {
    if (state == CommandState::NewRecord)
        return QObject::tr("New record");
    if (position < 0 || position >= count)
        return QObject::tr("No record");
    return QObject::tr("Record %1 of %2").arg(groupDigits(position + 1), groupDigits(count));
}

QString personName(const QString& surname, const QString& otherNames) {
    return joinKnown({surname, otherNames}, QStringLiteral(", "));
}

QString recordSaved(const QString& surname, const QString& otherNames) {
    return QObject::tr("Record of %1 saved.").arg(personName(surname, otherNames));
}

QString recordDeleted(const QString& surname, const QString& otherNames) {
    return QObject::tr("Record of %1 deleted.").arg(personName(surname, otherNames));
}

QString recordCount(int count) {
    return count == 1 ? QObject::tr("1 record") : QObject::tr("%1 records").arg(groupDigits(count));
}

QString recordsNumbered(int count) {
    return (count == 1 ? QObject::tr("%1 original record numbered.")
                       : QObject::tr("%1 original records numbered."))
        .arg(groupDigits(count));
}

QString deleteQuestion(const QString& question, const QString& surname, const QString& otherNames,
                       const QString& identityNumber, const QString& checkDigit) {
    QString identity = identityNumber.trimmed();
    if (!identity.isEmpty() && !checkDigit.trimmed().isEmpty())
        identity += QLatin1Char('(') + checkDigit.trimmed() + QLatin1Char(')');
    const QString record =
        joinKnown({personName(surname, otherNames), identity}, QStringLiteral("   "));
    return record.isEmpty() ? question : question + QStringLiteral("\n\n") + record;
}

QString formatHint(const EditorField& field) {
    switch (field.rule) {
    case RuleKind::IncomePeriod:
    case RuleKind::ResidencePeriod:
        return QStringLiteral("YYYYMMDD - YYYYMMDD");
    case RuleKind::DatePart: {
        static const QStringList parts{QStringLiteral("DD"), QStringLiteral("MM"),
                                       QStringLiteral("YYYY")};
        return parts.at(field.element % 3);
    }
    default:
        return QString();
    }
}

} // namespace editortexts
