#include "gui/startup/conversion_messages.h"

#include "store/common/schema.h"
#include "store/startup/conversion.h"

#include <QDir>
#include <QObject>

namespace conversionmessages {
namespace {

QString quotedOrNone(const QVariant& value) {
    return value.isNull() ? QObject::tr("(none)") : u'\'' + value.toString() + u'\'';
}

// "the old record with ID 17 (surname 'CHAN', other names 'TAI MAN')"
QString oldRecord(const OldValue& value) {
    return QObject::tr("the old record with ID %1 (surname %2, other names %3)")
        .arg(value.id.isNull() ? QObject::tr("(none)") : value.id.toString(),
             quotedOrNone(value.surname), quotedOrNone(value.otherNames));
}

QString whatItIs(const QString& name) {
    if (name.compare(schema::keptOldFile, Qt::CaseInsensitive) == 0)
        return QObject::tr("'%1' is the database as it was before the conversion. Renamed to "
                           "'%2', it is converted again at the next start.")
            .arg(name, schema::workingFile);
    return QObject::tr("'%1' is the database the conversion was making. It was not taken as "
                       "'%2': it does not read back whole, or the old database '%3' is not "
                       "beside it.")
        .arg(name, schema::workingFile, schema::keptOldFile);
}

} // namespace

QString recordsElsewhereQuestion(const QString& folder, const QStringList& found) {
    QStringList lines{QObject::tr("There is no database '%1' in the program folder (%2), but "
                                  "there is '%3'. Your records may be there: a conversion of "
                                  "the database of an earlier version was stopped before it "
                                  "was finished.")
                          .arg(schema::workingFile, QDir::toNativeSeparators(folder),
                               found.join(QObject::tr("' and '")))};
    for (const QString& name : found)
        lines << whatItIs(name);
    lines << QObject::tr("Do you want to create a new, empty database? No ends the program and "
                         "leaves every file as it is.");
    return lines.join(QStringLiteral("\n\n"));
}

QString interruptedConversionFinished() {
    return QObject::tr("The conversion of the database was stopped at the last start before it "
                       "was finished. It has now been completed: '%1' has become '%2', and the "
                       "old database is kept as '%3'.")
        .arg(schema::conversionFile, schema::workingFile, schema::keptOldFile);
}

QString valueRefused(const ValueRefused& refused, bool offerCut) {
    const OldValue& value = refused.value();
    QString text = QObject::tr("The conversion stopped at %1: its value in the column '%2' "
                               "cannot be stored. %3\n\nThe old database is unchanged. Correct "
                               "that record with any SQLite tool and start the program again.")
                       .arg(oldRecord(value), value.column, refused.description());
    if (offerCut)
        text += QObject::tr("\n\nOr the program can cut every value that is too long to the "
                            "width of its column (%1 bytes for '%2') and go on; each value cut "
                            "is named when the conversion is done. Do you want the program to "
                            "cut such values?")
                    .arg(value.width)
                    .arg(value.column);
    return text;
}

QString conversionDone(const QList<OldValue>& cut) {
    QString text = QObject::tr("Please check the correctness of all the fields in the "
                               "database.");
    if (cut.isEmpty())
        return text;
    constexpr qsizetype named = 10; // a box stays readable; the rest are counted
    text += QObject::tr("\n\nThese values were too long and were cut to the width of their "
                        "column:");
    for (qsizetype at = 0; at < std::min(named, cut.size()); ++at)
        text += QObject::tr("\n%1, %2: %3 is now %4")
                    .arg(oldRecord(cut[at]), cut[at].column, quotedOrNone(cut[at].text),
                         quotedOrNone(cut[at].stored));
    if (cut.size() > named)
        text += QObject::tr("\nand %n more.", nullptr, int(cut.size() - named));
    return text;
}

} // namespace conversionmessages
