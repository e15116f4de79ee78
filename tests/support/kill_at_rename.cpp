// Loaded before the C library into a program under test (LD_PRELOAD), it kills the program with
// SIGKILL right after its Nth rename has been done, N given in KILL_AFTER_RENAMES (0: just
// before the first one), so a test can stop a workflow exactly between two of its renames.
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dlfcn.h>

namespace {

int renamesDone = 0;

void killWhenDue() {
    const char* after = std::getenv("KILL_AFTER_RENAMES");
    if (after && std::atoi(after) == renamesDone)
        std::raise(SIGKILL);
}

} // namespace

extern "C" int rename(const char* from, const char* to) {
    using Rename = int (*)(const char*, const char*);
    static const auto next = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    if (!next) {
        errno = ENOSYS;
        return -1;
    }
    killWhenDue();
    const int result = next(from, to);
    if (result == 0)
        ++renamesDone;
    killWhenDue();
    return result;
}
