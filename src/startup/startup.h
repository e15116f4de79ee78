#pragma once

#include <QString>
#include <QVariant>

// What start-up found of the working database in the program folder.
enum class StartupPath {
    Created,           // there was none: a fresh one was made
    Current,           // one without a password, already of the current layout
    NeedsConversion,   // one without a password left by an earlier version
    PasswordProtected, // the ordinary case: the user types the password
};

// Creates the working database when missing, otherwise probes it without a password. Other
// failures (a damaged file, a file in use) are raised as EngineError.
StartupPath prepareWorkingDatabase(const QString& programFolder);

// An older engine format, or a version marker that sorts before "3.2" (an empty marker included,
// a missing one not), means the file was written by an earlier version.
bool needsConversion(const QString& formatVersion, const QVariant& versionMarker);
