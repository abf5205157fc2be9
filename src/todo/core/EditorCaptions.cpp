#include "todo/core/EditorCaptions.h"

#include "todo/core/TodoLine.h"

namespace pennoc {

namespace {

// The value of a time caption is its last six characters: a sign and hh ":" mm, or kNoTimeSet.
std::u16string_view timeValueOf(std::u16string_view caption) {
    return caption.size() >= 6 ? caption.substr(caption.size() - 6) : caption;
}

} // namespace

std::u16string timeCaption(TimingMode mode, std::u16string_view hours, std::u16string_view minutes) {
    std::u16string caption(kTimeCaptionPrefix);
    if (mode == TimingMode::None) {
        return caption.append(kNoTimeSet);
    }
    caption.push_back(mode == TimingMode::TimeOfDay ? u'+' : u'-');
    return caption.append(formatField(fieldValue(hours))).append(u":").append(formatField(fieldValue(minutes)));
}

std::u16string initialTimeCaption() {
    return timeCaption(TimingMode::Countdown, kZeroField, kZeroField);
}

std::u16string taskCaption(TaskAction::Type type) {
    return std::u16string(kTaskCaptionPrefix).append(TaskAction::captionOf(type));
}

TaskAction::Type taskTypeOf(std::u16string_view caption) {
    if (!caption.starts_with(kTaskCaptionPrefix)) {
        return TaskAction::Type::Popup;
    }
    return TaskAction::typeOfCaption(caption.substr(kTaskCaptionPrefix.size())).value_or(TaskAction::Type::Popup);
}

std::u16string displayLineFor(std::u16string_view title, std::u16string_view caption) {
    const std::u16string_view value = timeValueOf(caption);
    if (value.size() != 6 || value == kNoTimeSet || value == u"-00:00") {
        return untimedLine(title);
    }
    const std::u16string_view hoursAndMinutes = value.substr(1);
    if (value.front() == u'+') {
        return timeOfDayLine(hoursAndMinutes, title);
    }
    return countdownLine(std::u16string(hoursAndMinutes) + u":00", title);
}

std::u16string actionFor(std::u16string_view title, std::u16string_view caption, const TaskSettings& settings) {
    TaskAction action{taskTypeOf(caption), {}};
    switch (action.type) {
    case TaskAction::Type::PlaySound:
        action.payload = settings.soundPath;
        break;
    case TaskAction::Type::HiddenCommand:
        action.payload = settings.sleepSelected ? TaskAction::kSleepCommand : TaskAction::kShutdownCommand;
        break;
    case TaskAction::Type::OpenWithSystem:
        action.payload = settings.filePath;
        break;
    case TaskAction::Type::Popup:
    case TaskAction::Type::None:
        action.payload = title;
        break;
    }
    return action.stored();
}

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

} // namespace pennoc
