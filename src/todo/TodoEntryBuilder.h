#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pennoc {

// What the to-do editor holds when "保存" turns it into a reminder.
struct TodoEditorState {
    std::u16string title;       // Text2, as typed
    std::u16string timeCaption; // Label5: "时间   " + "-hh:mm", "+hh:mm" or "没有设定时间"
    std::u16string taskCaption; // Label11: "任务   " + the action type's caption
    std::u16string soundPath;   // Label17
    std::u16string filePath;    // Label21
    bool sleepSelected = false; // Label19: "睡眠计算机" rather than "关闭计算机"
};

inline constexpr std::u16string_view kDefaultTodoTitle = u"待办事件";
inline constexpr std::u16string_view kInitialTimeCaption = u"时间   -00:00";
inline constexpr std::u16string_view kInitialTaskCaption = u"任务   弹出提示";
inline constexpr std::u16string_view kShutdownCommand = u"shutdown -s -t 0";
inline constexpr std::u16string_view kSleepCommand = u"rundll32.exe powrprof.dll SetSuspendState";

// The title a reminder is saved with: the text as typed, or "待办事件" when it is blank (spaces only).
std::u16string titleForSave(std::u16string_view typed);

// The display line for a title and a time caption. A countdown of zero length counts as no time.
std::u16string displayLineFor(std::u16string_view title, std::u16string_view timeCaption);

// The action for a title and the editor's task settings.
std::u16string actionFor(std::u16string_view title, const TodoEditorState& editor);

// One of the six ready-made reminders.
struct SampleReminder {
    std::u16string caption;
    std::u16string line;
    std::u16string action;
};

inline constexpr int kSampleCount = 6;

// Sample `index` (0 to 5); sample 1 opens a music file of the "Sounds" folder below `programFolder`.
SampleReminder sampleReminder(int index, const std::filesystem::path& programFolder);

} // namespace pennoc
