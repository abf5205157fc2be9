#pragma once

#include <chrono>
#include <cstdint>

namespace pennoc {

// The whole seconds the countdowns go down by on each tick, from the boot clock, so that no time is lost to
// a late tick, a stopped process or a sleeping machine.
//
// Ticks come about a second apart and wobble; each of them counts exactly one second as long as it comes less
// than a second late, so the countdowns read as they always have. A tick that comes later counts every whole
// second since the time counted so far, and one that comes less than half a second after it counts none. The
// counted time never strays more than a second from the boot clock.
class CountdownSeconds {
public:
    explicit CountdownSeconds(std::chrono::milliseconds boot);

    // The seconds to count for a tick at this boot clock reading.
    std::int64_t tick(std::chrono::milliseconds boot);

private:
    // The boot clock time the countdowns have been counted to.
    std::chrono::milliseconds m_countedTo;
};

} // namespace pennoc
