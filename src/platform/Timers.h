#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace pennoc {

// A repeating event on the interface thread; stopped when destroyed.
class PeriodicTimer {
public:
    virtual ~PeriodicTimer() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// The time of day and the timers of the interface thread.
class Timers {
public:
    virtual ~Timers() = default;

    // The current time of day as "hh:mm" on the 24-hour clock.
    virtual std::u16string timeOfDay() const = 0;
    virtual std::unique_ptr<PeriodicTimer> createTimer(std::chrono::milliseconds interval,
                                                       std::function<void()> onTick) = 0;
};

} // namespace pennoc
