#pragma once

#include <string>
#include <string_view>

namespace pennoc {

// Conversion between the program's UTF-16 texts and the bytes of its text files.
class TextCodec {
public:
    virtual ~TextCodec() = default;

    // GB18030: byte for byte code page 936 for every character that page has, and lossless for the rest.
    virtual std::string encode(std::u16string_view text) const = 0;
    // Decodes GB18030; false when the bytes are not valid GB18030 (the text then holds replacements).
    virtual bool decode(std::string_view bytes, std::u16string& text) const = 0;
    // Decodes UTF-8 (without a byte-order mark); false when the bytes are not valid UTF-8.
    virtual bool decodeUtf8(std::string_view bytes, std::u16string& text) const = 0;
};

} // namespace pennoc
