#pragma once

#include "todo/TodoList.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace pennoc {

// The once-a-second heartbeat of the to-do list: counts every running countdown down and completes the
// entries whose time has come, rewriting each as completed before its action runs.
//
// The action runner may wait (a modal pop-up) while further ticks arrive and re-enter the clock. Those
// ticks only count running countdowns down, never below "00:00:00", and complete nothing, so no second
// action starts while one is running and the countdowns do not freeze. An entry that falls due meanwhile
// waits: the waiting tick goes on with the entries after the one it ran, and later ticks complete the rest.
class ReminderClock {
public:
    // Called with the action of each entry the clock completes; may wait and may re-enter tick().
    using ActionRunner = std::function<void(const std::u16string& action)>;

    ReminderClock(TodoList& list, ActionRunner runAction);

    // One tick with the time of day `now` ("hh:mm"), taken once by the caller for the whole tick. Walks the
    // entries present when the tick starts, in list order. An entry removed while an action runs is neither
    // completed nor run.
    void tick(std::u16string now);

private:
    void tickWhileWaiting(std::u16string_view now);
    void countDown(int index);
    // The line the entry gets when it completes on this tick, or nothing when it is not due. A countdown
    // asked here has run out.
    std::optional<std::u16string> completedLineIfDue(int index, std::u16string_view now) const;

    TodoList& m_list;
    ActionRunner m_runAction;
    bool m_waiting = false;
    // Time-of-day entries whose minute came while an action was running.
    std::set<TodoList::EntryId> m_cameWhileWaiting;
};

} // namespace pennoc
