#pragma once

#include <QString>

// The program's version, as the build names it ("3.4").
inline QString programVersion() {
    return QStringLiteral(XW73D_VERSION);
}
