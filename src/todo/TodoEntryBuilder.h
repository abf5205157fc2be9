#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pennoc {

inline constexpr std::u16string_view kDefaultTodoTitle = u"待办事件";

// The title a reminder is saved with: the text as typed, or "待办事件" when it is blank (spaces only).
std::u16string titleForSave(std::u16string_view typed);

// The text without lone halves of surrogate pairs: a length limit counted in UTF-16 units cuts a character
// that does not fit in two, and the half left behind would show as "�".
std::u16string withoutHalfCharacters(std::u16string_view text);

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
