#pragma once

#include <string_view>

namespace pennoc::texts {

inline constexpr std::u16string_view kProgramTitle = u"Pennoc便笺";
inline constexpr std::u16string_view kEmptyNoteTitle = u"#无内容#";

} // namespace pennoc::texts
