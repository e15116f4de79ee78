#pragma once

// Resident memory figures of this process, from /proc/self/status on Linux.
namespace memory {

// Peak resident set size in KiB (VmHWM), or -1 where the figure is not available.
long long peakResidentKiB();
// Resident set size now in KiB (VmRSS), or -1.
long long currentResidentKiB();

// Starts a new peak from the current resident size, so that work done before (building a test
// database) does not count; false where the system does not allow it.
bool resetPeakResident();

} // namespace memory
