#include "core/common/secrets.h"

#include <cstdlib>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace secrets {

void stopCoreDumps() {
#ifdef Q_OS_LINUX
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
#ifdef Q_OS_UNIX
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
#endif
}

void overwrite(QString& text) {
    text.fill(QChar(u'\0'));
}

void overwrite(QByteArray& bytes) {
    bytes.fill('\0');
}

std::optional<QByteArray> takeEnvironmentVariable(const char* name) {
    char* value = std::getenv(name);
    if (!value)
        return std::nullopt;
    const QByteArray taken(value);
    explicit_bzero(value, std::strlen(value)); // not dropped as a dead store
    unsetenv(name);
    return taken;
}

} // namespace secrets
