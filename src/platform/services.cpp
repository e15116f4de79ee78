#include "platform/services.h"

#include <cstdlib>
#include <stdexcept>

namespace platform {
namespace {
Services* installed = nullptr;
} // namespace

Services& services() {
    if (!installed)
        throw std::logic_error("no platform services installed");
    return *installed;
}

Services* setServices(Services* services) {
    Services* previous = installed;
    installed = services;
    return previous;
}

} // namespace platform
