#include "app/platform/SystemClocks.h"

#include <ctime>

namespace pennoc {

namespace {

std::chrono::milliseconds millisecondsOf(const timespec& time) {
    return std::chrono::seconds(time.tv_sec) + std::chrono::milliseconds(time.tv_nsec / 1'000'000);
}

} // namespace

Clocks::WallTime SystemClocks::wallClock() const {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    // The offset in force at this moment, daylight saving included.
    return WallTime(millisecondsOf(now) + std::chrono::seconds(local.tm_gmtoff));
}

std::chrono::milliseconds SystemClocks::bootClock() const {
    // CLOCK_MONOTONIC, which Qt's timers follow, stops while the machine sleeps.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return millisecondsOf(now);
}

} // namespace pennoc
