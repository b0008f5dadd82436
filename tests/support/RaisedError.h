#pragma once

#include "runtime/Error.h"

// The number of the runtime::Error that `action` raises, or 0 when it raises none.
template <typename Action>
int raisedErrorNumber(Action&& action)
{
    try {
        action();
    } catch (const runtime::Error& error) {
        return error.number();
    }
    return 0;
}
