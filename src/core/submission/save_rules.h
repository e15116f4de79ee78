#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

// The rules of the save screen "fSave", as plain functions: the file name's key filter and
// checks, the size that needs other media, whether the medium is blank, and which of the
// screen's texts and controls each state shows.
namespace saverules {

// A submission larger than this does not fit a 1.44 MB diskette.
inline constexpr qint64 largestNormalSize = 1'360'000;
inline bool isOversize(qint64 submissionSize) {
    return submissionSize > largestNormalSize;
}

inline QString invalidCharactersText() {
    return QObject::tr("Invalid characters!");
}
inline QString spaceText() {
    return QObject::tr("File name cannot contain space.  Please enter again!");
}
inline QString changeDriveText() {
    return QObject::tr("Please change the drive letter!");
}
inline QString notBlankText() {
    return QObject::tr(
        "The disk inserted is not a blank one,  please replace a new disk and try again!");
}
inline QString imageMissingText() {
    return QObject::tr("File saving error(1), please try again!");
}
inline QString driveText() {
    return QObject::tr(
        "Please check whether the Drive you want to use for saving the file is valid "
        "and the Filename is in correct format!");
}
inline QString printerText() {
    return QObject::tr("Please check the printer to ensure that it is ready for printing of XW73D "
                       "control list and press 'OK' to proceed.");
}

// Backspace and the character codes 46 to 122 may be typed into the file name; the space and
// control keys (a paste shortcut among them) may not.
bool isFileNameKey(int characterCode);

// The path a save writes to: the name as typed without the spaces around it, every "\\" read as
// the separator, as in the names of the systems the program comes from.
QString targetPathOf(const QString& typedName);

// The medium folder, the separator, the file number and ".MDB".
QString defaultTargetPath(const QString& mediumFolder, const QString& fileNumber);

// True when the target lies in the medium folder or below it: the checks that the save makes
// for a diskette (blank medium, oversize refusal) apply there only.
bool isOnMedium(const QString& targetPath, const QString& mediumFolder);

// The message of the first check of OK that the file name fails, in the order OK makes them:
// a space inside the name, a changed name part (only the last characters are compared, upper
// cased, with either separator), and, when the submission is too big for a diskette, a target
// on the medium.
std::optional<QString> fileNameProblem(const QString& text, const QString& fileNumber,
                                       bool oversize, const QString& mediumFolder);

// The regular files in the medium's folder that make it not blank: folders and hidden files do
// not count.
QStringList filesOnMedium(const QString& mediumFolder);
bool isBlankMedium(const QString& mediumFolder);

// Given the files on a medium, the ones a save of this program leaves there when it is cut
// off: its work files, and a log or a submission without the other. Empty unless every file
// is one of them: a medium that also holds anything else is simply not blank.
QStringList interruptedSaveFiles(const QStringList& fileNames);

// Asks whether the files an interrupted save left on the medium may be removed.
QString interruptedSaveQuestion(const QStringList& fileNames);

// True when the target's folder exists and a file can be created in it.
bool canWriteTo(const QString& targetPath);

enum class ScreenState { ReadyNormal, ReadyOversize, SavingNormal, SavingOversize };

// What the save screen shows in a state.
struct ScreenLook {
    bool normalInstruction;   // Label2
    bool oversizeInstruction; // Label1
    bool oversizeProgress;    // Label3
    bool normalProgress;      // Label4
    bool nameEditable;        // tFileName
    bool commandsShown;       // cOK and cCancel
    bool progressShown;       // the progress bar
    bool operator==(const ScreenLook&) const = default;
};

ScreenLook lookOf(ScreenState state);

} // namespace saverules
