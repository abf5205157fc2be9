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

} // namespace pennoc::texts
