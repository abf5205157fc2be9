#pragma once

#include "todo/core/TodoList.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace pennoc {

// The once-a-second heartbeat of the to-do list: counts every running countdown down and completes the
// entries whose time has come, rewriting each as completed before its action runs.
//
// An action may go on after its runner returns (a pop-up waiting for the user). The tick that started it
// then stops where it is, and actionFinished() makes it go on with the next entry and its own time of day.
// Ticks that arrive meanwhile only count running countdowns down, never below "00:00:00", and complete
// nothing, so no second action starts while one runs and the countdowns do not freeze. A time-of-day entry
// whose minute comes meanwhile is completed by the resumed tick, or by the next one when the stopped tick
// had already passed it.
class ReminderClock {
public:
    enum class ActionProgress {
        Finished,
        // The runner will call actionFinished() once the action is over, never from inside the runner.
        StillRunning,
    };
    // Called with the action of each entry the clock completes.
    using ActionRunner = std::function<ActionProgress(const std::u16string& action)>;

    ReminderClock(TodoList& list, ActionRunner runAction);

    // One tick with the time of day `now` ("hh:mm"), taken once by the caller for the whole tick. Walks the
    // entries present when the tick starts, in list order. An entry removed while an action runs is neither
    // completed nor run.
    void tick(std::u16string now);
    // The action that runs past its runner has ended; the tick that started it goes on. Ignored when the
    // clock waits for no action.
    void actionFinished();

private:
    // Where a tick stopped for an action that is still running.
    struct StoppedTick {
        std::u16string now;
        TodoList::EntryId lastId; // the last entry present when the tick started
        TodoList::EntryId ranId;  // the entry whose action runs
    };

    bool waiting() const { return m_inRunner || m_stoppedTick.has_value(); }
    // Walks the entries from `first` up to the one with `lastId`; stops when an action runs on.
    void walk(int first, const std::u16string& now, TodoList::EntryId lastId);
    void tickWhileWaiting(std::u16string_view now);
    void countDown(int index);
    // The line the entry gets when it completes on this tick, or nothing when it is not due. A countdown
    // asked here has run out.
    std::optional<std::u16string> completedLineIfDue(int index, std::u16string_view now) const;

    TodoList& m_list;
    ActionRunner m_runAction;
    bool m_inRunner = false;
    std::optional<StoppedTick> m_stoppedTick;
    // Time-of-day entries whose minute came while an action was running.
    std::set<TodoList::EntryId> m_cameWhileWaiting;
};

} // namespace pennoc
