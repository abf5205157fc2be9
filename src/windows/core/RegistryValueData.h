#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pennoc {

// The bytes of `text` in the system's ANSI code page; nothing when a character has no form there.
using AnsiEncoder = std::function<std::optional<std::string>(std::u16string_view text)>;

// The most bytes a binary value's text form may describe.
inline constexpr std::size_t kMaxRegistryBinaryBytes = 1025;

// The data of a registry value of `valueType` written from its text form. An empty text counts as one space.
//  1, 2 (string, expandable string): the text's ANSI bytes, without a terminating NUL.
//  3 (binary): one byte per two-digit hexadecimal pair, a pair every three characters ("01 02", "0A-0B-0C"),
//     as far as the text with spaces trimmed from both ends reaches; a lone last character is ignored.
//  4 (32-bit number): the whole text as a hexadecimal number, four bytes little-endian.
// Hexadecimal texts are read leniently: blanks are skipped, reading stops at the first character that is no
// hexadecimal digit, and no digit at all reads as 0.
// Nothing for any other type, for a text without an ANSI form, for a binary value of more than
// kMaxRegistryBinaryBytes bytes and for a number of more than eight significant digits: such a value is
// refused whole rather than written cut short.
std::optional<std::vector<std::uint8_t>> registryValueData(std::uint32_t valueType, std::u16string_view text,
                                                           const AnsiEncoder& toAnsi);

} // namespace pennoc
