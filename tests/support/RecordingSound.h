#pragma once

#include "platform/SoundOutput.h"
#include "support/CallLog.h"

namespace pennoc::test {

// Speakers that record "playSound <path>", "stopSound" and "beep".
class RecordingSound : public SoundOutput {
public:
    explicit RecordingSound(CallLog& log)
        : m_log(log) {}

    void playSound(const std::filesystem::path& file) override { m_log.record("playSound " + file.string()); }
    void stopSound() override { m_log.record("stopSound"); }
    void beep() override { m_log.record("beep"); }

private:
    CallLog& m_log;
};

} // namespace pennoc::test
