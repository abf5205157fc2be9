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
    text.resize(static_cast<std::size_t>(length));
    MultiByteToWideChar(codePage, flags, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()), length);
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
    // Without the flag an unpaired surrogate is silently replaced.
    const int length = WideCharToMultiByte(kGb18030, WC_ERR_INVALID_CHARS, wide, size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(length));
    WideCharToMultiByte(kGb18030, WC_ERR_INVALID_CHARS, wide, size, bytes.data(), length, nullptr, nullptr);
    return true;
}

bool Gb18030Codec::decode(std::string_view bytes, std::u16string& text) const {
    return decodeWith(kGb18030, bytes, text);
}

bool Gb18030Codec::decodeUtf8(std::string_view bytes, std::u16string& text) const {
    return decodeWith(CP_UTF8, bytes, text);
}

} // namespace pennoc
