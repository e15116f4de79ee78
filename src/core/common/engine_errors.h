#pragma once

#include "core/common/engine_error.h"

// The errors that several parts of the program raise alike.

// A file that cannot be created, written or renamed.
EngineError fileError(const QString& path, const QString& reason);
