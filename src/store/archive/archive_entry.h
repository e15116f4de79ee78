#pragma once

#include "store/common/database.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>
#include <functional>

class ControlList;
namespace report {
class Report;
}

// One kept submission: a folder "archive/<date>-<time>" of the return's folder holding one
// encrypted file, keyed with the return's password, that holds the submission and its log with
// the very bytes that went onto the medium, the control list as a PDF, and a summary row. The
// archive belongs to the user: the program adds entries and never removes one.
namespace archive {

inline const QString folderName = QStringLiteral("archive");
inline const QString entryFileName = QStringLiteral("entry.mdb");
// The entry's own format, recorded in the file beside the working database's and the medium's.
inline constexpr int entryFormat = 10;

struct Summary {
    QString target; // where the submission was written
    QDateTime savedAt;
    qint64 records = 0;
    qint64 income = 0;
    QString digest; // the log's code: the image's digest in three groups
    QString programVersion;
    QString returnYear;
    QString fileNumber;     // as printed, 6A1-12345678
    QString submissionName; // the submission's file name on the medium
};

enum class Part { Submission, Log, ControlList };

// Draws the control list into the bytes of a PDF file; empty when it cannot.
using PdfRenderer = std::function<QByteArray(const report::Report&)>;

// Keeps the submission at `target` and the log beside it, read from the medium, with their
// control list drawn by `renderPdf`. The entry is written under a work name, reopened with the
// password and every file in it compared with the bytes on the medium before it takes its name.
// Returns the entry's folder; raises EngineError, leaving no part of the entry behind.
// `list` is the control list the save opened over that pair.
QString keep(const QString& returnFolder, const QString& target, const ControlList& list,
             const QString& password, const QDateTime& savedAt, const PdfRenderer& renderPdf);

// Removes what a keep or a re-key cut short by a crash left: the entry's work file and its
// journal, and the folder of an entry that never took its name, once it is empty. Entries are
// never touched.
void removeWorkFiles(const QString& returnFolder);

// The entry of the folder, opened for reading with the password. Raises when it does not open.
Database openEntry(const QString& entryFolder, const QString& password);
// True when the path is an entry's folder or its file.
bool isEntry(const QString& path);
// The entry's folder for a path naming the folder or its file.
QString entryFolderOf(const QString& path);

Summary readSummary(Database& entry);
QByteArray readPart(Database& entry, Part part);
// The name the part had on the medium (the control list's is the PDF name offered for it).
QString partName(Database& entry, Part part);

// The archived submission and log taken out into a private folder, files readable by the user
// alone, under the names they had on the medium; the folder goes when this does.
class TakenOut {
public:
    // Raises EngineError when the entry cannot be read or the files cannot be written.
    explicit TakenOut(Database& entry);
    const QString& submissionPath() const { return m_submission; }
    const QString& logPath() const { return m_log; }

private:
    QTemporaryDir m_folder;
    QString m_submission;
    QString m_log;
};

} // namespace archive
