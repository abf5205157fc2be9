#pragma once

#include "platform/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pennoc {

// The bytes of an ordinary file from its start, at most `limit` of them. Anything but an ordinary file (after
// following links) is an error; a FIFO is refused without waiting for a writer. Throws StorageError.
std::string readFileBytes(const std::filesystem::path& path, std::size_t limit);

// See FileSystem::readFileOfAtMost.
std::optional<std::string> readFileBytesOfAtMost(const std::filesystem::path& path, std::uint64_t mostBytes,
                                                 EntryStatus& read);

// Creates or truncates a file, writes the bytes and gives it exactly `permissions` whatever the process's
// file-creation mask. Throws StorageError with the system's reason.
void writeFileBytes(const std::filesystem::path& path, std::string_view bytes, std::filesystem::perms permissions);

// See FileSystem::status, createFile and flushFile.
EntryStatus entryStatus(const std::filesystem::path& path, bool followLinks);
void createNewFile(const std::filesystem::path& path, std::string_view bytes, std::filesystem::perms permissions,
                   std::optional<std::uint32_t> group);
void flushFileToDisk(const std::filesystem::path& path);

// Puts the files written into a folder, and the folder's entries, on the disk. Throws StorageError.
void syncFolderToDisk(const std::filesystem::path& path);

} // namespace pennoc
