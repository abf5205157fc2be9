#pragma once

#include "app/core/FileReplacement.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace pennoc {

// A note file with more than one name (hard links) keeps all of them only when its bytes are written in
// place: a rename over one name would leave the others with the old text. So that no moment has the note's
// text in no file, the new bytes first go into a flushed copy in the notes folder, named after the note's
// entry there; the copy is removed once the file holds them. A start that finds a copy puts its bytes back.

// Whether a note whose entry in the notes folder has this name, and whose file has this status, must be
// written in place.
bool needsInPlaceWrite(const EntryStatus& file, const std::filesystem::path& entryName);

// Writes the bytes into `file`, which the note's entry `entryName` in `notesFolder` leads to, and flushes
// them. Throws StorageError; the copy then stays for the next start.
void writeInPlace(FileSystem& files, FileReplacement& replacement, const std::filesystem::path& notesFolder,
                  const std::filesystem::path& entryName, const std::filesystem::path& file, std::string_view bytes,
                  std::filesystem::perms permissions);

// Puts every copy's bytes back into the file its note's entry leads to, or under the note's name when that
// is free, and removes the copy. A copy whose name is taken by something of the user's stays. `entries` is the
// notes folder's listing. Throws StorageError.
void finishInPlaceWrites(FileSystem& files, const std::filesystem::path& notesFolder,
                         const std::vector<FolderEntry>& entries);

} // namespace pennoc
