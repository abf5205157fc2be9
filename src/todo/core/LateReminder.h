#pragma once

#include "platform/Clocks.h"

#include <chrono>
#include <string>
#include <string_view>

namespace pennoc {

// A reminder that comes later than this has come late: the machine slept or the program was stopped.
inline constexpr std::chrono::minutes kLateAfter{1};

// What a reminder runs when it comes late, as a stored action (see TaskAction), given its stored action, its
// title and the wall clock time it was due. A shut-down or sleep is not done: a pop-up with the title says so
// and when it was due, because the person is likely back at the machine by now. A pop-up says when it was
// due. Every other action runs as it is.
std::u16string lateAction(std::u16string_view stored, std::u16string_view title, Clocks::WallTime dueAt);

} // namespace pennoc
