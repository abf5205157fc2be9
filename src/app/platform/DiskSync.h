#pragma once

#include <filesystem>
#include <string_view>

namespace pennoc {

// Creates or truncates a file and writes the bytes. Throws StorageError with the system's reason.
void writeFileBytes(const std::filesystem::path& path, std::string_view bytes);

// Puts the files written into a folder, and the folder's entries, on the disk. Throws StorageError.
void syncFolderToDisk(const std::filesystem::path& path);

} // namespace pennoc
