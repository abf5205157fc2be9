#pragma once

#include <string>
#include <string_view>

namespace pennoc {

class Dialogs;

// True for a UTF-16 code unit that code page 936 stores in two bytes (Chinese characters, full-width signs).
bool isDoubleByteInCodePage936(char16_t unit);

// The text's width in half-width cells: code page 936's double-byte characters take two cells, every other
// UTF-16 code unit (ASCII, characters the code page lacks, each half of a surrogate pair) one.
int GetTextLength(std::u16string_view text);

// The leading part of `text` that fits in `length` cells (length ≥ 1). A two-cell character that would
// straddle the limit is left out, and so is a surrogate pair, so the result may be one cell narrower than
// `length`.
std::u16string cutTextToWidth(std::u16string_view text, int length);

// cutTextToWidth with the argument check of the shared module: a `length` below 1 shows an error message
// and gives the empty text. The program never calls it; it stays for the shared module's callers.
std::u16string SetTextLengthFromLeft(Dialogs& dialogs, std::u16string_view text, int length);

} // namespace pennoc
