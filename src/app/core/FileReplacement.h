#pragma once

#include "platform/FileSystem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string_view>

namespace pennoc {

// Puts new bytes under a file's name without a moment in which the name holds anything but the old bytes
// or the new: they go into a temporary file beside it (a name only the program uses, created anew, never
// through a link), which is flushed and then renamed over the name. The folder itself is left to be flushed
// by the caller, once for all the files replaced in it.
class FileReplacement {
public:
    explicit FileReplacement(FileSystem& files);

    void replace(const std::filesystem::path& file, std::string_view bytes, std::filesystem::perms permissions,
                 std::optional<std::uint32_t> group);
    // Writes and flushes the bytes into a new temporary file in the folder and returns its path.
    std::filesystem::path writeTemporary(const std::filesystem::path& folder, std::string_view bytes,
                                         std::filesystem::perms permissions, std::optional<std::uint32_t> group);

private:
    FileSystem& m_files;
    std::mt19937_64 m_random;
};

} // namespace pennoc
