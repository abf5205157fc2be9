#include "todo/TodoEntryBuilder.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

TEST(TodoEntryBuilder, BlankTitlesBecomeTheDefaultAndOthersStayAsTyped) {
    EXPECT_EQ(titleForSave(u""), u"待办事件");
    EXPECT_EQ(titleForSave(u"   "), u"待办事件");
    EXPECT_EQ(titleForSave(u" 开会 "), u" 开会 ");
}

TEST(TodoEntryBuilder, AHalfOfACharacterIsLeftOutWhole) {
    EXPECT_EQ(withoutHalfCharacters(u"\u5F85\U0001F600x"), u"\u5F85\U0001F600x");
    EXPECT_EQ(withoutHalfCharacters(u"fifteen units..\xD83D"), u"fifteen units..");
    EXPECT_EQ(withoutHalfCharacters(u"a\xDE00"
                                    u"b"),
              u"ab");
}

TEST(TodoEntryBuilder, SamplesAreTheReadyMadeReminders) {
    const SampleReminder meeting = sampleReminder(4, "/opt/pennoc");
    EXPECT_EQ(meeting.caption, u" 一小时后到会议室开会（1小时）");
    EXPECT_EQ(meeting.line, u"(-01:00:00)到会议室开会");
    EXPECT_EQ(meeting.action, u"0到会议室开会");
    const SampleReminder nap = sampleReminder(1, "/opt/pennoc");
    EXPECT_EQ(nap.action,
              std::u16string(u"3").append(
                  (std::filesystem::path("/opt/pennoc") / "Sounds" / "SoftMusic" / "Canon.mid").u16string()));
    EXPECT_EQ(sampleReminder(5, "/").action, u"2shutdown -s -t 0");
}

} // namespace
} // namespace pennoc
