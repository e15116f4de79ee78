#pragma once

#include <QString>
#include <functional>

// Copies a file onto the medium so that a copy counts only once it is known to be whole: the
// bytes go to a work file beside the target, are flushed to the device, dropped from the
// system's cache and read back from the device, and only a work file of the source's size and
// digest takes the target's name, which is then read back once more. On any failure the work
// file (and a target that did not read back whole) is removed, and the error (EngineError)
// names the file and says in words what went wrong; an earlier file of the target's name is
// kept unless the copy replaced it whole.
namespace verifiedcopy {

// Told the bytes done of the total after each piece.
using Progress = std::function<void(qint64 done, qint64 total)>;

void copyFile(const QString& source, const QString& target, const Progress& progress = {});

// The first half of copyFile: the source copied and read back whole under the target's work
// name, which is returned; the target itself is not touched.
QString copyToWorkFile(const QString& source, const QString& target, const Progress& progress = {});

// The target's work name: the target's name followed by the work-file suffix.
QString workPathFor(const QString& target);

// Flushes the file and drops its pages from the system's cache, so that the next read of it
// comes from the device and not from memory. False when the file cannot be opened.
bool dropCachedPages(const QString& path);

// What a system error number means for a copy onto the medium, in words for the user.
QString reasonFor(int systemError);

} // namespace verifiedcopy
