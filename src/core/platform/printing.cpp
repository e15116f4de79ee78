#include "core/platform/printing.h"

#include <stdexcept>

namespace platform {
namespace {
Printing* installed = nullptr;
} // namespace

Printing& printing() {
    if (!installed)
        throw std::logic_error("no printing installed");
    return *installed;
}

Printing* setPrinting(Printing* printing) {
    Printing* previous = installed;
    installed = printing;
    return previous;
}

} // namespace platform
