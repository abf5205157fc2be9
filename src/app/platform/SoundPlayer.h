#pragma once

#include <filesystem>

namespace pennoc {

// Plays one sound file at a time in the background. The implementation lives in a module of its own
// (pennoc_sound), loaded at the first sound, so the audio machinery and its threads cost nothing until a
// sound is asked for. Standard C++ only, so that a module without Qt can implement it.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Stops what is playing, then plays `file`; failures are ignored.
    virtual void play(const std::filesystem::path& file) = 0;
    virtual void stop() = 0;
    // True from a successful play() until the sound ends or is stopped.
    virtual bool playing() const = 0;
    // Plays our beep beside whatever plays; false where there is no audio output to play it on.
    virtual bool beep() = 0;
};

// The module's one exported function, which returns a new player owned by the caller.
using CreateSoundPlayerFunction = SoundPlayer* (*)();
inline constexpr char kCreateSoundPlayerSymbol[] = "pennoc_create_sound_player";
// Without its suffix: the system's loader adds its own (.so, .dll).
inline constexpr char kSoundModuleName[] = "pennoc_sound";

} // namespace pennoc
