#pragma once

#include "core/common/engine_error.h"

#include <QString>
#include <optional>

// What the file system tells of a file's content: which file it is, its size and when it was
// last written. Two looks that agree saw the same content.
struct FileIdentity {
    qint64 device = 0;
    qint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the file at the path now; none when it cannot be looked at.
std::optional<FileIdentity> identityAt(const QString& path);

// Copies the file into a new file of the user's alone, read once through one descriptor, so
// that everything read from the copy comes from one and the same content. Raises when the file
// cannot be read, or changed while it was copied. Returns the identity it had throughout.
FileIdentity copyOnce(const QString& path, const QString& copyPath);

// The error for a file that changed while the program read it.
EngineError changedWhileRead(const QString& path);
