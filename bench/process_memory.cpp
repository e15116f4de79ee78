#include "process_memory.h"

#include <QFile>

namespace memory {

namespace {

// A figure of /proc/self/status in KiB, or -1.
long long statusKiB(const QByteArray& field) {
    // The file reports a size of 0, so it is read whole rather than line by line to its end.
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace

long long peakResidentKiB() {
    return statusKiB("VmHWM:");
}

long long currentResidentKiB() {
    return statusKiB("VmRSS:");
}

bool resetPeakResident() {
    // Writing 5 to clear_refs resets VmHWM to the current resident size (Linux 4.0 and later).
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

} // namespace memory
