#include "app/platform/Gb18030Codec.h"

#include <windows.h>

namespace pennoc {

bool Gb18030Codec::decodeUtf8(std::string_view bytes, std::u16string& text) const {
    text.clear();
    if (bytes.empty()) {
        return true;
    }
    const int size = static_cast<int>(bytes.size());
    int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    const bool valid = length > 0;
    // Invalid bytes are read again without the flag, so that the text holds replacements for them.
    const DWORD flags = valid ? MB_ERR_INVALID_CHARS : 0;
    length = MultiByteToWideChar(CP_UTF8, flags, bytes.data(), size, nullptr, 0);
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    if (length <= 0 || MultiByteToWideChar(CP_UTF8, flags, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()),
                                           length) != length) {
        text.clear();
        return false;
    }
    return valid;
}

} // namespace pennoc
