#pragma once

#include "platform/FileSystem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pennoc {

class PlatformServices;

// Where the notes went when the save at the end failed: the folder that took them, or why none did.
struct RescuedNotes {
    std::filesystem::path folder;
    std::optional<StorageError> failure;
};

// Writes the notes to a new folder away from the program folder (PlatformServices::createRescueFolder) in the
// layout the program keeps beside itself, so that the folder's contents can simply be copied back.
RescuedNotes rescueNotes(PlatformServices& platform, const std::vector<std::u16string>& texts, bool autoRun);

} // namespace pennoc
