#include "app/platform/Gb18030Codec.h"

#include "app/core/Gb18030.h"

namespace pennoc {

bool Gb18030Codec::encode(std::u16string_view text, std::string& bytes) const {
    return gb18030::encode(text, bytes);
}

bool Gb18030Codec::decode(std::string_view bytes, std::u16string& text) const {
    return gb18030::decode(bytes, text);
}

} // namespace pennoc
