#pragma once

#include <string_view>

namespace pennoc {

class PlatformServices;

// Plays the sound file in the background when an ordinary file exists at `path`; a path that names no such
// file (an empty one, a folder, a missing file, one the system cannot spell) plays nothing, silently.
void PlaySoundFile(PlatformServices& platform, std::u16string_view path);

// Stops whatever is playing.
void StopSound(PlatformServices& platform);

} // namespace pennoc
