#pragma once

#include <string_view>

namespace pennoc::texts {

inline constexpr std::u16string_view kProgramTitle = u"Pennoc便笺";
inline constexpr std::u16string_view kEmptyNoteTitle = u"#无内容#";
// The names screen readers give the title band's picture buttons.
inline constexpr std::u16string_view kCloseButtonName = u"关闭";
inline constexpr std::u16string_view kMinimiseButtonName = u"最小化";
// The installed menu entry's and theme icon's name, under which the desktop lists our notifications.
inline constexpr char kMenuEntryName[] = "pennoc";
// The lines a reminder's pop-up gains when the reminder comes late; "%1" is the time it was due ("hh:mm").
inline constexpr std::u16string_view kReminderCameLate = u"这条提醒来晚了，本应在 %1 到时。";
inline constexpr std::u16string_view kPowerActionSkippedLate = u"关机或睡眠没有执行：这条提醒来晚了，本应在 %1 到时。";

} // namespace pennoc::texts
