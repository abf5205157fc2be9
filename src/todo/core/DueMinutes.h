#pragma once

#include "platform/Clocks.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace pennoc {

// Minutes of the local wall clock, counted from its epoch, so that a span of them can cross midnight.
std::int64_t wallMinuteOf(Clocks::WallTime time);

// The minute of the day a time-of-day line's "hh:mm" names: two digits each, 00:00 to 23:59. Any other text
// names no minute, and its entry is never due.
std::optional<int> minuteOfDay(std::u16string_view dueTime);

// The latest of the wall minutes `first` to `last` (both included) that falls at `minuteOfDay`; nothing when
// none does.
std::optional<std::int64_t> latestMinuteAt(int minuteOfDay, std::int64_t first, std::int64_t last);

} // namespace pennoc
