#pragma once

#include "app/platform/Gb18030Codec.h"
#include "support/RecordingPlatform.h"

namespace pennoc::test {

// The recording platform for tests of the windows and of storage: the real text codec, and after each tick
// the events the handlers posted are handled, as Qt's event loop does before the next timeout comes.
class QtRecordingPlatform : public RecordingPlatform {
public:
    using RecordingPlatform::RecordingPlatform;

    const TextCodec& textCodec() const override { return m_codec; }

protected:
    void afterTick() override;

private:
    Gb18030Codec m_codec;
};

} // namespace pennoc::test
