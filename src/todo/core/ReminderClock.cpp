#include "todo/core/ReminderClock.h"

#include "todo/core/CountDown.h"
#include "todo/core/TodoLine.h"

#include <utility>

namespace pennoc {

namespace {

// Raised while it lives, also when left by an exception.
class RaisedFlag {
public:
    explicit RaisedFlag(bool& flag)
        : m_flag(flag) {
        m_flag = true;
    }
    ~RaisedFlag() { m_flag = false; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;

private:
    bool& m_flag;
};

bool isRunningCountdown(std::u16string_view line) {
    return classifyTodoLine(line) == TodoLineKind::Countdown && remainingTimeOf(line) != kCountdownEnd;
}

} // namespace

ReminderClock::ReminderClock(TodoList& list, ActionRunner runAction)
    : m_list(list)
    , m_runAction(std::move(runAction)) {}

void ReminderClock::tick(std::u16string now) {
    if (waiting()) {
        tickWhileWaiting(now);
        return;
    }
    if (m_list.count() == 0) {
        return;
    }
    walk(0, now, m_list.id(m_list.count() - 1));
}

void ReminderClock::actionFinished() {
    if (m_inRunner || !m_stoppedTick) {
        return;
    }
    const StoppedTick stopped = std::move(*m_stoppedTick);
    m_stoppedTick.reset();
    // Entries may have come or gone while the action ran.
    walk(m_list.indexAfter(stopped.ranId), stopped.now, stopped.lastId);
}

void ReminderClock::walk(int first, const std::u16string& now, TodoList::EntryId lastId) {
    TodoList::ChangeBatch batch(m_list);
    for (int i = first; i < m_list.count() && m_list.id(i) <= lastId; ++i) {
        if (isRunningCountdown(m_list.line(i))) {
            countDown(i);
            continue;
        }
        std::optional<std::u16string> completed = completedLineIfDue(i, now);
        if (!completed) {
            continue;
        }
        const TodoList::EntryId id = m_list.id(i);
        const std::u16string action = m_list.action(i);
        m_cameWhileWaiting.erase(id);
        m_list.rewrite(i, std::move(*completed));
        // The completed line is shown before the action starts.
        batch.flush();
        ActionProgress progress = ActionProgress::Finished;
        {
            const RaisedFlag inRunner(m_inRunner);
            progress = m_runAction(action);
        }
        if (progress == ActionProgress::StillRunning) {
            m_stoppedTick = StoppedTick{now, lastId, id};
            return;
        }
        // Entries may have come or gone while the action ran.
        i = m_list.indexAfter(id) - 1;
    }
    std::erase_if(m_cameWhileWaiting, [this](TodoList::EntryId id) { return !m_list.indexOf(id); });
}

void ReminderClock::tickWhileWaiting(std::u16string_view now) {
    TodoList::ChangeBatch batch(m_list);
    const int count = m_list.count();
    for (int i = 0; i < count; ++i) {
        const std::u16string& line = m_list.line(i);
        if (isRunningCountdown(line)) {
            countDown(i);
        } else if (classifyTodoLine(line) == TodoLineKind::TimeOfDay && dueTimeOf(line) == now) {
            m_cameWhileWaiting.insert(m_list.id(i));
        }
    }
}

void ReminderClock::countDown(int index) {
    const std::u16string& line = m_list.line(index);
    m_list.rewrite(index, tickedCountdownLine(line, CountDownOneSecond(remainingTimeOf(line))));
}

std::optional<std::u16string> ReminderClock::completedLineIfDue(int index, std::u16string_view now) const {
    const std::u16string& line = m_list.line(index);
    switch (classifyTodoLine(line)) {
    case TodoLineKind::Countdown:
        return completedCountdownLine(line);
    case TodoLineKind::TimeOfDay:
        if (dueTimeOf(line) == now || m_cameWhileWaiting.contains(m_list.id(index))) {
            return completedTimeOfDayLine(line);
        }
        return std::nullopt;
    case TodoLineKind::Untimed:
    case TodoLineKind::Completed:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace pennoc
