// The reminder clock ticking a list whose actions change it (entries added, removed, rewritten, ticks while
// an action goes on past its runner): no action starts while another runs, an action runs only for the entry
// just completed, an entry due on a tick that nothing else touched is completed with its title and its action
// run once (when the tick stopped for an action, by the time it has gone on to its end), a tick while an
// action runs completes nothing, every tick counts each running countdown down by one second, a time of day
// whose minute came meanwhile is completed by the end of the next tick, a stray actionFinished() changes
// nothing, and the view follows every change.
//
// Input: FuzzedDataProvider's choices of steps, lines and times; the seeds are sessions found by earlier runs.
#include "FuzzText.h"
#include "Property.h"
#include "todo/core/CountDown.h"
#include "todo/core/ReminderClock.h"
#include "todo/core/TodoLine.h"
#include "todo/core/TodoListListener.h"

#include <map>
#include <optional>
#include <set>
#include <vector>

using namespace pennoc;
using namespace pennoc::fuzz;

namespace {

constexpr std::u16string_view kTimes[] = {u"12:00", u"12:01", u"12:02"};
constexpr int kMostSteps = 64;
constexpr int kMostChangesInRunner = 2;

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
        for (int i = first; i <= last; ++i) {
            m_rows[static_cast<std::size_t>(i)] = m_list.line(i);
        }
    }

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
    }

private:
    // An entry the tick in progress must have completed by its end, unless it is rewritten or removed first.
    struct Due {
        std::u16string title;
        int runsBefore = 0;
    };

    std::u16string pickTime() { return std::u16string(m_input.PickValueInArray(kTimes)); }

    std::u16string newLine() {
        const std::u16string title = unitsOf(m_input.ConsumeRandomLengthString(8));
        switch (m_input.ConsumeIntegralInRange(0, 4)) {
        case 0:
            return u"(-00:0" + numberText(m_input.ConsumeIntegralInRange(0, 1)) + u":0" +
                   numberText(m_input.ConsumeIntegralInRange(0, 3)) + u")" + title;
        case 1:
            return u"(+" + pickTime() + u")" + title;
        case 2:
            return std::u16string(kUntimedPrefix) + title;
        case 3:
            return std::u16string(kCompletedPrefix) + title;
        default:
            return unitsOf(m_input.ConsumeRandomLengthString(24));
        }
    }

    int runsOf(TodoList::EntryId id) const {
        const auto found = m_runs.find(id);
        return found == m_runs.end() ? 0 : found->second;
    }

    std::vector<std::u16string> lines() const {
        std::vector<std::u16string> all;
        for (int i = 0; i < m_list.count(); ++i) {
            all.push_back(m_list.line(i));
        }
        return all;
    }

    // What the user does between ticks and while an action runs.
    void change() {
        const int index = m_input.ConsumeIntegralInRange(0, m_list.count());
        switch (m_input.ConsumeIntegralInRange(0, 4)) {
        case 0:
            m_list.append(newLine(), u"0#" + numberText(m_nextAction++));
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
                m_owed.erase(m_list.id(index));
            }
            m_list.rewrite(index, newLine());
        }
    }

    std::optional<int> indexOfAction(const std::u16string& action) const {
        for (int i = 0; i < m_list.count(); ++i) {
            if (m_list.action(i) == action) {
                return i;
            }
        }
        return std::nullopt;
    }

    // As the program's runner: nothing ticks inside it, and an action either ends in it or goes on after it.
    ReminderClock::ActionProgress runAction(const std::u16string& action) {
        requireProperty(!m_inRunner && !m_waiting, "no action starts while another runs");
        requireProperty(m_view.showsList(), "the completed line is shown before its action runs");
        const std::optional<int> index = indexOfAction(action);
        requireProperty(index && hasCompletedPrefix(m_list.line(*index)),
                        "an action runs for an entry that is now completed");
        requireProperty(m_list.id(*index) <= m_lastIdAtTick, "an action runs only for an entry the tick began with");
        ++m_runs[m_list.id(*index)];
        m_inRunner = true;
        const int changes = m_input.ConsumeIntegralInRange(0, kMostChangesInRunner);
        for (int i = 0; i < changes; ++i) {
            change();
        }
        m_inRunner = false;
        m_waiting = m_input.ConsumeBool();
        return m_waiting ? ReminderClock::ActionProgress::StillRunning : ReminderClock::ActionProgress::Finished;
    }

    void startTick() {
        const std::u16string now = pickTime();
        m_due.clear();
        for (const auto& [id, due] : m_owed) {
            if (m_list.indexOf(id)) {
                m_due[id] = due;
            }
        }
        m_owed.clear();
        for (int i = 0; i < m_list.count(); ++i) {
            const std::u16string& line = m_list.line(i);
            const TodoLineKind kind = classifyTodoLine(line);
            if ((kind == TodoLineKind::TimeOfDay && dueTimeOf(line) == now) ||
                (kind == TodoLineKind::Countdown && remainingTimeOf(line) == kCountdownEnd)) {
                m_due.try_emplace(m_list.id(i), Due{std::u16string(titleOf(line)), runsOf(m_list.id(i))});
            }
        }
        m_countdownsAtTick.clear();
        for (int i = 0; i < m_list.count(); ++i) {
            const std::u16string& line = m_list.line(i);
            if (classifyTodoLine(line) == TodoLineKind::Countdown && remainingTimeOf(line) != kCountdownEnd) {
                m_countdownsAtTick.emplace(m_list.id(i), remainingTimeOf(line));
            }
        }
        m_ticksWhileWaiting = 0;
        m_lastIdAtTick = m_list.count() > 0 ? m_list.id(m_list.count() - 1) : 0;
        m_touched.clear();
        m_clock.tick(now);
        if (!m_waiting) {
            checkTickEnded();
        }
    }

    void finishAction() {
        m_waiting = false;
        m_clock.actionFinished();
        if (!m_waiting) {
            checkTickEnded();
        }
    }

    void checkTickEnded() {
        for (const auto& [id, due] : m_due) {
            const std::optional<int> index = m_list.indexOf(id);
            if (!index || m_touched.contains(id)) {
                continue;
            }
            const std::u16string& line = m_list.line(*index);
            requireProperty(classifyTodoLine(line) == TodoLineKind::Completed && titleOf(line) == due.title,
                            "an entry due on a tick is completed with its title by the tick's end");
            requireProperty(runsOf(id) == due.runsBefore + 1, "the action of an entry due on a tick runs once");
        }
        for (const auto& [id, remaining] : m_countdownsAtTick) {
            const std::optional<int> index = m_list.indexOf(id);
            if (!index || m_touched.contains(id) || classifyTodoLine(m_list.line(*index)) != TodoLineKind::Countdown) {
                continue;
            }
            std::u16string expected = remaining;
            for (int i = 0; i <= m_ticksWhileWaiting; ++i) {
                expected = CountDownOneSecond(expected);
            }
            requireProperty(remainingTimeOf(m_list.line(*index)) == expected,
                            "every tick counts a running countdown down by one second, once");
        }
    }

    void tickWhileWaiting() {
        const std::u16string now = pickTime();
        const std::vector<std::u16string> before = lines();
        m_clock.tick(now);
        ++m_ticksWhileWaiting;
        requireProperty(m_list.count() == static_cast<int>(before.size()), "a tick while an action runs adds nothing");
        for (int i = 0; i < m_list.count(); ++i) {
            const std::u16string& was = before[static_cast<std::size_t>(i)];
            const std::u16string& line = m_list.line(i);
            const TodoLineKind kind = classifyTodoLine(was);
            requireProperty(classifyTodoLine(line) == kind, "a tick while an action runs completes nothing");
            if (kind == TodoLineKind::Countdown && remainingTimeOf(was) != kCountdownEnd) {
                requireProperty(remainingTimeOf(line) == CountDownOneSecond(remainingTimeOf(was)),
                                "a tick while an action runs counts every running countdown down");
            } else if (kind == TodoLineKind::TimeOfDay && dueTimeOf(was) == now) {
                m_owed.try_emplace(m_list.id(i), Due{std::u16string(titleOf(was)), runsOf(m_list.id(i))});
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

    FuzzedDataProvider& m_input;
    TodoList m_list;
    MirroringListener m_view{m_list};
    ReminderClock m_clock{m_list, [this](const std::u16string& action) { return runAction(action); }};
    // Inside the runner, and an action going on after its runner returned.
    bool m_inRunner = false;
    bool m_waiting = false;
    int m_nextAction = 0;
    TodoList::EntryId m_lastIdAtTick = 0;
    // The tick in progress: what it must complete, and the entries rewritten by hand since it started.
    std::map<TodoList::EntryId, Due> m_due;
    std::set<TodoList::EntryId> m_touched;
    // The running countdowns when it started, and the ticks that came while it waited for an action.
    std::map<TodoList::EntryId, std::u16string> m_countdownsAtTick;
    int m_ticksWhileWaiting = 0;
    // Time-of-day entries whose minute came while an action ran, untouched since; the next tick completes them.
    std::map<TodoList::EntryId, Due> m_owed;
    std::map<TodoList::EntryId, int> m_runs;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    ClockSession(input).run();
    return 0;
}
