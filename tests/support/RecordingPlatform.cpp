#include "support/RecordingPlatform.h"

#include <stdexcept>
#include <utility>

namespace pennoc::test {

RecordingPlatform::RecordingPlatform(std::filesystem::path programFolder)
    : m_programFolder(std::move(programFolder)) {}

const TextCodec& RecordingPlatform::textCodec() const {
    throw std::logic_error("The core's recording platform has no text codec; storage tests use the real one.");
}

std::filesystem::path RecordingPlatform::createRescueFolder() {
    const std::filesystem::path folder = m_programFolder / ("Rescue" + std::to_string(++m_rescueFolders));
    std::filesystem::create_directory(folder);
    record("rescueFolder " + folder.string());
    return folder;
}

} // namespace pennoc::test
