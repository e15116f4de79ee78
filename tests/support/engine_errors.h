#pragma once

#include "core/common/engine_error.h"

#include <functional>

// The number of the EngineError the action raises, or 0 when it raises none.
inline int errorNumber(const std::function<void()>& action) {
    try {
        action();
    } catch (const EngineError& error) {
        return error.number();
    }
    return 0;
}
