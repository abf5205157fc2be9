#include "todo/core/ReminderClock.h"

#include "todo/core/CountDown.h"
#include "todo/core/DueMinutes.h"
#include "todo/core/LateReminder.h"
#include "todo/core/TodoLine.h"

#include <algorithm>
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

} // namespace

ReminderClock::ReminderClock(TodoList& list, const Clocks& clocks, ActionRunner runAction)
    : m_list(list)
    , m_clocks(clocks)
    , m_runAction(std::move(runAction))
    , m_lastTick(read())
    , m_countdownSeconds(m_lastTick.boot) {}

ReminderClock::Reading ReminderClock::read() const {
    return {m_clocks.wallClock(), m_clocks.bootClock()};
}

void ReminderClock::tick() {
    TickTime time{read(), m_lastTick};
    time.seconds = m_countdownSeconds.tick(time.now.boot);
    m_lastTick = time.now;
    if (waiting()) {
        tickWhileWaiting(time);
        return;
    }
    if (m_list.count() == 0) {
        m_checked.clear();
        m_ranOutAt.clear();
        return;
    }
    walk(0, time, m_list.id(m_list.count() - 1));
}

void ReminderClock::actionFinished() {
    if (m_inRunner || !m_stoppedTick) {
        return;
    }
    const StoppedTick stopped = std::move(*m_stoppedTick);
    m_stoppedTick.reset();
    // The countdowns go on by the stopped tick's seconds, as the ticks meanwhile counted their own; the times
    // of day are checked against the wall clock as it is now.
    TickTime time = stopped.time;
    time.now = read();
    // Entries may have come or gone while the action ran.
    walk(m_list.indexAfter(stopped.ranId), time, stopped.lastId);
}

void ReminderClock::walk(int first, const TickTime& time, TodoList::EntryId lastId) {
    TodoList::ChangeBatch batch(m_list);
    for (int i = first; i < m_list.count() && m_list.id(i) <= lastId; ++i) {
        const std::u16string& line = m_list.line(i);
        const TodoLineKind kind = classifyTodoLine(line);
        std::optional<Due> due;
        if (kind == TodoLineKind::Countdown) {
            due = checkCountdown(i, time);
        } else if (kind == TodoLineKind::TimeOfDay) {
            due = checkTimeOfDay(i, time);
        }
        if (!due) {
            continue;
        }
        const TodoList::EntryId id = m_list.id(i);
        const std::u16string action =
            due->lateBy > kLateAfter ? lateAction(m_list.action(i), titleOf(line), due->dueAt) : m_list.action(i);
        m_list.rewrite(i,
                       kind == TodoLineKind::Countdown ? completedCountdownLine(line) : completedTimeOfDayLine(line));
        // The completed line is shown before the action starts.
        batch.flush();
        ActionProgress progress = ActionProgress::Finished;
        {
            const RaisedFlag inRunner(m_inRunner);
            progress = m_runAction(action);
        }
        if (progress == ActionProgress::StillRunning) {
            m_stoppedTick = StoppedTick{time, lastId, id};
            return;
        }
        // Entries may have come or gone while the action ran.
        i = m_list.indexAfter(id) - 1;
    }
    const auto removed = [this](const auto& entry) { return !m_list.indexOf(entry.first); };
    std::erase_if(m_checked, removed);
    std::erase_if(m_ranOutAt, removed);
}

void ReminderClock::tickWhileWaiting(const TickTime& time) {
    TodoList::ChangeBatch batch(m_list);
    const int count = m_list.count();
    for (int i = 0; i < count; ++i) {
        const std::u16string& line = m_list.line(i);
        const TodoLineKind kind = classifyTodoLine(line);
        if (kind == TodoLineKind::Countdown) {
            // The entries the stopped tick has not reached yet are a tick behind until it goes on.
            const TodoList::EntryId id = m_list.id(i);
            const std::int64_t counted =
                time.seconds + (m_stoppedTick && id > m_stoppedTick->ranId && id <= m_stoppedTick->lastId
                                    ? m_stoppedTick->time.seconds
                                    : 0);
            // "00:00:00" shows for a whole second: a tick that counts none does not run it out.
            if (counted > 0 && runsOut(line, counted)) {
                m_ranOutAt.try_emplace(id, time.now.boot - std::chrono::seconds(counted - secondsLeft(line)));
            }
            if (time.seconds > 0 && remainingTimeOf(line) != kCountdownEnd) {
                countDown(i, time.seconds);
            }
        } else if (kind == TodoLineKind::TimeOfDay) {
            // The minutes from here on are checked once the action is over; an entry the stopped tick has not
            // reached yet is as unchecked as it was before that tick.
            const TodoList::EntryId id = m_list.id(i);
            const bool notReached = m_stoppedTick && id <= m_stoppedTick->lastId;
            m_checked.try_emplace(id, checkedSoFar(id, notReached ? m_stoppedTick->time : time));
        }
    }
}

void ReminderClock::countDown(int index, std::int64_t seconds) {
    const std::u16string& line = m_list.line(index);
    const RemainingText remaining = countedDownText(remainingTimeOf(line), seconds);
    const std::u16string_view remainingView(remaining.data(), remaining.size());
    // Thousands of countdowns go down each second: a line the clock wrote before keeps its storage.
    if (hasTickedCountdownForm(line)) {
        m_list.overwrite(index, kRemainingTimePosition, remainingView);
    } else {
        m_list.rewrite(index, tickedCountdownLine(line, remainingView));
    }
}

std::int64_t ReminderClock::secondsLeft(std::u16string_view line) {
    const std::u16string_view remaining = remainingTimeOf(line);
    // A countdown shows "00:00:00" for a second before it completes.
    return remaining == kCountdownEnd ? 0 : secondsToZero(remaining) + 1;
}

bool ReminderClock::runsOut(std::u16string_view line, std::int64_t seconds) {
    // Only a countdown that shows "00:00:00" has a second or less to go, so the usual tick needs no sum.
    return seconds == 1 ? remainingTimeOf(line) == kCountdownEnd : seconds >= secondsLeft(line);
}

std::optional<ReminderClock::Due> ReminderClock::checkCountdown(int index, const TickTime& time) {
    const std::u16string& line = m_list.line(index);
    const auto ranOut = m_ranOutAt.empty() ? m_ranOutAt.end() : m_ranOutAt.find(m_list.id(index));
    // A tick that counts no second, coming right after another, completes only what ran out while an action ran.
    if (ranOut == m_ranOutAt.end() && (time.seconds == 0 || !runsOut(line, time.seconds))) {
        if (time.seconds > 0) {
            countDown(index, time.seconds);
        }
        return std::nullopt;
    }
    std::chrono::milliseconds lateBy = std::chrono::seconds(time.seconds - secondsLeft(line));
    if (ranOut != m_ranOutAt.end()) {
        lateBy = time.now.boot - ranOut->second;
        m_ranOutAt.erase(ranOut);
    }
    return Due{lateBy, time.now.wall - lateBy};
}

std::optional<ReminderClock::Due> ReminderClock::checkTimeOfDay(int index, const TickTime& time) {
    const std::optional<int> minute = minuteOfDay(dueTimeOf(m_list.line(index)));
    if (!minute) {
        return std::nullopt;
    }
    const TodoList::EntryId id = m_list.id(index);
    const Checked checked = checkedSoFar(id, time);
    const std::int64_t now = wallMinuteOf(time.now.wall);
    const std::optional<std::int64_t> dueMinute = latestMinuteAt(*minute, checked.minute + 1, now);
    if (!dueMinute) {
        // A clock set back leaves the mark where it was, so the minutes it repeats are not checked again.
        m_checked[id] = Checked{std::max(checked.minute, now), time.now.boot};
        return std::nullopt;
    }
    m_checked.erase(id);
    const Clocks::WallTime dueAt{std::chrono::minutes(*dueMinute)};
    // The minute began after the last check; a wall clock set forward since then is no time the entry waited.
    const std::chrono::milliseconds lateBy = std::min(time.now.wall - dueAt, time.now.boot - checked.boot);
    return Due{lateBy, dueAt};
}

ReminderClock::Checked ReminderClock::checkedSoFar(TodoList::EntryId id, const TickTime& time) const {
    if (const auto checked = m_checked.find(id); checked != m_checked.end()) {
        return checked->second;
    }
    // An entry added since the tick before may be set for the minute that tick was in.
    return {std::min(wallMinuteOf(time.previous.wall), wallMinuteOf(time.now.wall)) - 1, time.previous.boot};
}

} // namespace pennoc
