#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// What start-up found of the working database in the program folder.
enum class StartupPath {
    Created,           // there was none: a fresh one was made
    Current,           // one without a password, already of the current layout
    NeedsConversion,   // one without a password left by an earlier version
    PasswordProtected, // the ordinary case: the user types the password
    // A conversion stopped between its two renames: its complete new database has now taken
    // the working database's place.
    ConversionFinished,
    // None, but files of a conversion lie in the folder (conversionFilesIn): the records may be
    // there, so nothing is created until the user has been told and agrees.
    RecordsElsewhere,
};

// Creates the working database when missing and no conversion left files beside it, otherwise
// probes it without a password. Other failures (a damaged file, a file in use) are raised as
// EngineError.
StartupPath prepareWorkingDatabase(const QString& programFolder);

// The names of the conversion's files in the folder, the kept old database and the new one, as
// found there.
QStringList conversionFilesIn(const QString& programFolder);

// An older engine format, or a version marker that sorts before "3.2" (an empty marker included,
// a missing one not), means the file was written by an earlier version.
bool needsConversion(const QString& formatVersion, const QVariant& versionMarker);
