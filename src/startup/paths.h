#pragma once

#include <QString>

struct RunState;

QString DoubleBackslashes(const QString& text);

// Sets where the return text image is written: the folder named by the first line of "path.ini"
// (created when missing), or the program folder.
void SetUpPaths(RunState& state);

// Deletes the save's work files and their journals from the program folder.
void DeleteTempFiles(const QString& programFolder);

// The first line of a text file without its line end, or nothing when it cannot be read.
QString firstLine(const QString& path);
