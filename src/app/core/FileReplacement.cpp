#include "app/core/FileReplacement.h"

#include "app/core/OwnEntryNames.h"

#include <string>

namespace fs = std::filesystem;

namespace pennoc {

namespace {

// Names already taken are tried again; this many clashes in a row mean something else is wrong.
constexpr int kMostNameClashes = 100;

} // namespace

FileReplacement::FileReplacement(FileSystem& files)
    : m_files(files)
    , m_random(std::random_device{}()) {}

fs::path FileReplacement::writeTemporary(const fs::path& folder, std::string_view bytes, fs::perms permissions,
                                         std::optional<std::uint32_t> group) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    for (int attempt = 0;; ++attempt) {
        std::string name(kTemporaryPrefix);
        std::uint64_t random = m_random();
        for (std::size_t i = 0; i < kTemporaryRandomDigits; ++i, random >>= 4) {
            name += kDigits[random & 0xF];
        }
        name += kTemporaryEnding;
        const fs::path temporary = folder / name;
        try {
            m_files.createFile(temporary, bytes, permissions, group);
        } catch (const StorageError&) {
            if (attempt < kMostNameClashes && m_files.status(temporary, false).kind != EntryStatus::Kind::missing) {
                continue;
            }
            throw;
        }
        try {
            m_files.flushFile(temporary);
        } catch (const StorageError&) {
            m_files.removeFile(temporary);
            throw;
        }
        return temporary;
    }
}

void FileReplacement::replace(const fs::path& file, std::string_view bytes, fs::perms permissions,
                              std::optional<std::uint32_t> group) {
    const fs::path temporary = writeTemporary(file.parent_path(), bytes, permissions, group);
    try {
        m_files.rename(temporary, file);
    } catch (const StorageError&) {
        try {
            m_files.removeFile(temporary);
        } catch (const StorageError&) {
            // The next start removes it; the error that matters is the one being reported.
        }
        throw;
    }
}

} // namespace pennoc
