#include "todo/core/EditorCaptions.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

TEST(EditorCaptions, TimeCaptionCarriesTheModeAndTwoDigitFields) {
    EXPECT_EQ(timeCaption(TimingMode::TimeOfDay, u"7", u"30"), u"时间   +07:30");
    EXPECT_EQ(timeCaption(TimingMode::Countdown, u"02", u"0"), u"时间   -02:00");
    EXPECT_EQ(timeCaption(TimingMode::Countdown, u"1a", u""), u"时间   -01:00");
    EXPECT_EQ(timeCaption(TimingMode::None, u"05", u"30"), u"时间   没有设定时间");
}

TEST(EditorCaptions, TheTimeCaptionDecidesTheLine) {
    EXPECT_EQ(displayLineFor(u"待办事件", initialTimeCaption()), u"(没有设定时间)待办事件");
    EXPECT_EQ(displayLineFor(u"t", timeCaption(TimingMode::None, u"", u"")), u"(没有设定时间)t");
    EXPECT_EQ(displayLineFor(u"t", timeCaption(TimingMode::Countdown, u"01", u"30")), u"(-01:30:00)t");
    EXPECT_EQ(displayLineFor(u"t", timeCaption(TimingMode::TimeOfDay, u"08", u"05")), u"(+08:05)t");
    // Only a countdown of zero length means no time; midnight is a time of day.
    EXPECT_EQ(displayLineFor(u"t", timeCaption(TimingMode::TimeOfDay, u"00", u"00")), u"(+00:00)t");
}

// What the action panel's "应用" writes, "保存" must read back as the same kind with the same payload: a
// caption renamed on one side only would silently turn every reminder of that kind into a pop-up.
TEST(EditorCaptions, EveryKindSurvivesTheCaptionAndTheStoredForm) {
    const TaskSettings settings{u"/music/a b.wav", u"/docs/x.pdf", false};
    for (const TaskAction::Kind& kind : TaskAction::kKinds) {
        const std::u16string caption = taskCaption(kind.type);
        EXPECT_EQ(taskTypeOf(caption), kind.type);
        const TaskAction stored = TaskAction::read(actionFor(u"标题", caption, settings));
        EXPECT_EQ(stored.type, kind.type);
        EXPECT_EQ(TaskAction::read(stored.stored()).payload, stored.payload);
    }
    EXPECT_EQ(actionFor(u"标题", taskCaption(TaskAction::Type::Popup), settings), u"0标题");
    EXPECT_EQ(actionFor(u"标题", taskCaption(TaskAction::Type::PlaySound), settings), u"1/music/a b.wav");
    EXPECT_EQ(actionFor(u"标题", taskCaption(TaskAction::Type::HiddenCommand), settings), u"2shutdown -s -t 0");
    EXPECT_EQ(actionFor(u"标题", taskCaption(TaskAction::Type::HiddenCommand), {{}, {}, true}),
              u"2rundll32.exe powrprof.dll SetSuspendState");
    EXPECT_EQ(actionFor(u"标题", taskCaption(TaskAction::Type::OpenWithSystem), settings), u"3/docs/x.pdf");
    EXPECT_EQ(actionFor(u"标题", u"任务   ?", settings), u"0标题");
}

TEST(EditorCaptions, BlankTitlesBecomeTheDefaultAndOthersStayAsTyped) {
    EXPECT_EQ(titleForSave(u""), u"待办事件");
    EXPECT_EQ(titleForSave(u"   "), u"待办事件");
    EXPECT_EQ(titleForSave(u" 开会 "), u" 开会 ");
}

TEST(EditorCaptions, AHalfOfACharacterIsLeftOutWhole) {
    EXPECT_EQ(withoutHalfCharacters(u"\u5F85\U0001F600x"), u"\u5F85\U0001F600x");
    EXPECT_EQ(withoutHalfCharacters(u"fifteen units..\xD83D"), u"fifteen units..");
    EXPECT_EQ(withoutHalfCharacters(u"a\xDE00"
                                    u"b"),
              u"ab");
}

} // namespace
} // namespace pennoc
