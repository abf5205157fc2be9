#pragma once

#include "app/TextCodec.h"

#include <memory>

namespace pennoc {

class Gb18030Codec : public TextCodec {
public:
    Gb18030Codec();
    ~Gb18030Codec() override;

    std::string encode(std::u16string_view text) const override;
    bool decode(std::string_view bytes, std::u16string& text) const override;
    bool decodeUtf8(std::string_view bytes, std::u16string& text) const override;

private:
    // Opening a converter costs more than converting a note, so one is kept for every call.
    struct Converters;
    std::unique_ptr<Converters> m_converters;
};

} // namespace pennoc
