#include "app/core/FolderSwapRecovery.h"

namespace fs = std::filesystem;

namespace pennoc {

namespace {

// The folder that holds the notes (the end of the link when "Notes" is one) and the working folders of the
// swap beside it.
struct SwapFolders {
    fs::path current;
    fs::path fresh;
    fs::path old;
};

fs::path withSuffix(const fs::path& folder, const char* suffix) {
    fs::path named = folder;
    named += suffix;
    return named;
}

SwapFolders swapFolders(const FileSystem& files, const fs::path& notes) {
    // Names nobody gives a folder by hand: a start removes these, and must touch nothing of the user's.
    const fs::path current = files.isLink(notes) ? files.linkEnd(notes) : notes;
    return {current, withSuffix(current, ".pennoc-new"), withSuffix(current, ".pennoc-old")};
}

// Moves every entry that is no note file; false when one stays behind because its name was taken meanwhile.
bool moveUserEntries(FileSystem& files, const fs::path& from, const fs::path& to) {
    bool allMoved = true;
    for (const FolderEntry& entry : files.listEntries(from)) {
        if (files.isFile(entry.path)) {
            continue;
        }
        const fs::path target = to / entry.path.filename();
        if (files.exists(target)) {
            allMoved = false;
        } else {
            files.rename(entry.path, target);
        }
    }
    return allMoved;
}

} // namespace

void finishInterruptedFolderSwap(FileSystem& files, const fs::path& notesFolder) {
    const SwapFolders folders = swapFolders(files, notesFolder);
    if (!files.exists(folders.current) && files.isFolder(folders.old)) {
        // Cut short between the two renames. The new folder only gets its name back once complete and
        // flushed, so it is the newer complete set; without it, the old set goes back.
        files.rename(files.isFolder(folders.fresh) ? folders.fresh : folders.old, folders.current);
        files.syncFolder(folders.current.parent_path());
    }
    if (files.exists(folders.fresh)) {
        files.removeAll(folders.fresh);
    }
    // An entry whose name was taken meanwhile stays where it is, and so does the old folder around it.
    if (files.isFolder(folders.old) && moveUserEntries(files, folders.old, folders.current)) {
        files.syncFolder(folders.current);
        files.removeAll(folders.old);
    }
}

} // namespace pennoc
