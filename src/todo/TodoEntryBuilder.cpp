#include "todo/TodoEntryBuilder.h"

namespace pennoc {

namespace {

// The value of a caption is its last six characters; the sign of a time is its sixth character.
std::u16string_view lastSix(std::u16string_view caption) {
    return caption.size() >= 6 ? caption.substr(caption.size() - 6) : caption;
}

constexpr std::u16string_view kTaskPrefix = u"任务   ";

} // namespace

std::u16string titleForSave(std::u16string_view typed) {
    if (typed.find_first_not_of(u' ') == std::u16string_view::npos) {
        return std::u16string(kDefaultTodoTitle);
    }
    return std::u16string(typed);
}

std::u16string displayLineFor(std::u16string_view title, std::u16string_view timeCaption) {
    const std::u16string_view value = lastSix(timeCaption);
    std::u16string line;
    if (value == u"-00:00" || value == u"没有设定时间") {
        line = u"(没有设定时间)";
    } else if (timeCaption.size() > 5 && timeCaption[5] == u'+') {
        line = u"(" + std::u16string(value) + u")";
    } else {
        line = u"(" + std::u16string(value) + u":00)";
    }
    return line + std::u16string(title);
}

std::u16string actionFor(std::u16string_view title, const TodoEditorState& editor) {
    const std::u16string_view task = std::u16string_view(editor.taskCaption);
    if (task == std::u16string(kTaskPrefix) + u"播放指定声音") {
        return u"1" + editor.soundPath;
    }
    if (task == std::u16string(kTaskPrefix) + u"关机或睡眠") {
        return u"2" + std::u16string(editor.sleepSelected ? kSleepCommand : kShutdownCommand);
    }
    if (task == std::u16string(kTaskPrefix) + u"打开文件或程序") {
        return u"3" + editor.filePath;
    }
    return u"0" + std::u16string(title);
}

SampleReminder sampleReminder(int index, const std::filesystem::path& programFolder) {
    const std::filesystem::path music = programFolder / "Sounds" / "SoftMusic" / "Canon.mid";
    switch (index) {
    case 0:
        return {u" 测量体温（10分钟）", u"(-00:10:00)体温测量时间到了！", u"0体温测量时间到了"};
    case 1:
        return {u" 打个小盹（30分钟）", u"(-00:30:00)打个盹", u"3" + music.u16string()};
    case 2:
        return {u" 30分钟后到会议室开会（30分钟）", u"(-00:30:00)到会议室开会", u"0到会议室开会"};
    case 3:
        return {u" 泡碗泡面（5分钟）", u"(-00:05:00)面泡好了！", u"0面泡好了"};
    case 4:
        return {u" 一小时后到会议室开会（1小时）", u"(-01:00:00)到会议室开会", u"0到会议室开会"};
    default:
        return {u" 关掉电脑（30分钟）", u"(-00:30:00)关机", u"2" + std::u16string(kShutdownCommand)};
    }
}

} // namespace pennoc
