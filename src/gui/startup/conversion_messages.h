#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct OldValue;
class ValueRefused;

// What the start-up tells the user about a conversion: files it left without a working
// database, one it has just finished, and old values that could not be stored or were cut.
namespace conversionmessages {

// No working database, but the conversion's files (as found) in the folder: what each is and
// how to get the records back, and whether to create a new, empty database all the same.
QString recordsElsewhereQuestion(const QString& folder, const QStringList& found);

// An interrupted conversion's new database has just taken the working database's place.
QString interruptedConversionFinished();

// The record and column of a refused value, the reason, and how to go on; with `offerCut` the
// question whether the program should cut such values to their column's width.
QString valueRefused(const ValueRefused& refused, bool offerCut);

// The closing message of a conversion: the fixed text, then every value that was cut.
QString conversionDone(const QList<OldValue>& cut);

} // namespace conversionmessages
