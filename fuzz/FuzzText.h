#pragma once

#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace pennoc::fuzz {

inline bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

inline bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// True when every surrogate in the text is half of a pair: the text has a UTF-8 and a GB18030 form.
inline bool isWellFormedUtf16(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;
        } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
            return false;
        }
    }
    return true;
}

// Any UTF-16 code units, lone surrogates included: two bytes each, low byte first; an odd last byte is dropped.
inline std::u16string unitsOf(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return text;
}

inline std::u16string consumeText(FuzzedDataProvider& data) {
    return unitsOf(data.ConsumeRandomLengthString());
}

inline std::u16string consumeRemainingText(FuzzedDataProvider& data) {
    return unitsOf(data.ConsumeRemainingBytesAsString());
}

} // namespace pennoc::fuzz
