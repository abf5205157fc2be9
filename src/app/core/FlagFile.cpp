#include "app/core/FlagFile.h"

#include <string_view>

namespace fs = std::filesystem;

namespace pennoc {

namespace {

// Only the first field of the flag file counts, and only "1" or "0" in it: a longer field is neither.
constexpr std::size_t kFlagReadLimit = 4096;
constexpr fs::perms kPrivateFile = fs::perms::owner_read | fs::perms::owner_write;

// The flag is ASCII; no byte of it, of the spaces around it or of the delimiters after it occurs inside a
// GB18030 character, so the bytes are read without decoding them.
std::optional<bool> flagValue(std::string_view start) {
    const std::size_t end = start.find_first_of(",\r\n");
    if (end == std::string_view::npos && start.size() >= kFlagReadLimit) {
        return std::nullopt;
    }
    std::string_view field = start.substr(0, end);
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    field = field.substr(first, field.find_last_not_of(' ') - first + 1);
    if (field == "1") {
        return true;
    }
    if (field == "0") {
        return false;
    }
    return std::nullopt;
}

} // namespace

std::optional<bool> readFlagFile(const FileSystem& files, const fs::path& flagFile) {
    return flagValue(files.readFile(flagFile, kFlagReadLimit));
}

void writeFlagFile(FileSystem& files, FileReplacement& replacement, const fs::path& flagFile, bool autoRun) {
    const EntryStatus own = files.status(flagFile, false);
    const fs::path file = own.kind == EntryStatus::Kind::link ? files.linkEnd(flagFile) : flagFile;
    const EntryStatus status = files.status(file, false);
    if (status.kind != EntryStatus::Kind::file && status.kind != EntryStatus::Kind::missing) {
        throw StorageError(flagFile, "not an ordinary file; the start-with-system setting was not saved");
    }
    const bool existed = status.kind == EntryStatus::Kind::file;
    replacement.replace(file, autoRun ? "1\r\n" : "0\r\n", existed ? status.permissions : kPrivateFile,
                        existed ? status.group : std::nullopt);
    files.syncFolder(file.parent_path());
}

} // namespace pennoc
