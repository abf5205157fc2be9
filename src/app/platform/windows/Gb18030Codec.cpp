#include "app/platform/Gb18030Codec.h"

#include <windows.h>

namespace pennoc {

namespace {

constexpr UINT kGb18030 = 54936;

bool decodeWith(UINT codePage, std::string_view bytes, std::u16string& text) {
    text.clear();
    if (bytes.empty()) {
        return true;
    }
    const int size = static_cast<int>(bytes.size());
    int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    const bool valid = length > 0;
    const DWORD flags = valid ? MB_ERR_INVALID_CHARS : 0;
    length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
    // Zero here means the system has no such code page: nothing was converted.
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    if (length <= 0 || MultiByteToWideChar(codePage, flags, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()),
                                           length) != length) {
        text.clear();
        return false;
    }
    return valid;
}

} // namespace

bool Gb18030Codec::encode(std::u16string_view text, std::string& bytes) const {
    bytes.clear();
    if (text.empty()) {
        return true;
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    // Without the flag an unpaired surrogate is silently replaced. A failure (that, or a system without code
    // page 54936) converted nothing, whatever the buffer holds: no bytes may stand for the text then.
    const int length = WideCharToMultiByte(kGb18030, WC_ERR_INVALID_CHARS, wide, size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(length));
    if (WideCharToMultiByte(kGb18030, WC_ERR_INVALID_CHARS, wide, size, bytes.data(), length, nullptr, nullptr) !=
        length) {
        bytes.clear();
        return false;
    }
    return true;
}

bool Gb18030Codec::decode(std::string_view bytes, std::u16string& text) const {
    return decodeWith(kGb18030, bytes, text);
}

bool Gb18030Codec::decodeUtf8(std::string_view bytes, std::u16string& text) const {
    return decodeWith(CP_UTF8, bytes, text);
}

} // namespace pennoc
