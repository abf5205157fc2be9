#pragma once

#include "app/TextCodec.h"

namespace pennoc {

class Gb18030Codec : public TextCodec {
public:
    std::string encode(std::u16string_view text) const override;
    bool decode(std::string_view bytes, std::u16string& text) const override;
    bool decodeUtf8(std::string_view bytes, std::u16string& text) const override;
};

} // namespace pennoc
