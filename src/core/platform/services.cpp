#include "core/platform/services.h"

#include <cstdlib>
#include <stdexcept>

namespace platform {
namespace {
Services* installed = nullptr;
std::function<void()> runEnd;
} // namespace

Services& services() {
    if (!installed)
        throw std::logic_error("no platform services installed");
    return *installed;
}

void endRun(int exitCode) {
    if (runEnd)
        runEnd();
    services().endAtOnce(exitCode);
}

void setRunEnd(std::function<void()> action) {
    runEnd = std::move(action);
}

Services* setServices(Services* services) {
    Services* previous = installed;
    installed = services;
    return previous;
}

} // namespace platform
