#pragma once

#include <filesystem>
#include <string>

namespace pennoc {

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
