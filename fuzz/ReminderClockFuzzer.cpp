// The reminder clock ticking a list whose actions change it (entries added, removed, rewritten, ticks while
// an action goes on past its runner) on clocks that wobble, jump ahead (a stall, a stopped process, a sleep)
// and are set back and forward: no action starts while another runs, an action runs only for the entry just
// completed, each entry completes and runs its action once (unless rewritten by hand), a tick a second after
// the last counts every running countdown down by one second, countdowns keep to the time the boot clock says
// and complete within two seconds of it when nothing holds the tick, a shut-down or sleep never runs more than
// a minute late, a stray actionFinished() changes nothing, and the view follows every change. In the end, with
// time gone by, every timed entry untouched by hand has completed.
//
// Input: FuzzedDataProvider's choices of steps, lines and clock moves; the seeds are sessions found by earlier
// runs.
#include "FuzzText.h"
#include "Property.h"
#include "support/FakeClocks.h"
#include "todo/core/CountDown.h"
#include "todo/core/DueMinutes.h"
#include "todo/core/LateReminder.h"
#include "todo/core/ReminderClock.h"
#include "todo/core/TaskAction.h"
#include "todo/core/TodoLine.h"
#include "todo/core/TodoListListener.h"

#include <map>
#include <optional>
#include <set>
#include <vector>

using namespace pennoc;
using namespace pennoc::fuzz;

namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

constexpr int kMostSteps = 64;
constexpr int kMostChangesInRunner = 2;
// How far a countdown may stand from its deadline on the boot clock: ticks are counted in whole seconds.
constexpr milliseconds kCountingSlack = 2s;

std::u16string numberText(int number) {
    const std::string digits = std::to_string(number);
    return {digits.begin(), digits.end()};
}

// Knows the list only through the listener's calls, as the list view does, and checks each call against it.
class MirroringListener : public TodoListListener {
public:
    explicit MirroringListener(const TodoList& list)
        : m_list(list) {}

    void rowsAboutToBeInserted(int first, int last) override {
        requireProperty(first == rowCount() && last == first && m_list.count() == rowCount(),
                        "an entry is announced at the end before it is appended");
        m_inserting = true;
    }

    void rowsInserted() override {
        requireProperty(m_inserting && m_list.count() == rowCount() + 1, "an announced entry is appended");
        m_inserting = false;
        m_rows.push_back(m_list.line(m_list.count() - 1));
    }

    void rowsAboutToBeRemoved(int first, int last) override {
        requireProperty(0 <= first && first <= last && last < rowCount() && m_list.count() == rowCount(),
                        "rows are announced for removal while the list still holds them");
        m_removing = {first, last};
    }

    void rowsRemoved() override {
        requireProperty(m_removing.has_value(), "only announced rows are removed");
        m_rows.erase(m_rows.begin() + m_removing->first, m_rows.begin() + m_removing->second + 1);
        m_removing.reset();
        requireProperty(m_list.count() == rowCount(), "the announced rows are the ones removed");
    }

    void rowsChanged(int first, int last) override {
        requireProperty(0 <= first && first <= last && last < rowCount() && m_list.count() == rowCount(),
                        "rewritten rows are rows of the list");
        m_completedByLastChange.clear();
        for (int i = first; i <= last; ++i) {
            if (hasCompletedPrefix(m_list.line(i))) {
                m_completedByLastChange.push_back(i);
            }
            m_rows[static_cast<std::size_t>(i)] = m_list.line(i);
        }
    }

    // The rows the last change shown left completed.
    const std::vector<int>& completedByLastChange() const { return m_completedByLastChange; }

    bool showsList() const {
        if (m_list.count() != rowCount()) {
            return false;
        }
        for (int i = 0; i < rowCount(); ++i) {
            if (m_rows[static_cast<std::size_t>(i)] != m_list.line(i)) {
                return false;
            }
        }
        return true;
    }

private:
    int rowCount() const { return static_cast<int>(m_rows.size()); }

    const TodoList& m_list;
    std::vector<std::u16string> m_rows;
    bool m_inserting = false;
    std::optional<std::pair<int, int>> m_removing;
    std::vector<int> m_completedByLastChange;
};

class ClockSession {
public:
    explicit ClockSession(FuzzedDataProvider& input)
        : m_input(input) {
        m_list.setListener(&m_view);
    }

    void run() {
        for (int step = 0; step < kMostSteps && m_input.remaining_bytes() > 0; ++step) {
            switch (m_input.ConsumeIntegralInRange(0, 3)) {
            case 0:
                m_waiting ? tickWhileWaiting() : startTick();
                break;
            case 1:
                m_waiting ? finishAction() : strayFinish();
                break;
            default:
                change();
            }
            requireProperty(m_view.showsList(), "the view shows the list after every change and tick");
        }
        finishInTime();
    }

private:
    // A countdown untouched by hand: when it must show "00:00:00" on the boot clock.
    struct Deadline {
        milliseconds zeroAt;
    };

    milliseconds boot() const { return m_clocks.bootClock(); }
    std::int64_t wallMinute() const { return wallMinuteOf(m_clocks.wallClock()); }

    std::u16string newLine() {
        const std::u16string title = unitsOf(m_input.ConsumeRandomLengthString(8));
        switch (m_input.ConsumeIntegralInRange(0, 4)) {
        case 0:
            return u"(-00:0" + numberText(m_input.ConsumeIntegralInRange(0, 1)) + u":0" +
                   numberText(m_input.ConsumeIntegralInRange(0, 3)) + u")" + title;
        case 1: {
            // Near the wall clock's minute, so that ticks and jumps cross it.
            const std::int64_t minute = wallMinute() + m_input.ConsumeIntegralInRange(-3, 5);
            const std::int64_t ofDay = ((minute % 1440) + 1440) % 1440;
            return u"(+" + twoDigits(ofDay / 60) + u":" + twoDigits(ofDay % 60) + u")" + title;
        }
        case 2:
            return std::u16string(kUntimedPrefix) + title;
        case 3:
            return std::u16string(kCompletedPrefix) + title;
        default:
            return unitsOf(m_input.ConsumeRandomLengthString(24));
        }
    }

    static std::u16string twoDigits(std::int64_t value) {
        return std::u16string(1, static_cast<char16_t>(u'0' + value / 10)) + static_cast<char16_t>(u'0' + value % 10);
    }

    // What the user does between ticks and while an action runs.
    void change() {
        const int index = m_input.ConsumeIntegralInRange(0, m_list.count());
        switch (m_input.ConsumeIntegralInRange(0, 4)) {
        case 0:
            // Half the reminders shut the machine down.
            m_list.append(newLine(), (m_input.ConsumeBool() ? u"2#" : u"0#") + numberText(m_nextAction++));
            break;
        case 1:
            m_list.removeAt(index);
            break;
        case 2:
            m_list.removeCompleted();
            break;
        case 3:
            if (m_input.ConsumeIntegralInRange(0, 7) == 0) {
                m_list.clear();
            }
            break;
        default:
            if (index < m_list.count()) {
                m_touched.insert(m_list.id(index));
            }
            m_list.rewrite(index, newLine());
        }
    }

    // How late a countdown completing now comes, as its deadline says.
    std::optional<milliseconds> countdownLateness(TodoList::EntryId id) const {
        const auto deadline = m_deadlines.find(id);
        if (deadline == m_deadlines.end()) {
            return std::nullopt;
        }
        // It shows "00:00:00" for a second before it completes.
        return boot() - deadline->second.zeroAt - 1s;
    }

    // How long ago on the wall clock a time of day's minute last began.
    std::optional<milliseconds> sinceMinuteBegan(TodoList::EntryId id) const {
        const auto timeOfDay = m_timesOfDay.find(id);
        if (timeOfDay == m_timesOfDay.end()) {
            return std::nullopt;
        }
        const std::int64_t began = *latestMinuteAt(timeOfDay->second, wallMinute() - 1440, wallMinute());
        return m_clocks.wallClock() - Clocks::WallTime(std::chrono::minutes(began));
    }

    // A reminder runs its late form exactly when it comes more than a minute late. A time of day may have been
    // checked last before the tick before; its minute may have come by a clock set forward.
    void checkLateness(TodoList::EntryId id, bool runsLate) const {
        if (m_touched.contains(id)) {
            return;
        }
        if (const std::optional<milliseconds> lateness = countdownLateness(id)) {
            requireProperty(runsLate || *lateness <= kLateAfter + kCountingSlack,
                            "no reminder runs as it is, shut-downs and sleeps included, more than a minute late");
            requireProperty(!runsLate || *lateness > kLateAfter - kCountingSlack, "a reminder on time runs as it is");
        }
        if (const std::optional<milliseconds> sinceBegan = sinceMinuteBegan(id)) {
            requireProperty(runsLate || std::min(*sinceBegan, boot() - m_lastTickBoot) <= kLateAfter,
                            "no reminder runs as it is, shut-downs and sleeps included, more than a minute late");
            requireProperty(!runsLate || *sinceBegan > kLateAfter, "a reminder on time runs as it is");
        }
    }

    // Of the entries the last change shown completed, the one whose action this is, as it is or its late form.
    // Two late pop-ups can read alike; the one whose action has not run yet is the one running now.
    std::optional<int> completedEntryRunning(const std::u16string& action) const {
        std::optional<int> found;
        for (const int index : m_view.completedByLastChange()) {
            const TaskAction stored = TaskAction::read(m_list.action(index));
            const std::u16string shown =
                stored.isPowerAction() ? std::u16string(titleOf(m_list.line(index))) : stored.payload;
            const TaskAction ran = TaskAction::read(action);
            if (action == m_list.action(index) ||
                (ran.type == TaskAction::Type::Popup && ran.payload.starts_with(shown + u"\n"))) {
                const TodoList::EntryId id = m_list.id(index);
                if (!m_touched.contains(id) && !m_runs.contains(id)) {
                    return index;
                }
                found = found ? found : index;
            }
        }
        return found;
    }

    // As the program's runner: nothing ticks inside it, and an action either ends in it or goes on after it.
    ReminderClock::ActionProgress runAction(const std::u16string& action) {
        requireProperty(!m_inRunner && !m_waiting, "no action starts while another runs");
        requireProperty(m_view.showsList(), "the completed line is shown before its action runs");
        const std::optional<int> index = completedEntryRunning(action);
        requireProperty(index.has_value(),
                        "an action runs for an entry just completed: its own, or a pop-up that shows what it was");
        const TodoList::EntryId id = m_list.id(*index);
        requireProperty(id <= m_lastIdAtTick, "an action runs only for an entry the tick began with");
        const std::u16string& stored = m_list.action(*index);
        checkLateness(id, action != stored);
        requireProperty(m_touched.contains(id) || ++m_runs[id] == 1, "an entry's action runs once");
        m_inRunner = true;
        const int changes = m_input.ConsumeIntegralInRange(0, kMostChangesInRunner);
        for (int i = 0; i < changes; ++i) {
            change();
        }
        m_inRunner = false;
        m_waiting = m_input.ConsumeBool();
        return m_waiting ? ReminderClock::ActionProgress::StillRunning : ReminderClock::ActionProgress::Finished;
    }

    // Time goes by before a tick: mostly a second, or a wobble, a stall or a sleep, or the wall clock is set.
    // True when the tick comes a second after the last.
    bool moveClocks() {
        switch (m_input.ConsumeIntegralInRange(0, 7)) {
        case 0:
            m_clocks.pass(milliseconds(m_input.ConsumeIntegralInRange(0, 1999)));
            return false;
        case 1:
            m_clocks.pass(std::chrono::seconds(m_input.ConsumeIntegralInRange(2, 3 * 3600)));
            return false;
        case 2:
            m_clocks.setWallClock(m_clocks.wallClock() + std::chrono::minutes(m_input.ConsumeIntegralInRange(-90, 90)));
            m_clocks.pass(1s);
            return true;
        default:
            m_clocks.pass(1s);
            return true;
        }
    }

    // Notes the countdowns and times of day the clock has not seen yet; it counts them from the tick before.
    void noteNewEntries() {
        for (int i = 0; i < m_list.count(); ++i) {
            const TodoList::EntryId id = m_list.id(i);
            const std::u16string& line = m_list.line(i);
            if (m_touched.contains(id) || m_seen.contains(id)) {
                continue;
            }
            m_seen.insert(id);
            if (classifyTodoLine(line) == TodoLineKind::Countdown) {
                m_deadlines[id] = Deadline{m_lastTickBoot + std::chrono::seconds(secondsToZero(remainingTimeOf(line)))};
            } else if (const std::optional<int> minute = minuteOfDay(dueTimeOf(line));
                       minute && classifyTodoLine(line) == TodoLineKind::TimeOfDay) {
                m_timesOfDay[id] = *minute;
            }
        }
    }

    void startTick() {
        noteNewEntries();
        tick(moveClocks());
    }

    // A tick that is not waiting for an action, after the clocks moved.
    void tick(bool aSecondLater) {
        m_oneSecondTick = aSecondLater;
        m_lastIdAtTick = m_list.count() > 0 ? m_list.id(m_list.count() - 1) : 0;
        m_countdownsAtTick.clear();
        for (int i = 0; i < m_list.count(); ++i) {
            if (isRunningCountdown(m_list.line(i))) {
                m_countdownsAtTick.emplace(m_list.id(i), remainingTimeOf(m_list.line(i)));
            }
        }
        m_ticksWhileWaiting = 0;
        m_clock.tick();
        m_lastTickBoot = boot();
        m_latestWall = std::max(m_latestWall, m_clocks.wallClock());
        if (!m_waiting) {
            checkTickEnded();
        }
    }

    static bool isRunningCountdown(std::u16string_view line) {
        return classifyTodoLine(line) == TodoLineKind::Countdown && remainingTimeOf(line) != kCountdownEnd;
    }

    void finishAction() {
        m_waiting = false;
        m_clock.actionFinished();
        if (!m_waiting) {
            checkTickEnded();
        }
    }

    void checkTickEnded() {
        const bool heldByAnAction = m_ticksWhileWaiting > 0;
        for (const auto& [id, deadline] : m_deadlines) {
            const std::optional<int> index = m_list.indexOf(id);
            if (!index || m_touched.contains(id)) {
                continue;
            }
            const std::u16string& line = m_list.line(*index);
            const milliseconds left = deadline.zeroAt - boot();
            if (classifyTodoLine(line) == TodoLineKind::Completed) {
                requireProperty(left <= kCountingSlack - 1s, "a countdown does not complete early");
                continue;
            }
            const milliseconds shown = std::chrono::seconds(secondsToZero(remainingTimeOf(line)));
            requireProperty(heldByAnAction || left >= -1s - kCountingSlack, "a countdown does not complete late");
            requireProperty(shown <= std::max(left, 0ms) + kCountingSlack &&
                                (heldByAnAction || shown >= left - kCountingSlack),
                            "a countdown shows the time its deadline leaves");
        }
        if (!m_oneSecondTick || heldByAnAction) {
            return;
        }
        for (const auto& [id, remaining] : m_countdownsAtTick) {
            const std::optional<int> index = m_list.indexOf(id);
            if (!index || m_touched.contains(id) || classifyTodoLine(m_list.line(*index)) != TodoLineKind::Countdown) {
                continue;
            }
            requireProperty(remainingTimeOf(m_list.line(*index)) == CountDownOneSecond(remaining),
                            "a tick a second after the last counts a running countdown down by one second");
        }
    }

    void tickWhileWaiting() {
        noteNewEntries();
        moveClocks();
        const std::vector<std::u16string> before = lines();
        m_clock.tick();
        m_lastTickBoot = boot();
        m_latestWall = std::max(m_latestWall, m_clocks.wallClock());
        ++m_ticksWhileWaiting;
        requireProperty(m_list.count() == static_cast<int>(before.size()), "a tick while an action runs adds nothing");
        for (int i = 0; i < m_list.count(); ++i) {
            const std::u16string& was = before[static_cast<std::size_t>(i)];
            const std::u16string& line = m_list.line(i);
            requireProperty(classifyTodoLine(line) == classifyTodoLine(was),
                            "a tick while an action runs completes nothing");
            if (isRunningCountdown(was)) {
                requireProperty(secondsToZero(remainingTimeOf(line)) <= secondsToZero(remainingTimeOf(was)),
                                "a tick while an action runs counts running countdowns down");
            }
        }
        requireProperty(m_view.showsList(), "the view shows the list after a tick while an action runs");
    }

    void strayFinish() {
        const std::vector<std::u16string> before = lines();
        const std::map<TodoList::EntryId, int> runsBefore = m_runs;
        m_clock.actionFinished();
        requireProperty(lines() == before && m_runs == runsBefore,
                        "actionFinished() without a waiting action is ignored");
    }

    // A day and a few hours go by, ticking, every action ending at once: every timed entry untouched by hand
    // has completed.
    void finishInTime() {
        while (m_waiting) {
            finishAction();
        }
        noteNewEntries();
        for (const milliseconds gap : {milliseconds(27h), milliseconds(1s), milliseconds(1s)}) {
            m_clocks.pass(gap);
            // Past every minute a clock set back made the entries wait for again.
            m_clocks.setWallClock(std::max(m_clocks.wallClock(), m_latestWall + 25h));
            tick(gap == 1s);
            while (m_waiting) {
                finishAction();
            }
        }
        for (int i = 0; i < m_list.count(); ++i) {
            const TodoList::EntryId id = m_list.id(i);
            if (!m_touched.contains(id) && (m_deadlines.contains(id) || m_timesOfDay.contains(id))) {
                requireProperty(hasCompletedPrefix(m_list.line(i)) && m_runs[id] == 1,
                                "every timed entry completes and runs its action once");
            }
        }
    }

    std::vector<std::u16string> lines() const {
        std::vector<std::u16string> all;
        for (int i = 0; i < m_list.count(); ++i) {
            all.push_back(m_list.line(i));
        }
        return all;
    }

    FuzzedDataProvider& m_input;
    test::FakeClocks m_clocks;
    TodoList m_list;
    MirroringListener m_view{m_list};
    ReminderClock m_clock{m_list, m_clocks, [this](const std::u16string& action) { return runAction(action); }};
    // Inside the runner, and an action going on after its runner returned.
    bool m_inRunner = false;
    bool m_waiting = false;
    int m_nextAction = 0;
    TodoList::EntryId m_lastIdAtTick = 0;
    milliseconds m_lastTickBoot = m_clocks.bootClock();
    Clocks::WallTime m_latestWall = m_clocks.wallClock();
    // The tick in progress: whether it came a second after the last, the running countdowns when it started,
    // and the ticks that came while it waited for an action.
    bool m_oneSecondTick = false;
    std::map<TodoList::EntryId, std::u16string> m_countdownsAtTick;
    int m_ticksWhileWaiting = 0;
    // Entries the clock has seen, and of those the countdowns and times of day; entries rewritten by hand.
    std::set<TodoList::EntryId> m_seen;
    std::map<TodoList::EntryId, Deadline> m_deadlines;
    std::map<TodoList::EntryId, int> m_timesOfDay;
    std::set<TodoList::EntryId> m_touched;
    std::map<TodoList::EntryId, int> m_runs;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    ClockSession(input).run();
    return 0;
}
