#pragma once

#include "platform/Timers.h"
#include "support/FakeClocks.h"

#include <vector>

namespace pennoc::test {

class FakeTimer;

// Timers that run only when the test ticks them. Each tick comes its interval after the one before on the
// clocks; a timer still handling a tick misses the next ones, as Qt's do.
class RecordingTimers : public Timers {
public:
    // `afterEachTick` runs after each tick of `tick`, as an event loop goes on between timeouts.
    explicit RecordingTimers(FakeClocks& clocks, std::function<void()> afterEachTick = {});
    ~RecordingTimers() override;

    std::unique_ptr<PeriodicTimer> createTimer(std::chrono::milliseconds interval,
                                               std::function<void()> onTick) override;

    // Fires every running timer with this interval, `times` times over.
    void tick(std::chrono::milliseconds interval, int times = 1);
    bool timerRunning(std::chrono::milliseconds interval) const;

private:
    friend class FakeTimer;

    FakeClocks& m_clocks;
    std::function<void()> m_afterEachTick;
    std::vector<FakeTimer*> m_timers;
};

} // namespace pennoc::test
