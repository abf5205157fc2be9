#include "todo/core/TimeFields.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

TEST(TimeFieldsTest, ValueIsTheLeadingNumber) {
    EXPECT_EQ(fieldValue(u"07"), 7);
    EXPECT_EQ(fieldValue(u" 7"), 7);
    EXPECT_EQ(fieldValue(u"-5"), -5);
    EXPECT_EQ(fieldValue(u"+5"), 5);
    EXPECT_EQ(fieldValue(u"1a"), 1);
    EXPECT_EQ(fieldValue(u"a1"), 0);
    EXPECT_EQ(fieldValue(u""), 0);
    EXPECT_EQ(fieldValue(u"-"), 0);
    EXPECT_DOUBLE_EQ(fieldValue(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(fieldValue(u"1.5x"), 1.5);
    // A digit run too long for any number still reads as a (large) finite value.
    EXPECT_GT(fieldValue(std::u16string(500, u'9')), 59);
}

TEST(TimeFieldsTest, FormatWritesAtLeastTwoDigitsRoundingHalfAwayFromZero) {
    EXPECT_EQ(formatField(0), u"00");
    EXPECT_EQ(formatField(7), u"07");
    EXPECT_EQ(formatField(23), u"23");
    EXPECT_EQ(formatField(123), u"123");
    EXPECT_EQ(formatField(-5), u"-05");
    EXPECT_EQ(formatField(-0.0), u"00");
    EXPECT_EQ(formatField(1.5), u"02");
    EXPECT_EQ(formatField(0.4), u"00");
    EXPECT_EQ(formatField(0.5), u"01");
    EXPECT_EQ(formatField(fieldValue(u"1a")), u"01");
}

TEST(TimeFieldsTest, ClampCorrectsOnlyValuesOutsideTheRange) {
    EXPECT_EQ(clampField(u"-5", kMaxHours), u"00");
    EXPECT_EQ(clampField(u"-0.5", kMaxHours), u"00");
    EXPECT_EQ(clampField(u"99", kMaxHours), u"23");
    EXPECT_EQ(clampField(u"24", kMaxHours), u"23");
    EXPECT_EQ(clampField(u"75", kMaxMinutes), u"59");
    EXPECT_EQ(clampField(u"23.5", kMaxHours), u"23");
    for (const char16_t* kept : {u"23", u"59", u"7", u"1a", u"-", u"", u"x", u"00"}) {
        EXPECT_EQ(clampField(kept, kMaxMinutes), std::nullopt);
    }
    EXPECT_EQ(clampField(u"59", kMaxHours), u"23");
}

TEST(TimeFieldsTest, WheelStepsOneAndStopsAtTheLimits) {
    EXPECT_EQ(wheelStep(u"22", u"1", kMaxHours, WheelTurn::TowardUser), u"23");
    EXPECT_EQ(wheelStep(u"23", u"1", kMaxHours, WheelTurn::TowardUser), std::nullopt);
    EXPECT_EQ(wheelStep(u"58", u"1", kMaxMinutes, WheelTurn::TowardUser), u"59");
    EXPECT_EQ(wheelStep(u"59", u"1", kMaxMinutes, WheelTurn::TowardUser), std::nullopt);
    EXPECT_EQ(wheelStep(u"01", u"1", kMaxHours, WheelTurn::AwayFromUser), u"00");
    EXPECT_EQ(wheelStep(u"00", u"1", kMaxHours, WheelTurn::AwayFromUser), std::nullopt);
    EXPECT_EQ(wheelStep(u"7", u"1", kMaxHours, WheelTurn::TowardUser), u"08");
    // A fraction close to a limit stops at the limit rather than rounding past it.
    EXPECT_EQ(wheelStep(u".5", u"1", kMaxHours, WheelTurn::AwayFromUser), u"00");
    EXPECT_EQ(wheelStep(u"22.6", u"1", kMaxHours, WheelTurn::TowardUser), u"23");
    for (const char16_t* unmarked : {u"", u"0", u"11"}) {
        EXPECT_EQ(wheelStep(u"05", unmarked, kMaxHours, WheelTurn::AwayFromUser), std::nullopt);
    }
}

TEST(TimeFieldsTest, NotchesAddUpFromSmallDeltas) {
    int pending = 0;
    EXPECT_EQ(takeWholeNotches(pending, 120), 1);
    EXPECT_EQ(takeWholeNotches(pending, -120), -1);
    EXPECT_EQ(takeWholeNotches(pending, 30), 0);
    EXPECT_EQ(takeWholeNotches(pending, 30), 0);
    EXPECT_EQ(takeWholeNotches(pending, 30), 0);
    EXPECT_EQ(takeWholeNotches(pending, 30), 1);
    EXPECT_EQ(pending, 0);
    EXPECT_EQ(takeWholeNotches(pending, 100), 0);
    EXPECT_EQ(takeWholeNotches(pending, 260), 3);
    EXPECT_EQ(pending, 0);
    EXPECT_EQ(takeWholeNotches(pending, 0), 0);
    // Turning back drops the part notch left over.
    EXPECT_EQ(takeWholeNotches(pending, 90), 0);
    EXPECT_EQ(takeWholeNotches(pending, -60), 0);
    EXPECT_EQ(pending, -60);
    EXPECT_EQ(takeWholeNotches(pending, -60), -1);
    EXPECT_EQ(takeWholeNotches(pending, 2147483647), 17895697);
    EXPECT_EQ(pending, 7);
}

} // namespace
} // namespace pennoc
