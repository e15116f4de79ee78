#pragma once

#include <QString>
#include <functional>

// Copies a file onto the medium so that a copy counts only once it is known to be whole: the
// bytes go to a work file beside the target, are flushed to the device and read back, and only
// a work file of the source's size and digest takes the target's name, which is then read back
// once more. On any failure the work file (and a target that did not read back whole) is
// removed, and the error (EngineError) names the file and the reason; an earlier file of the
// target's name is kept unless the copy replaced it whole.
namespace verifiedcopy {

// Told the bytes done of the total after each piece.
using Progress = std::function<void(qint64 done, qint64 total)>;

void copyFile(const QString& source, const QString& target, const Progress& progress = {});

} // namespace verifiedcopy
