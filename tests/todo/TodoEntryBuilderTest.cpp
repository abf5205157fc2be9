#include "todo/TodoEntryBuilder.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

TodoEditorState editor(std::u16string time, std::u16string task = u"任务   弹出提示") {
    TodoEditorState state;
    state.timeCaption = std::move(time);
    state.taskCaption = std::move(task);
    return state;
}

TEST(TodoEntryBuilder, BlankTitlesBecomeTheDefaultAndOthersStayAsTyped) {
    EXPECT_EQ(titleForSave(u""), u"待办事件");
    EXPECT_EQ(titleForSave(u"   "), u"待办事件");
    EXPECT_EQ(titleForSave(u" 开会 "), u" 开会 ");
}

TEST(TodoEntryBuilder, TheTimeCaptionDecidesTheLine) {
    EXPECT_EQ(displayLineFor(u"待办事件", u"时间   -00:00"), u"(没有设定时间)待办事件");
    EXPECT_EQ(displayLineFor(u"t", u"时间   没有设定时间"), u"(没有设定时间)t");
    EXPECT_EQ(displayLineFor(u"t", u"时间   -01:30"), u"(-01:30:00)t");
    EXPECT_EQ(displayLineFor(u"t", u"时间   +08:05"), u"(+08:05)t");
    // Only a countdown of zero length means no time; midnight is a time of day.
    EXPECT_EQ(displayLineFor(u"t", u"时间   +00:00"), u"(+00:00)t");
}

TEST(TodoEntryBuilder, TheTaskCaptionDecidesTheAction) {
    TodoEditorState state = editor(u"时间   -00:00");
    state.soundPath = u"/music/a b.wav";
    state.filePath = u"/docs/x.pdf";
    EXPECT_EQ(actionFor(u"标题", state), u"0标题");
    state.taskCaption = u"任务   播放指定声音";
    EXPECT_EQ(actionFor(u"标题", state), u"1/music/a b.wav");
    state.soundPath.clear();
    EXPECT_EQ(actionFor(u"标题", state), u"1");
    state.taskCaption = u"任务   关机或睡眠";
    EXPECT_EQ(actionFor(u"标题", state), u"2shutdown -s -t 0");
    state.sleepSelected = true;
    EXPECT_EQ(actionFor(u"标题", state), u"2rundll32.exe powrprof.dll SetSuspendState");
    state.taskCaption = u"任务   打开文件或程序";
    EXPECT_EQ(actionFor(u"标题", state), u"3/docs/x.pdf");
}

TEST(TodoEntryBuilder, SamplesAreTheReadyMadeReminders) {
    const SampleReminder meeting = sampleReminder(4, "/opt/pennoc");
    EXPECT_EQ(meeting.caption, u" 一小时后到会议室开会（1小时）");
    EXPECT_EQ(meeting.line, u"(-01:00:00)到会议室开会");
    EXPECT_EQ(meeting.action, u"0到会议室开会");
    const SampleReminder nap = sampleReminder(1, "/opt/pennoc");
    EXPECT_EQ(nap.action,
              u"3" + (std::filesystem::path("/opt/pennoc") / "Sounds" / "SoftMusic" / "Canon.mid").u16string());
    EXPECT_EQ(sampleReminder(5, "/").action, u"2shutdown -s -t 0");
}

} // namespace
} // namespace pennoc
