#include "support/RecordingTimers.h"

#include <algorithm>
#include <utility>

namespace pennoc::test {

class FakeTimer : public PeriodicTimer {
public:
    FakeTimer(RecordingTimers& owner, std::chrono::milliseconds interval, std::function<void()> onTick)
        : m_owner(owner)
        , m_interval(interval)
        , m_onTick(std::move(onTick)) {
        m_owner.m_timers.push_back(this);
    }

    ~FakeTimer() override { std::erase(m_owner.m_timers, this); }

    void start() override { m_active = true; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }

    std::chrono::milliseconds interval() const { return m_interval; }

    // Like Qt, which delivers no timeout of a timer while its previous one is still being handled (a modal
    // window opened inside the handler, say).
    void fire() {
        if (m_firing) {
            return;
        }
        m_firing = true;
        try {
            m_onTick();
        } catch (...) {
            m_firing = false;
            throw;
        }
        m_firing = false;
    }

private:
    RecordingTimers& m_owner;
    std::chrono::milliseconds m_interval;
    std::function<void()> m_onTick;
    bool m_active = false;
    bool m_firing = false;
};

RecordingTimers::RecordingTimers(FakeClocks& clocks, std::function<void()> afterEachTick)
    : m_clocks(clocks)
    , m_afterEachTick(std::move(afterEachTick)) {}

RecordingTimers::~RecordingTimers() = default;

std::unique_ptr<PeriodicTimer> RecordingTimers::createTimer(std::chrono::milliseconds interval,
                                                            std::function<void()> onTick) {
    return std::make_unique<FakeTimer>(*this, interval, std::move(onTick));
}

void RecordingTimers::tick(std::chrono::milliseconds interval, int times) {
    for (int i = 0; i < times; ++i) {
        m_clocks.pass(interval);
        // A tick may create or destroy timers, so the running ones are picked before any fires.
        std::vector<FakeTimer*> due;
        for (FakeTimer* timer : m_timers) {
            if (timer->isActive() && timer->interval() == interval) {
                due.push_back(timer);
            }
        }
        for (FakeTimer* timer : due) {
            if (std::find(m_timers.begin(), m_timers.end(), timer) != m_timers.end()) {
                timer->fire();
            }
        }
        if (m_afterEachTick) {
            m_afterEachTick();
        }
    }
}

bool RecordingTimers::timerRunning(std::chrono::milliseconds interval) const {
    return std::any_of(m_timers.begin(), m_timers.end(),
                       [&](const FakeTimer* timer) { return timer->isActive() && timer->interval() == interval; });
}

} // namespace pennoc::test
