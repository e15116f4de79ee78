#include "core/platform/settings.h"

namespace platform {
namespace {
Settings* installed = nullptr;
} // namespace

Settings& settings() {
    static MemorySettings forTheRun;
    return installed ? *installed : forTheRun;
}

Settings* setSettings(Settings* settings) {
    Settings* previous = installed;
    installed = settings;
    return previous;
}

} // namespace platform
