#pragma once

#include <string>
#include <string_view>

namespace pennoc::gb18030 {

// The GB18030 bytes of a UTF-16 text, the same on every system; false, with no bytes, when the text holds an
// unpaired surrogate, which GB18030 cannot hold.
bool encode(std::u16string_view text, std::string& bytes);

// The UTF-16 text of GB18030 bytes; false when they are not valid GB18030: each byte that starts no valid
// sequence is then read as U+FFFD and the reading goes on with the next.
bool decode(std::string_view bytes, std::u16string& text);

} // namespace pennoc::gb18030
