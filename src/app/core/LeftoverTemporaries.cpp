#include "app/core/LeftoverTemporaries.h"

#include "app/core/OwnEntryNames.h"

#include <set>

namespace fs = std::filesystem;

namespace pennoc {

void removeOwnTemporaries(FileSystem& files, const std::vector<FolderEntry>& entries) {
    for (const FolderEntry& entry : entries) {
        if (entry.kind == EntryStatus::Kind::file && isOwnTemporaryName(entry.path.filename().string())) {
            files.removeFile(entry.path);
        }
    }
}

void removeOwnTemporaries(FileSystem& files, const fs::path& folder) {
    removeOwnTemporaries(files, files.listEntries(folder));
}

void removeOwnTemporariesBesideLinkedNotes(FileSystem& files, const fs::path& notesFolder,
                                           const std::vector<FolderEntry>& entries) {
    const fs::path resolvedFolder = files.linkEnd(notesFolder);
    std::set<fs::path> folders;
    for (const FolderEntry& entry : entries) {
        if (entry.kind != EntryStatus::Kind::link || files.status(entry.path, true).kind != EntryStatus::Kind::file) {
            continue;
        }
        try {
            // A relative link leads from the folder the link is in, wherever "Notes" itself leads.
            const fs::path folder = files.linkEnd(resolvedFolder / entry.path.filename()).parent_path();
            if (folder != resolvedFolder) {
                folders.insert(folder);
            }
        } catch (const StorageError&) {
            // A chain of links too long to follow leads to no file the program writes.
        }
    }
    for (const fs::path& folder : folders) {
        try {
            removeOwnTemporaries(files, folder);
        } catch (const StorageError&) {
            // Another user's folder, say, where the program could not have written either.
        }
    }
}

} // namespace pennoc
