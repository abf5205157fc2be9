#pragma once

#include "platform/Clocks.h"

namespace pennoc {

// The operating system's clocks: the local wall clock, and for the boot clock one that counts suspend
// (CLOCK_BOOTTIME on Linux, GetTickCount64 on Windows).
class SystemClocks : public Clocks {
public:
    WallTime wallClock() const override;
    std::chrono::milliseconds bootClock() const override;
};

} // namespace pennoc
