#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace pennoc {

// A repeating event on the interface thread; stopped when destroyed.
class PeriodicTimer {
public:
    virtual ~PeriodicTimer() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// The timers of the interface thread.
class Timers {
public:
    virtual ~Timers() = default;

    virtual std::unique_ptr<PeriodicTimer> createTimer(std::chrono::milliseconds interval,
                                                       std::function<void()> onTick) = 0;
};

} // namespace pennoc
