#pragma once

#include "platform/Clocks.h"

namespace pennoc::test {

// Clocks that move only when the test moves them, as the system's do: time going by moves both, whether the
// machine is awake, asleep or the process stopped; setting the wall clock moves only it.
class FakeClocks : public Clocks {
public:
    // A time of day on the day the wall clock starts on.
    static WallTime at(int hours, int minutes, int seconds = 0) {
        using namespace std::chrono;
        return WallTime(local_days(year(2026) / December / 7)) + hours * 1h + minutes * 1min + seconds * 1s;
    }

    WallTime wallClock() const override { return m_wall; }
    std::chrono::milliseconds bootClock() const override { return m_boot; }

    void pass(std::chrono::milliseconds time) {
        m_wall += time;
        m_boot += time;
    }
    void setWallClock(WallTime time) { m_wall = time; }

private:
    WallTime m_wall = at(12, 0);
    std::chrono::milliseconds m_boot{3'600'000};
};

} // namespace pennoc::test
