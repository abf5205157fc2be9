#pragma once

#include "app/platform/Gb18030Codec.h"

namespace pennoc::test {

// The real codec, except that encoding fails the way it does on a system without a GB18030 converter.
class FailingCodec : public Gb18030Codec {
public:
    // Every encode reports failure.
    bool failEncodes = false;
    // Every encode reports success but gives no bytes, as a codec that takes a failed conversion for an
    // empty one does.
    bool encodeToNothing = false;

    bool encode(std::u16string_view text, std::string& bytes) const override {
        if (failEncodes || encodeToNothing) {
            bytes.clear();
            return encodeToNothing;
        }
        return Gb18030Codec::encode(text, bytes);
    }
};

} // namespace pennoc::test
