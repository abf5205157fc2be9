#include "todo/TodoEntryBuilder.h"

#include "todo/TaskAction.h"
#include "todo/TodoLine.h"

namespace pennoc {

namespace {

SampleReminder countdownSample(std::u16string_view caption, std::u16string_view remaining, std::u16string_view title,
                               TaskAction action) {
    return {std::u16string(caption), countdownLine(remaining, title), action.stored()};
}

SampleReminder popupSample(std::u16string_view caption, std::u16string_view remaining, std::u16string_view title,
                           std::u16string_view message) {
    return countdownSample(caption, remaining, title, {TaskAction::Type::Popup, std::u16string(message)});
}

} // namespace

std::u16string titleForSave(std::u16string_view typed) {
    if (typed.find_first_not_of(u' ') == std::u16string_view::npos) {
        return std::u16string(kDefaultTodoTitle);
    }
    return std::u16string(typed);
}

std::u16string withoutHalfCharacters(std::u16string_view text) {
    const auto isHigh = [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
    const auto isLow = [](char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
    std::u16string whole;
    whole.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isHigh(text[i]) && i + 1 < text.size() && isLow(text[i + 1])) {
            whole += text.substr(i, 2);
            ++i;
        } else if (!isHigh(text[i]) && !isLow(text[i])) {
            whole += text[i];
        }
    }
    return whole;
}

SampleReminder sampleReminder(int index, const std::filesystem::path& programFolder) {
    const std::filesystem::path music = programFolder / "Sounds" / "SoftMusic" / "Canon.mid";
    switch (index) {
    case 0:
        return popupSample(u" 测量体温（10分钟）", u"00:10:00", u"体温测量时间到了！", u"体温测量时间到了");
    case 1:
        return countdownSample(u" 打个小盹（30分钟）", u"00:30:00", u"打个盹",
                               {TaskAction::Type::OpenWithSystem, music.u16string()});
    case 2:
        return popupSample(u" 30分钟后到会议室开会（30分钟）", u"00:30:00", u"到会议室开会", u"到会议室开会");
    case 3:
        return popupSample(u" 泡碗泡面（5分钟）", u"00:05:00", u"面泡好了！", u"面泡好了");
    case 4:
        return popupSample(u" 一小时后到会议室开会（1小时）", u"01:00:00", u"到会议室开会", u"到会议室开会");
    default:
        return countdownSample(u" 关掉电脑（30分钟）", u"00:30:00", u"关机",
                               {TaskAction::Type::HiddenCommand, std::u16string(TaskAction::kShutdownCommand)});
    }
}

} // namespace pennoc
