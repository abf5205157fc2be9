#pragma once

#include <string>
#include <string_view>

namespace pennoc::test {

// Half a surrogate pair, or a broken UTF-8 sequence, becomes U+FFFD, as Qt's conversions do.
std::string utf8(std::u16string_view text);
std::u16string utf16(std::string_view text);

} // namespace pennoc::test
