#include "app/core/UnreadableOriginals.h"

namespace fs = std::filesystem;

namespace pennoc {

namespace {

// Copies of one unreadable file name kept side by side before the storage gives up looking for a free name.
constexpr int kMostKeptCopies = 10000;

} // namespace

fs::path keepUnreadableOriginal(FileSystem& files, const fs::path& keepFolder, const fs::path& file,
                                const std::string& bytes) {
    if (!files.isFolder(keepFolder)) {
        files.createFolder(keepFolder, fs::perms::owner_all);
    }
    const fs::path stem = file.filename().stem();
    const fs::path extension = file.filename().extension();
    for (int n = 1; n <= kMostKeptCopies; ++n) {
        fs::path name = stem;
        if (n > 1) {
            name += " (" + std::to_string(n) + ")";
        }
        name += extension;
        const fs::path copy = keepFolder / name;
        if (!files.exists(copy)) {
            files.createFile(copy, bytes, files.permissions(file), std::nullopt);
            files.flushFile(copy);
            files.syncFolder(keepFolder);
            return copy;
        }
        // A start that ended before any save finds the same file again.
        if (files.isFile(copy) && files.readFile(copy, FileSystem::kWholeFile) == bytes) {
            return copy;
        }
    }
    throw StorageError(keepFolder, "no free name for a copy of " + file.filename().string());
}

} // namespace pennoc
