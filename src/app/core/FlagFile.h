#pragma once

#include "app/core/FileReplacement.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <optional>

namespace pennoc {

// The start-with-system flag's file: "1" or "0" in its first comma- or line-separated field, spaces around it
// allowed. Both throw StorageError.
// The flag, or nothing when the file holds neither "1" nor "0" there.
std::optional<bool> readFlagFile(const FileSystem& files, const std::filesystem::path& flagFile);
// Replaces the file, or the file a link there leads to, keeping its permissions and group.
void writeFlagFile(FileSystem& files, FileReplacement& replacement, const std::filesystem::path& flagFile,
                   bool autoRun);

} // namespace pennoc
