#include "support/FakeClocks.h"
#include "todo/TodoListModel.h"
#include "todo/core/ReminderClock.h"
#include "todo/core/TodoList.h"

#include <QApplication>
#include <QListView>
#include <benchmark/benchmark.h>

namespace pennoc {
namespace {

// One tick as the user sees it: the clock, the model's change reports, and the visible list repainting the
// rows that changed.
void BM_TickWithVisibleList(benchmark::State& state) {
    TodoList list;
    for (int64_t i = 0; i < state.range(0); ++i) {
        list.append(u"(-99:59:59)体温测量时间到了！", u"0体温测量时间到了");
    }
    TodoListModel model(list);
    QListView view;
    view.setUniformItemSizes(true);
    view.setModel(&model);
    view.resize(400, 240);
    view.show();
    QApplication::processEvents();
    test::FakeClocks clocks;
    ReminderClock clock(list, clocks, [](const std::u16string&) { return ReminderClock::ActionProgress::Finished; });
    for (auto _ : state) {
        clocks.pass(std::chrono::seconds(1));
        clock.tick();
        view.repaint();
    }
}
BENCHMARK(BM_TickWithVisibleList)->Arg(10'000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pennoc

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
