#pragma once

#include "core/Messages.h"

namespace core {

// Shows the hourglass for the life of a long operation and puts the default pointer back however
// the operation ends.
class BusyPointer {
public:
    explicit BusyPointer(platform::Services& services) : services_(services)
    {
        SetMousePointer(services_, HourglassPointer);
    }
    ~BusyPointer() { SetMousePointer(services_, DefaultPointer); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    platform::Services& services_;
};

} // namespace core
