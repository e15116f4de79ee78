#pragma once

#include <QString>

// Where the return text image is written.
struct ImagePaths {
    QString imagePath;
};

// Where the return text image is written: the folder named by the first line of "path.ini"
// (created when missing), or the program folder.
ImagePaths setUpPaths(const QString& programFolder);

// Deletes the save's work files and their journals from the program folder.
void deleteTempFiles(const QString& programFolder);

// The first line of a text file without its line end, or nothing when it cannot be read.
QString firstLine(const QString& path);
