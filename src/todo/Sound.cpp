#include "todo/Sound.h"

#include "app/PlatformServices.h"

#include <filesystem>

namespace pennoc {

void PlaySoundFile(PlatformServices& platform, std::u16string_view path) {
    std::filesystem::path file;
    try {
        file = std::filesystem::path(path);
    } catch (const std::filesystem::filesystem_error&) {
        // Text with no spelling in the system's file names (a lone surrogate) names no file.
        return;
    }
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error)) {
        platform.playSound(file);
    }
}

void StopSound(PlatformServices& platform) {
    platform.stopSound();
}

} // namespace pennoc
