#include "todo/core/ReminderClock.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace pennoc {
namespace {

class ReminderClockTest : public ::testing::Test {
protected:
    void add(std::u16string line, std::u16string action) { list.append(std::move(line), std::move(action)); }

    void tick(int times = 1) {
        for (int i = 0; i < times; ++i) {
            clock.tick(now);
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
    std::u16string now = u"12:00";
    std::vector<std::u16string> ran;
    // The list as each action found it when it started.
    std::vector<std::vector<std::u16string>> seen;
    // What each action reports: a pop-up stays open after its runner has returned.
    ReminderClock::ActionProgress progress = ReminderClock::ActionProgress::Finished;
    bool failing = false;
    ReminderClock clock{list, [this](const std::u16string& action) {
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

TEST_F(ReminderClockTest, TimeOfDayFiresOnlyOnTheTickShowingItsMinute) {
    add(u"(+00:00)midnight", u"3/music.mid");
    add(u"(+12:01)noon", u"1");
    now = u"23:59";
    tick();
    now = u"00:00";
    tick();
    EXPECT_EQ(ran, std::vector<std::u16string>{u"3/music.mid"});
    now = u"12:00";
    tick();
    now = u"12:01";
    tick(2);
    EXPECT_EQ(ran, (std::vector<std::u16string>{u"3/music.mid", u"1"}));
    EXPECT_EQ(list.line(1), u"(已经完成项目)noon");
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
    add(u"(+12:01)before", u"0before");
    add(u"(-00:00:00)A", u"0A");
    add(u"(+12:01)after", u"0after");
    add(u"(+12:02)later", u"0later");
    progress = ReminderClock::ActionProgress::StillRunning;
    tick();
    clock.tick(u"12:01");
    progress = ReminderClock::ActionProgress::Finished;
    clock.actionFinished();
    // The waiting tick goes on with its own minute, 12:00, but "after" fell due meanwhile.
    EXPECT_EQ(ran, (std::vector<std::u16string>{u"0A", u"0after"}));
    EXPECT_EQ(list.line(0), u"(+12:01)before");
    now = u"12:02";
    tick();
    EXPECT_EQ(ran, (std::vector<std::u16string>{u"0A", u"0after", u"0before", u"0later"}));
    now = u"12:01";
    tick();
    EXPECT_EQ(ran.size(), 4u);
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
