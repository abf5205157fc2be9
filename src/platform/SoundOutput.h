#pragma once

#include <filesystem>

namespace pennoc {

// The speakers: a sound file in the background, and the system's bell.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Plays in the background and returns at once; failures are ignored.
    virtual void playSound(const std::filesystem::path& file) = 0;
    virtual void stopSound() = 0;
    virtual void beep() = 0;
};

} // namespace pennoc
