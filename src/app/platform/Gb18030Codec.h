#pragma once

#include "platform/TextCodec.h"

namespace pennoc {

// GB18030 through the program's own codec, so that every system writes the same bytes and none needs a
// converter of its own for it; UTF-8 through the system's.
class Gb18030Codec : public TextCodec {
public:
    bool encode(std::u16string_view text, std::string& bytes) const override;
    bool decode(std::string_view bytes, std::u16string& text) const override;
    bool decodeUtf8(std::string_view bytes, std::u16string& text) const override;
};

} // namespace pennoc
