#include "app/platform/SystemClocks.h"

#include <windows.h>

namespace pennoc {

Clocks::WallTime SystemClocks::wallClock() const {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    const std::chrono::local_days day{std::chrono::year(local.wYear) / static_cast<int>(local.wMonth) /
                                      static_cast<int>(local.wDay)};
    return WallTime(day.time_since_epoch()) + std::chrono::hours(local.wHour) + std::chrono::minutes(local.wMinute) +
           std::chrono::seconds(local.wSecond) + std::chrono::milliseconds(local.wMilliseconds);
}

std::chrono::milliseconds SystemClocks::bootClock() const {
    // Counts the time the machine sleeps; QueryUnbiasedInterruptTime would leave it out.
    return std::chrono::milliseconds(GetTickCount64());
}

} // namespace pennoc
