#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Puts the submission and its log onto the medium so that a submission under its final name
// always has its log beside it: both are copied and read back under work names first, then the
// log takes its name and the submission last. Before it returns, the pair is read again from
// the device and checked as "xw73d verify" checks it, and both files are found in the folder
// the target names. On any failure the error (EngineError) says what went wrong, and the
// medium holds no submission of that name: the files this copy made are removed, the
// submission first.
namespace mediumcopy {

// Told, in thousandths, how far the copy has come: after each piece and each step.
using Progress = std::function<void(int permille)>;

void copySubmissionAndLog(const QString& submission, const QString& log, const QString& target,
                          const Progress& progress = {});

// Removes the named files from the medium's folder (what an interrupted save left there); the
// error names the first one that is still there afterwards.
void removeInterruptedSave(const QString& mediumFolder, const QStringList& fileNames);

} // namespace mediumcopy
