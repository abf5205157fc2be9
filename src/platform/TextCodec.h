#pragma once

#include <string>
#include <string_view>

namespace pennoc {

// Conversion between the program's UTF-16 texts and GB18030 or UTF-8 bytes. Every call stands on its own:
// nothing of an earlier conversion carries over.
class TextCodec {
public:
    virtual ~TextCodec() = default;

    // Encodes GB18030; false when the text holds something GB18030 cannot hold (an unpaired surrogate) or the
    // conversion itself fails (a system without a GB18030 converter).
    virtual bool encode(std::u16string_view text, std::string& bytes) const = 0;
    // Decodes GB18030; false when the bytes are not valid GB18030 (the text then holds replacements).
    virtual bool decode(std::string_view bytes, std::u16string& text) const = 0;
    // Decodes UTF-8 (without a byte-order mark); false when the bytes are not valid UTF-8.
    virtual bool decodeUtf8(std::string_view bytes, std::u16string& text) const = 0;
};

} // namespace pennoc
