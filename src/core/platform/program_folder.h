#pragma once

#include <QString>

namespace platform {

// The folder that holds the working database and the work files: the one given on the command
// line, otherwise the user's application data folder. Created when missing; empty on failure.
QString programFolder(const QString& requested);

// Where the removable medium is written: the one given, otherwise the first writable volume
// mounted under /media or /run/media, otherwise /media/floppy.
QString mediumFolder(const QString& requested);

} // namespace platform
