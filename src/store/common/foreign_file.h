#pragma once

#include "core/common/foreign_schema.h"

#include <QString>

// What the check of a file the program did not write found.
struct ForeignFileVerdict {
    enum class Outcome {
        Expected,   // its schema is what the kind needs: it may be opened and read
        Unexpected, // it reads, but holds other objects or columns (schema.problem says which)
        Refused,    // the engine would not open it (not a database, a password, in use): the
                    // caller's own open says why, as for any file
        Failed,     // reading it crashed the engine, took too long or too much memory, or
                    // found it damaged (reason says which)
    };
    Outcome outcome = Outcome::Failed;
    SchemaVerdict schema;
    QString reason;
};

// The time and the memory the check of one file is given, far more than any file of the
// program's needs.
inline constexpr int inspectionSeconds = 5;
inline constexpr qint64 inspectionMemoryBytes = 256LL << 20;

// Reads the schema of the file and checks every page of it in a child process of its own,
// under a time and a memory limit, so that a file made to crash or hang the engine harms only
// that process. Call it before the file is opened in this process.
ForeignFileVerdict inspectForeignFile(const QString& path, ForeignFileKind kind);

// Raises the error that names the file and what is wrong with it, for every outcome but
// Expected and Refused; returns for those.
void requireReadable(const QString& path, ForeignFileKind kind, const ForeignFileVerdict& verdict);

// A working database without a password, found in the program folder or about to be converted,
// is one of this program's before anything else opens it: raises when it is not. A file with a
// password is left to the login, which cannot open it without the right one.
void requireOwnPlainDatabase(const QString& path);
