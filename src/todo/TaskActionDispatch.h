#pragma once

#include <functional>
#include <string_view>

namespace pennoc {

class TaskActionTarget;

// The title of every reminder's pop-up window.
inline constexpr std::u16string_view kReminderPopupTitle = u"待办";

// Runs a reminder's action (see TaskAction::read): first `beforeAction` (the notes are written back and
// saved, so they are on disk before a shutdown), then by type a pop-up with the payload under the title
// "待办", the payload played as a sound file, started as a hidden command line, or opened with the system;
// an unknown type runs nothing more. When `beforeAction` throws, the action does not run.
//
// Returns true when the action goes on after the call: a pop-up is open until the user closes it.
bool dispatchTaskAction(std::u16string_view action, const std::function<void()>& beforeAction,
                        TaskActionTarget& target);

} // namespace pennoc
