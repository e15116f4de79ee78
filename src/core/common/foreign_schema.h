#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Files the program did not write itself (a submission on a medium and its log, a working
// database without a password found in the program folder) are read only when their schema is
// what the program expects: its tables, with its names and columns, and nothing else. A view, a
// trigger or a virtual table would run what the file's maker wrote on every read.
enum class ForeignFileKind { Submission, SubmissionLog, WorkingDatabase };

// One entry of a file's schema as the engine read it.
struct SchemaObject {
    QString type; // the entry's own type column: "table", "index", "view", "trigger"
    QString name;
    QString table;          // the table an index or a trigger belongs to
    QString sql;            // the definition; empty for an index the engine made itself
    bool realTable = false; // the engine holds it as a table with rows of its own, not a view
    QStringList columns;    // a real table's columns, in order
};

struct SchemaVerdict {
    bool expected = false;
    QString found;   // the entries as a report lists them: "Employee, Employer, view Extra"
    QString problem; // when not expected, the first thing that is not, in words
};

SchemaVerdict checkSchema(ForeignFileKind kind, const QList<SchemaObject>& objects);

// The tables a file of the kind holds, as a report lists them when all is well.
QString expectedSchema(ForeignFileKind kind);

// What a definition creates, read from its first words: "table", "view", "trigger", "index",
// "virtual table", or "other" (a CREATE TABLE ... AS SELECT among them, which has no column
// list of its own).
QString definedKind(const QString& sql);
