#pragma once

#include <filesystem>
#include <string_view>

namespace pennoc {

// Creates or truncates a file and writes the bytes to the disk (not just the system's cache).
// Throws StorageError with the system's reason.
void writeFileToDisk(const std::filesystem::path& path, std::string_view bytes);

// Makes a folder's entries durable; a no-op where the system has no such notion.
void syncFolderToDisk(const std::filesystem::path& path);

} // namespace pennoc
