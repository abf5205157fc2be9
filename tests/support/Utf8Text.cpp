#include "support/Utf8Text.h"

#include <utility>

namespace pennoc::test {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& bytes, char32_t code) {
    const auto byte = [&bytes](char32_t value) { bytes.push_back(static_cast<char>(value)); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

void appendUtf16(std::u16string& text, char32_t code) {
    if (code < 0x10000) {
        text.push_back(static_cast<char16_t>(code));
    } else {
        text.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    }
}

// The length of the UTF-8 sequence that `lead` starts and its payload bits; 0 for a byte that starts none.
std::pair<std::size_t, char32_t> utf8Lead(unsigned char lead) {
    if (lead < 0x80) {
        return {1, lead};
    }
    if (lead >= 0xC2 && lead < 0xE0) {
        return {2, lead & 0x1Fu};
    }
    if (lead >= 0xE0 && lead < 0xF0) {
        return {3, lead & 0x0Fu};
    }
    if (lead >= 0xF0 && lead < 0xF5) {
        return {4, lead & 0x07u};
    }
    return {0, 0};
}

} // namespace

std::string utf8(std::u16string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            appendUtf8(bytes, 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00));
        } else if (unit >= 0xD800 && unit < 0xE000) {
            appendUtf8(bytes, kReplacement);
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return bytes;
}

std::u16string utf16(std::string_view text) {
    std::u16string result;
    for (std::size_t i = 0; i < text.size();) {
        auto [length, code] = utf8Lead(static_cast<unsigned char>(text[i]));
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3Fu);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && code >= smallest[length] && code < 0x110000 && (code < 0xD800 || code >= 0xE000);
        appendUtf16(result, valid ? code : kReplacement);
        i += valid ? length : 1;
    }
    return result;
}

} // namespace pennoc::test
