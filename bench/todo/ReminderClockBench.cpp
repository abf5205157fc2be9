#include "support/FakeClocks.h"
#include "todo/core/ReminderClock.h"
#include "todo/core/TodoList.h"

#include <benchmark/benchmark.h>

namespace pennoc {
namespace {

// One tick over a list of running countdowns long enough never to run out while measured.
void BM_TickRunningCountdowns(benchmark::State& state) {
    TodoList list;
    for (int64_t i = 0; i < state.range(0); ++i) {
        list.append(u"(-99:59:59)体温测量时间到了！", u"0体温测量时间到了");
    }
    test::FakeClocks clocks;
    ReminderClock clock(list, clocks, [](const std::u16string&) { return ReminderClock::ActionProgress::Finished; });
    for (auto _ : state) {
        clocks.pass(std::chrono::seconds(1));
        clock.tick();
    }
    benchmark::DoNotOptimize(list.line(0));
}
BENCHMARK(BM_TickRunningCountdowns)->Arg(10'000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pennoc
