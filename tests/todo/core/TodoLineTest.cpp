#include "todo/core/TodoLine.h"

#include "todo/core/CountDown.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

struct LineCase {
    std::u16string_view line;
    TodoLineKind kind;
    std::u16string_view title;
};

TEST(TodoLineTest, ReadsEveryFieldAtItsFixedPosition) {
    // Titles that look like separators, signs or markers must not move any field.
    const LineCase cases[] = {
        {u"(-00:10:00)体温测量时间到了！", TodoLineKind::Countdown, u"体温测量时间到了！"},
        {u"(-01:30:00)(+08:00)", TodoLineKind::Countdown, u"(+08:00)"},
        {u"(-00:00:00)没有设定时间", TodoLineKind::Countdown, u"没有设定时间"},
        {u"(-23:59:59)+", TodoLineKind::Countdown, u"+"},
        {u"(+08:05)-12:30:00)", TodoLineKind::TimeOfDay, u"-12:30:00)"},
        {u"(+00:00)x", TodoLineKind::TimeOfDay, u"x"},
        {u"(没有设定时间)(-00:10:00)", TodoLineKind::Untimed, u"(-00:10:00)"},
        {u"(已经完成项目)9", TodoLineKind::Completed, u"9"},
        {u"(已经完成项目)", TodoLineKind::Completed, u""},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const LineCase& c = cases[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(classifyTodoLine(c.line), c.kind);
        EXPECT_EQ(titleOf(c.line), c.title);
    }
    EXPECT_EQ(remainingTimeOf(u"(-01:30:00)(+08:00)"), u"01:30:00");
    EXPECT_EQ(dueTimeOf(u"(+08:05)-12:30:00)"), u"08:05");
    EXPECT_EQ(statusFieldOf(u"(+08:05)-12:30:00)"), u"+08:05");
    EXPECT_EQ(signOf(u"(-00:10:00)x"), u'-');
}

TEST(TodoLineTest, ShortLinesGiveShortFieldsInsteadOfFailing) {
    EXPECT_EQ(classifyTodoLine(u""), TodoLineKind::Countdown);
    EXPECT_EQ(signOf(u"("), u'\0');
    EXPECT_EQ(remainingTimeOf(u"(-00:1"), u"00:1");
    EXPECT_EQ(titleOf(u"(-00:10:00"), u"");
    EXPECT_EQ(completedCountdownLine(u"(-00"), u"(已经完成项目)");
}

TEST(TodoLineTest, RewritesKeepTheTitle) {
    EXPECT_EQ(tickedCountdownLine(u"(-00:10:00)(1):2", u"00:09:59"), u"(-00:09:59)(1):2");
    EXPECT_EQ(tickedCountdownLine(u"(-00:10:00)-", u"00:09:59"), u"(-00:09:59)-");
    EXPECT_EQ(completedCountdownLine(u"(-00:00:00)+9"), u"(已经完成项目)+9");
    EXPECT_EQ(completedTimeOfDayLine(u"(+08:05)a"), u"(已经完成项目)a");
    EXPECT_EQ(completedTimeOfDayLine(u"(+08:05)(-00:00:00)"), u"(已经完成项目)(-00:00:00)");
}

TEST(TodoLineTest, CompletedPrefixNeedsAllEightCharacters) {
    EXPECT_TRUE(hasCompletedPrefix(u"(已经完成项目)"));
    EXPECT_FALSE(hasCompletedPrefix(u"(已经完成项目"));
    EXPECT_FALSE(hasCompletedPrefix(u"(-00:10:00)(已经完成项目)"));
    EXPECT_FALSE(hasCompletedPrefix(u"（已经完成项目)x"));
}

TEST(CountDownTest, TakesOneSecondAndBorrowsAcrossFields) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"01:00:00", u"00:59:59"}, {u"10:00:01", u"10:00:00"}, {u"00:10:00", u"00:09:59"},
        {u"00:00:01", u"00:00:00"}, {u"23:59:00", u"23:58:59"}, {u"99:00:10", u"99:00:09"},
    };
    for (const auto& [remaining, earlier] : cases) {
        EXPECT_EQ(CountDownOneSecond(remaining), earlier);
    }
}

TEST(CountDownTest, StopsAtZero) {
    EXPECT_EQ(CountDownOneSecond(u"00:00:00"), u"00:00:00");
}

// After a sleep the clock counts many seconds at once; the line must read as after that many ticks.
TEST(CountDownTest, ManySecondsAtOnceReadAsThatManySingleSeconds) {
    for (const std::u16string_view start : {u"01:02:03", u"00:75:99", u"2x:9:7y", u"0a:00:00", u"99:99:99"}) {
        std::u16string oneByOne(start);
        const std::int64_t toZero = secondsToZero(start);
        for (std::int64_t seconds = 1; seconds <= toZero + 2; ++seconds) {
            oneByOne = CountDownOneSecond(oneByOne);
            ASSERT_EQ(CountDownSeconds(start, seconds), oneByOne) << seconds;
            ASSERT_EQ(secondsToZero(oneByOne), std::max<std::int64_t>(toZero - seconds, 0)) << seconds;
        }
    }
}

} // namespace
} // namespace pennoc
