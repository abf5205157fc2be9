#pragma once

#include "platform/FileSystem.h"

#include <filesystem>
#include <string>

namespace pennoc {

// Keeps a copy of a note file's bytes in `keepFolder` (created when missing), under the file's name or, when
// an earlier copy with other bytes has it, "name (2).txt", "name (3).txt", … A copy with the same bytes is
// reused. Returns the copy's path. Throws StorageError.
std::filesystem::path keepUnreadableOriginal(FileSystem& files, const std::filesystem::path& keepFolder,
                                             const std::filesystem::path& file, const std::string& bytes);

} // namespace pennoc
