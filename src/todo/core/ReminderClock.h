#pragma once

#include "platform/Clocks.h"
#include "todo/core/CountdownSeconds.h"
#include "todo/core/TodoList.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pennoc {

// The once-a-second heartbeat of the to-do list: counts every running countdown down and completes the
// entries whose time has come, rewriting each as completed before its action runs.
//
// What is due comes from the clocks, never from the number of ticks: a tick may come late by any amount (a
// busy machine, a stopped process, a machine that slept). Countdowns go down by the seconds the boot clock has
// run (see CountdownSeconds), and one that has run out meanwhile completes at once. A time-of-day entry is due
// on the first tick after its minute has begun on the wall clock since the entry was last checked, so a minute
// skipped by a sleep or by a clock set forward still comes, and a clock set back brings back no minute already
// checked. An entry found due later than kLateAfter, for whatever reason (a pop-up open meanwhile included),
// runs the late form of its action (see lateAction).
//
// An action may go on after its runner returns (a pop-up waiting for the user). The tick that started it
// then stops where it is, and actionFinished() makes it go on with the next entry. Ticks that arrive
// meanwhile only count running countdowns down, never below "00:00:00", and complete nothing, so no second
// action starts while one runs and the countdowns do not freeze. A time-of-day entry whose minute comes
// meanwhile is completed by the resumed tick, or by the next one when the stopped tick had already passed it.
class ReminderClock {
public:
    enum class ActionProgress {
        Finished,
        // The runner will call actionFinished() once the action is over, never from inside the runner.
        StillRunning,
    };
    // Called with the stored action to run for each entry the clock completes: the entry's own, or its late
    // form when the entry came late.
    using ActionRunner = std::function<ActionProgress(const std::u16string& action)>;

    // Reads `clocks` from now on; the first tick is counted from this moment.
    ReminderClock(TodoList& list, const Clocks& clocks, ActionRunner runAction);

    // One tick, with the clocks read once for all of it. Walks the entries present when the tick starts, in
    // list order. An entry removed while an action runs is neither completed nor run.
    void tick();
    // The action that runs past its runner has ended; the tick that started it goes on. Ignored when the
    // clock waits for no action.
    void actionFinished();

private:
    struct Reading {
        Clocks::WallTime wall;
        std::chrono::milliseconds boot;
    };
    // What a walk over the entries goes by.
    struct TickTime {
        Reading now;
        // The reading of the tick before the one whose walk this is.
        Reading previous;
        // The seconds the countdowns go down by.
        std::int64_t seconds = 0;
    };
    // An entry completing: how late it came, and when it was due on the wall clock.
    struct Due {
        std::chrono::milliseconds lateBy;
        Clocks::WallTime dueAt;
    };
    // Where a tick stopped for an action that is still running.
    struct StoppedTick {
        TickTime time;
        TodoList::EntryId lastId; // the last entry present when the tick started
        TodoList::EntryId ranId;  // the entry whose action runs
    };

    Reading read() const;
    bool waiting() const { return m_inRunner || m_stoppedTick.has_value(); }
    // Walks the entries from `first` up to the one with `lastId`; stops when an action runs on.
    void walk(int first, const TickTime& time, TodoList::EntryId lastId);
    void tickWhileWaiting(const TickTime& time);
    // Counts a running countdown down, or notes how far a time-of-day entry has been checked. The entry's
    // completion when it is due on this tick.
    std::optional<Due> checkCountdown(int index, const TickTime& time);
    std::optional<Due> checkTimeOfDay(int index, const TickTime& time);
    // How far a time-of-day entry has been checked: up to a wall minute, at a boot clock time.
    struct Checked {
        std::int64_t minute;
        std::chrono::milliseconds boot;
    };
    // How far a time-of-day entry counts as checked, when it has not been yet: up to the minute before the
    // tick before, at that tick.
    Checked checkedSoFar(TodoList::EntryId id, const TickTime& time) const;
    // Takes `seconds` off a running countdown's line.
    void countDown(int index, std::int64_t seconds);
    // The seconds a countdown still has to go before it completes.
    static std::int64_t secondsLeft(std::u16string_view line);
    // Whether a tick that counts `seconds` (at least one) completes the countdown.
    static bool runsOut(std::u16string_view line, std::int64_t seconds);

    TodoList& m_list;
    const Clocks& m_clocks;
    ActionRunner m_runAction;
    bool m_inRunner = false;
    std::optional<StoppedTick> m_stoppedTick;
    Reading m_lastTick;
    CountdownSeconds m_countdownSeconds;
    std::unordered_map<TodoList::EntryId, Checked> m_checked;
    // Countdowns that ran out while an action ran, and when, on the boot clock.
    std::unordered_map<TodoList::EntryId, std::chrono::milliseconds> m_ranOutAt;
};

} // namespace pennoc
