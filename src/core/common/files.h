#pragma once

#include <QString>

class QFile;
class QFileDevice;

// File names in the program folder are matched without regard to case, so that
// "TEMP73D.MDB" and "temp73d.mdb" name one file on every file system.
namespace files {

// The path of the entry in the folder whose name matches without regard to case; when there is
// none, the folder joined with the name as given (the spelling under which it will be created).
QString inFolder(const QString& folder, const QString& name);

bool exists(const QString& folder, const QString& name);

// Deletes every entry of the folder whose name matches without regard to case. Returns false
// when one of them could not be deleted.
bool remove(const QString& folder, const QString& name);

// Deletes every file of the folder whose name matches the wildcard pattern ("*" for any
// characters, "?" for one) without regard to case. Returns false when one could not be deleted.
bool removeMatching(const QString& folder, const QString& pattern);

// Deletes a database file and the engine's journal beside it.
bool removeDatabase(const QString& folder, const QString& name);
// The same for a path spelled exactly, such as a work file the program names itself.
void removeDatabaseAt(const QString& path);

// The program's data stay readable by the user alone, whatever the umask: files 0600,
// folders 0700. createPrivateFile and openPrivateFile fail when the file exists already;
// openPrivateFile leaves the new file open for writing.
bool createPrivateFile(const QString& path);
bool openPrivateFile(QFile& file);
// Makes an open file the user's alone (a file that may exist already, or whose maker chose
// its own permissions).
bool makePrivate(QFileDevice& file);
bool makePrivateFolder(const QString& path);

// Puts a completed file in the place of another in one step (the old one, if any, goes), and
// makes the change durable before returning. False when the rename failed; nothing moved then.
bool replaceFile(const QString& completed, const QString& target);

} // namespace files
