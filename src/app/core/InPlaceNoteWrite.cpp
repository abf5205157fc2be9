#include "app/core/InPlaceNoteWrite.h"

#include "app/core/OwnEntryNames.h"

#include <string>

namespace fs = std::filesystem;

namespace pennoc {

namespace {

// The longest name most file systems take; a note named longer than this leaves no room for its copy's name
// and is replaced as a file of one name is.
constexpr std::size_t kMostNameBytes = 255;

fs::path copyName(const fs::path& entryName) {
    fs::path name(kInPlaceCopyPrefix);
    name += entryName;
    return name;
}

} // namespace

bool needsInPlaceWrite(const EntryStatus& file, const fs::path& entryName) {
    return file.kind == EntryStatus::Kind::file && file.links > 1 &&
           entryName.u8string().size() + kInPlaceCopyPrefix.size() <= kMostNameBytes;
}

void writeInPlace(FileSystem& files, FileReplacement& replacement, const fs::path& notesFolder,
                  const fs::path& entryName, const fs::path& file, std::string_view bytes, fs::perms permissions) {
    const fs::path copy = notesFolder / copyName(entryName);
    replacement.replace(copy, bytes, fs::perms::owner_read | fs::perms::owner_write, std::nullopt);
    // The copy must be found after a crash before the file's old bytes are cut.
    files.syncFolder(notesFolder);
    files.writeFile(file, bytes, permissions);
    files.flushFile(file);
    files.removeFile(copy);
}

void finishInPlaceWrites(FileSystem& files, const fs::path& notesFolder, const std::vector<FolderEntry>& entries) {
    const std::u8string prefix = fs::path(kInPlaceCopyPrefix).u8string();
    for (const FolderEntry& copy : entries) {
        const std::u8string name = copy.path.filename().u8string();
        if (!name.starts_with(prefix) || copy.kind != EntryStatus::Kind::file) {
            continue;
        }
        const fs::path& entry = copy.path;
        const fs::path note = notesFolder / fs::path(name.substr(prefix.size()));
        const EntryStatus target = files.status(note, true);
        if (target.kind == EntryStatus::Kind::file) {
            const std::string bytes = files.readFile(entry, FileSystem::kWholeFile);
            if (files.readFile(note, FileSystem::kWholeFile) != bytes) {
                files.writeFile(note, bytes, target.permissions);
                files.flushFile(note);
            }
            files.removeFile(entry);
        } else if (!files.exists(note)) {
            files.rename(entry, note);
            files.syncFolder(notesFolder);
        }
    }
}

} // namespace pennoc
