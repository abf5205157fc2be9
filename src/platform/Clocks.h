#pragma once

#include <chrono>

namespace pennoc {

// The clocks reminders are timed by. Reading one has no effect.
class Clocks {
public:
    using WallTime = std::chrono::local_time<std::chrono::milliseconds>;

    virtual ~Clocks() = default;

    // The local date and time of day as the user sees it. It jumps when it is set, synchronised, or when
    // daylight saving or the time zone changes.
    virtual WallTime wallClock() const = 0;
    // Time since a fixed start, running on while the machine sleeps and the process is stopped, and never
    // set. Only differences between two readings mean anything.
    virtual std::chrono::milliseconds bootClock() const = 0;
};

} // namespace pennoc
