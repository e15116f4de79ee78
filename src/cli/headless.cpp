#include "cli/headless.h"

#include "core/common/version.h"

namespace cli {

void setProgramNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("XW73D"));
    QCoreApplication::setApplicationName(QStringLiteral("xw73d"));
}

HeadlessRun::HeadlessRun(int& argc, char** argv)
    : m_application(argc, argv) {
    setProgramNames();
    QCoreApplication::setApplicationVersion(programVersion());
}

} // namespace cli
