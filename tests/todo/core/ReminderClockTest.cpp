#include "todo/core/ReminderClock.h"

#include "support/FakeClocks.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace pennoc {
namespace {

using namespace std::chrono_literals;
using test::FakeClocks;

class ReminderClockTest : public ::testing::Test {
protected:
    void add(std::u16string line, std::u16string action) { list.append(std::move(line), std::move(action)); }

    // Ticks a second apart.
    void tick(int times = 1) {
        for (int i = 0; i < times; ++i) {
            clocks.pass(1s);
            clock.tick();
        }
    }

    std::vector<std::u16string> lines() const {
        std::vector<std::u16string> all;
        for (int i = 0; i < list.count(); ++i) {
            all.push_back(list.line(i));
        }
        return all;
    }

    TodoList list;
    FakeClocks clocks;
    std::vector<std::u16string> ran;
    // The list as each action found it when it started.
    std::vector<std::vector<std::u16string>> seen;
    // What each action reports: a pop-up stays open after its runner has returned.
    ReminderClock::ActionProgress progress = ReminderClock::ActionProgress::Finished;
    bool failing = false;
    ReminderClock clock{list, clocks, [this](const std::u16string& action) {
                            ran.push_back(action);
                            seen.push_back(lines());
                            if (failing) {
                                throw std::runtime_error("no pop-up");
                            }
                            return progress;
                        }};
};

TEST_F(ReminderClockTest, CountdownShowsZeroForOneTickThenCompletesBeforeItsActionRuns) {
    tick();
    add(u"(-00:01:00)喝水", u"0喝水");
    tick(60);
    EXPECT_EQ(list.line(0), u"(-00:00:00)喝水");
    EXPECT_TRUE(ran.empty());
    tick();
    EXPECT_EQ(ran, std::vector<std::u16string>{u"0喝水"});
    EXPECT_EQ(seen[0][0], u"(已经完成项目)喝水");
    tick(5);
    EXPECT_EQ(ran.size(), 1u);
    EXPECT_EQ(list.line(0), u"(已经完成项目)喝水");
}

TEST_F(ReminderClockTest, ACountdownNotInTheFormTheClockWritesTakesItOnItsFirstTick) {
    add(u"(*00:00:03)x", u"0x");
    add(u"(-00:00:03", u"0y");
    tick();
    EXPECT_EQ(lines(), (std::vector<std::u16string>{u"(-00:00:02)x", u"(-00:00:02)"}));
}

TEST_F(ReminderClockTest, WobblingTicksCountOneSecondEachAndLateOnesCountTheTimeGoneBy) {
    add(u"(-01:00:00)a", u"0a");
    const std::chrono::milliseconds gaps[] = {1000ms, 950ms, 1400ms, 600ms, 1050ms, 1000ms};
    for (const std::chrono::milliseconds gap : gaps) {
        clocks.pass(gap);
        clock.tick();
    }
    EXPECT_EQ(list.line(0), u"(-00:59:54)a");
    // A busy machine holds the tick five seconds; two ticks come at once after it.
    clocks.pass(5s);
    clock.tick();
    clock.tick();
    EXPECT_EQ(list.line(0), u"(-00:59:49)a");
    tick(2);
    EXPECT_EQ(list.line(0), u"(-00:59:47)a");
}

// The boot clock runs on while the machine sleeps (the monotonic clock Qt's timer follows does not): a
// countdown keeps its wall time, and one that ran out meanwhile completes at the first tick, saying it is late.
TEST_F(ReminderClockTest, CountdownsKeepTheirTimeAcrossASleep) {
    add(u"(-00:30:00)tea", u"0tea");
    add(u"(-00:00:00)now", u"0now");
    add(u"(-00:01:00)stretch", u"0stretch");
    add(u"(-00:00:30)off", u"2shutdown -s -t 0");
    tick(10);
    clocks.pass(20min);
    tick();
    EXPECT_EQ(lines(), (std::vector<std::u16string>{u"(-00:09:49)tea", u"(已经完成项目)now", u"(已经完成项目)stretch",
                                                    u"(已经完成项目)off"}));
    EXPECT_EQ(ran, (std::vector<std::u16string>{u"0now", u"0stretch\n这条提醒来晚了，本应在 12:01 到时。",
                                                u"0off\n关机或睡眠没有执行：这条提醒来晚了，本应在 12:00 到时。"}));
    while (ran.size() < 4) {
        tick();
    }
    EXPECT_EQ(clocks.wallClock(), FakeClocks::at(12, 30, 1));
    EXPECT_EQ(ran.back(), u"0tea");
}

TEST_F(ReminderClockTest, TimeOfDayFiresOnTheFirstTickOfItsMinuteOrAfterASleepThatSkippedIt) {
    clocks.setWallClock(FakeClocks::at(23, 59, 58));
    add(u"(+00:00)midnight", u"3/music.mid");
    add(u"(+00:03)late", u"0late");
    add(u"(+00:06)off", u"2shutdown -s -t 0");
    add(u"(+24:00)never", u"0never");
    tick();
    EXPECT_TRUE(ran.empty());
    tick();
    EXPECT_EQ(ran, std::vector<std::u16string>{u"3/music.mid"});
    // Asleep for four minutes from midnight, then awake for a second, then asleep until 48 s after "off".
    clocks.pass(4min);
    tick();
    clocks.pass(166s);
    tick();
    EXPECT_EQ(ran, (std::vector<std::u16string>{u"3/music.mid", u"0late\n这条提醒来晚了，本应在 00:03 到时。",
                                                u"2shutdown -s -t 0"}));
    tick(24 * 3600);
    EXPECT_EQ(ran.size(), 3u);
    EXPECT_EQ(list.line(3), u"(+24:00)never");
}

TEST_F(ReminderClockTest, AClockSetBackFiresNoMinuteItRepeatsAndOneSetForwardIsNoLateness) {
    add(u"(+12:30)call", u"0call");
    tick(30 * 60);
    ASSERT_EQ(ran, std::vector<std::u16string>{u"0call"});
    tick(10 * 60);
    // Set at 12:40 for tomorrow's lunch.
    add(u"(+12:10)lunch", u"0lunch");
    tick(5 * 60);
    clocks.setWallClock(FakeClocks::at(11, 45));
    tick(5 * 60);
    add(u"(+11:52)tea", u"0tea");
    tick(60 * 60);
    EXPECT_EQ(ran, (std::vector<std::u16string>{u"0call", u"0tea"}));
    // The clock is put right by an hour and a half: 13:00 is skipped but on time, so the machine goes off.
    add(u"(+13:00)off", u"2shutdown -s -t 0");
    clocks.setWallClock(FakeClocks::at(14, 15));
    tick();
    EXPECT_EQ(ran.back(), u"2shutdown -s -t 0");
    tick(22 * 3600);
    EXPECT_EQ(ran.back(), u"0lunch");
    EXPECT_EQ(ran.size(), 4u);
}

TEST_F(ReminderClockTest, SkipsUntimedAndCompletedEntriesBetweenRunningOnes) {
    add(u"(-01:00:00)a", u"0a");
    add(u"(没有设定时间)b", u"0b");
    add(u"(已经完成项目)c", u"0c");
    add(u"(-00:00:01)d", u"0d");
    add(u"(+12:01)e", u"0e");
    tick();
    EXPECT_EQ(lines(), (std::vector<std::u16string>{u"(-00:59:59)a", u"(没有设定时间)b", u"(已经完成项目)c",
                                                    u"(-00:00:00)d", u"(+12:01)e"}));
    EXPECT_TRUE(ran.empty());
}

TEST_F(ReminderClockTest, EntriesDueTogetherRunOneAfterAnotherWhileCountdownsGoOn) {
    add(u"(-00:00:01)D", u"0D");
    add(u"(-00:00:00)A", u"0A");
    add(u"(-00:00:00)B", u"0B");
    add(u"(-00:00:05)C", u"0C");
    progress = ReminderClock::ActionProgress::StillRunning;
    tick();
    tick(3);
    ASSERT_EQ(ran, std::vector<std::u16string>{u"0A"});
    clock.actionFinished();
    ASSERT_EQ(ran, (std::vector<std::u16string>{u"0A", u"0B"}));
    EXPECT_EQ(seen[0][2], u"(-00:00:00)B");
    // The ticks during the first pop-up counted C down, but took nothing below zero.
    EXPECT_EQ(seen[1],
              (std::vector<std::u16string>{u"(-00:00:00)D", u"(已经完成项目)A", u"(已经完成项目)B", u"(-00:00:02)C"}));
    clock.actionFinished();
    EXPECT_EQ(list.line(3), u"(-00:00:01)C");
    // A late or repeated report changes nothing.
    clock.actionFinished();
    EXPECT_EQ(ran.size(), 2u);
    progress = ReminderClock::ActionProgress::Finished;
    tick();
    EXPECT_EQ(ran.back(), u"0D");
    tick();
    EXPECT_EQ(ran, (std::vector<std::u16string>{u"0A", u"0B", u"0D", u"0C"}));
}

TEST_F(ReminderClockTest, TimeOfDayThatComesDuringAPopupFiresOnceItCloses) {
    clocks.setWallClock(FakeClocks::at(12, 0, 58));
    add(u"(+12:01)before", u"0before");
    add(u"(-00:00:00)A", u"0A");
    add(u"(+12:01)after", u"0after");
    add(u"(+12:02)later", u"0later");
    progress = ReminderClock::ActionProgress::StillRunning;
    tick();
    tick();
    progress = ReminderClock::ActionProgress::Finished;
    clock.actionFinished();
    // The waiting tick goes on at 12:01, and "after" fell due meanwhile.
    EXPECT_EQ(ran, (std::vector<std::u16string>{u"0A", u"0after"}));
    EXPECT_EQ(list.line(0), u"(+12:01)before");
    tick(60);
    EXPECT_EQ(ran, (std::vector<std::u16string>{u"0A", u"0after", u"0before", u"0later"}));
}

TEST_F(ReminderClockTest, EntriesRemovedOrAddedDuringAnActionAreNeitherRunNorVisited) {
    add(u"(-00:00:00)A", u"0A");
    add(u"(-00:00:00)B", u"0B");
    add(u"(-00:00:00)C", u"0C");
    add(u"(-00:00:03)D", u"0D");
    progress = ReminderClock::ActionProgress::StillRunning;
    tick();
    list.removeAt(0);
    list.removeAt(0);
    add(u"(-00:00:00)E", u"0E");
    progress = ReminderClock::ActionProgress::Finished;
    clock.actionFinished();
    EXPECT_EQ(ran, (std::vector<std::u16string>{u"0A", u"0C"}));
    EXPECT_EQ(lines(), (std::vector<std::u16string>{u"(已经完成项目)C", u"(-00:00:02)D", u"(-00:00:00)E"}));
    tick();
    EXPECT_EQ(ran.back(), u"0E");
}

TEST_F(ReminderClockTest, FailingActionDoesNotLeaveTheClockWaiting) {
    add(u"(-00:00:00)A", u"0A");
    add(u"(-00:00:01)B", u"0B");
    failing = true;
    EXPECT_THROW(tick(), std::runtime_error);
    EXPECT_EQ(list.line(0), u"(已经完成项目)A");
    failing = false;
    tick(2);
    EXPECT_EQ(ran, (std::vector<std::u16string>{u"0A", u"0B"}));
}

} // namespace
} // namespace pennoc
