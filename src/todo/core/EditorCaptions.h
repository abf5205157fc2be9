#pragma once

#include "todo/core/TaskAction.h"
#include "todo/core/TimeFields.h"

#include <string>
#include <string_view>

namespace pennoc {

// The to-do editor keeps its time and task settings as the captions it shows ("时间   -01:30",
// "任务   播放指定声音"); "保存" reads them back. Both directions of both captions live here.

inline constexpr std::u16string_view kTimeCaptionPrefix = u"时间   ";
inline constexpr std::u16string_view kTaskCaptionPrefix = u"任务   ";
inline constexpr std::u16string_view kNoTimeSet = u"没有设定时间";
inline constexpr std::u16string_view kDefaultTodoTitle = u"待办事件";

// The title a reminder is saved with: the text as typed, or "待办事件" when it is blank (spaces only).
std::u16string titleForSave(std::u16string_view typed);

// The text without lone halves of surrogate pairs: a length limit counted in UTF-16 units cuts a character
// that does not fit in two, and the half left behind would show as "�".
std::u16string withoutHalfCharacters(std::u16string_view text);

// "时间   +hh:mm", "时间   -hh:mm" or "时间   没有设定时间", where hh and mm are the fields' values as
// formatField writes them.
std::u16string timeCaption(TimingMode mode, std::u16string_view hours, std::u16string_view minutes);
// What a fresh editor shows: a countdown of zero length, which saves as no time at all.
std::u16string initialTimeCaption();

// "任务   " and the kind's caption.
std::u16string taskCaption(TaskAction::Type type);
// The kind a task caption names; a caption that names none counts as a pop-up.
TaskAction::Type taskTypeOf(std::u16string_view caption);

// The display line "保存" makes from a title and the time caption. A countdown of zero length counts as no
// time.
std::u16string displayLineFor(std::u16string_view title, std::u16string_view timeCaption);

// What the editor holds besides its captions when "保存" turns it into a reminder.
struct TaskSettings {
    std::u16string soundPath;   // Label17
    std::u16string filePath;    // Label21
    bool sleepSelected = false; // Label19: "睡眠计算机" rather than "关闭计算机"
};

// The stored action for a title, the task caption and the panel's settings.
std::u16string actionFor(std::u16string_view title, std::u16string_view taskCaption, const TaskSettings& settings);

} // namespace pennoc
