#include "core/returns/return_summary.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>

namespace {

QString timeText(const QDateTime& time) {
    return time.isValid() ? time.toString(Qt::ISODate) : QString();
}

QDateTime timeFrom(const QJsonValue& value) {
    return QDateTime::fromString(value.toString(), Qt::ISODate);
}

} // namespace

QByteArray summaryText(const ReturnSummary& summary) {
    const QJsonObject object{
        {QStringLiteral("layout"), summaryLayout},
        {QStringLiteral("employer"), summary.employerName},
        {QStringLiteral("section"), summary.section},
        {QStringLiteral("fileNumber"), summary.fileNumber},
        {QStringLiteral("returnYear"), summary.returnYear},
        {QStringLiteral("records"), summary.recordCount},
        {QStringLiteral("lastChange"), timeText(summary.lastChange)},
        {QStringLiteral("lastSave"), timeText(summary.lastSave)},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<ReturnSummary> summaryFromText(const QByteArray& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonValue records = object.value(QStringLiteral("records"));
    if (object.value(QStringLiteral("layout")).toInt() != summaryLayout || !records.isDouble() ||
        records.toDouble() < 0)
        return std::nullopt;
    ReturnSummary summary;
    summary.employerName = object.value(QStringLiteral("employer")).toString();
    summary.section = object.value(QStringLiteral("section")).toString();
    summary.fileNumber = object.value(QStringLiteral("fileNumber")).toString();
    summary.returnYear = object.value(QStringLiteral("returnYear")).toString();
    summary.recordCount = records.toInteger();
    summary.lastChange = timeFrom(object.value(QStringLiteral("lastChange")));
    summary.lastSave = timeFrom(object.value(QStringLiteral("lastSave")));
    return summary;
}

QString returnCaption(const QString& employerName, const QString& returnYear) {
    QStringList known;
    for (const QString& part : {employerName.trimmed(), returnYear.trimmed()})
        if (!part.isEmpty())
            known << part;
    if (known.isEmpty())
        return QString();
    return QStringLiteral(" \u2014 ") + known.join(QStringLiteral(", "));
}

QString conditionWord(ReturnCondition condition) {
    switch (condition) {
    case ReturnCondition::OpenHere:
        return QObject::tr("open");
    case ReturnCondition::InUse:
        return QObject::tr("in use");
    case ReturnCondition::Damaged:
        return QObject::tr("damaged");
    case ReturnCondition::NoSummary:
        return QObject::tr("no summary");
    case ReturnCondition::Ready:
        break;
    }
    return QString();
}
