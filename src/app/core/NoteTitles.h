#pragma once

#include <string>
#include <string_view>

namespace pennoc {

// Notes are listed by a title derived from their text, never stored. Titles are at most this many cells wide.
inline constexpr int kTitleWidth = 24;

// The title given at start-up: the text cut to the title width without a mark, or the placeholder when the
// text is blank (spaces only).
std::u16string titleAtLoad(std::u16string_view text);

// The title given when the drawer opens: the whole text when it fits, else the cut text and "...";
// the placeholder only for an empty text.
std::u16string titleWhenDrawerOpens(std::u16string_view text);

} // namespace pennoc
