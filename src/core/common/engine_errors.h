#pragma once

#include "core/common/engine_error.h"

// The errors that several parts of the program raise alike.

// The working database's one employer row is missing.
EngineError noEmployerRow();
// A file that cannot be created, written or renamed.
EngineError fileError(const QString& path, const QString& reason);
