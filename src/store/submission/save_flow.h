#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class ControlList;
namespace report {
class Report;
}

// The save to the medium after the file name was accepted: the target checked, the medium
// cleared of what an interrupted save left, the text image and the log written in the program
// folder, both files copied onto the medium and verified, and the control list opened over the
// copies. Each stage returns what happened; the screen asks the user its questions in between
// and shows the messages of a failed stage.
namespace saveflow {

enum class Step { Target, Medium, Image, Log, Copy, ControlList };

struct Outcome {
    std::optional<Step> failedStep; // none when the stage succeeded
    QStringList messages;           // why it failed, in the order the user is told
    bool succeeded() const { return !failedStep; }
};

// Where the progress stands, in thousandths, after each part of the save.
inline constexpr int imageDone = 100;
inline constexpr int logDone = 150;
inline constexpr int copiesDone = 950;
inline constexpr int allDone = 1000;
using Progress = std::function<void(int permille)>;

// Runs one part of the save: an EngineError it raises becomes the outcome of that step, the
// drive message standing in for a bad file name.
Outcome runStep(Step step, const std::function<void()>& work);

// Fails with the drive message unless the target's folder takes a new file.
Outcome checkTarget(const QString& targetPath);

// What lies on the medium before a save onto it. A target elsewhere is always blank.
struct MediumContents {
    bool blank = true;
    QStringList leftovers; // all of it left by an interrupted save, which may be removed
};
MediumContents inspectMedium(const QString& targetPath, const QString& mediumFolder);
// The outcome when the medium holds files that stay.
Outcome mediumNotBlank();
Outcome removeLeftovers(const QString& mediumFolder, const QStringList& leftovers);

struct SaveSources {
    QString programFolder; // holds TEMP73D.MDB; the image and the log are written beside it
    QString imagePath;
    QString targetPath;
    QDateTime savedAt;
};

// The image, the log and both verified copies; progress runs from 0 to copiesDone and is also
// told after every piece of the image, so that the screen stays responsive.
Outcome writeAndCopy(const SaveSources& sources, const Progress& progress = {});

struct ControlListOutcome {
    Outcome outcome;
    std::shared_ptr<ControlList> list; // set when the outcome succeeded
};
// The control list over the submission and its log as they lie on the medium.
ControlListOutcome openControlList(const QString& targetPath);

// Keeps the submission just saved at the target in the archive of the return's folder, with
// its control list (the one the save opened) drawn as a PDF by `renderPdf`. A failure never undoes
// the save: it comes back as the message to show after it, and the next save tries again; none when
// it was kept.
std::optional<QString>
keepInArchive(const QString& returnFolder, const QString& targetPath, const ControlList& list,
              const QString& password, const QDateTime& savedAt,
              const std::function<QByteArray(const report::Report&)>& renderPdf);

// Removes the save's work files from the program folder and the image; raises EngineError.
void removeWorkFiles(const QString& programFolder, const QString& imagePath);

} // namespace saveflow
