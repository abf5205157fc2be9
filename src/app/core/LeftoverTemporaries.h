#pragma once

#include "platform/FileSystem.h"

#include <filesystem>
#include <vector>

namespace pennoc {

// Removes the temporary files that saves cut short left among a folder's `entries` (its listing): only
// ordinary files under the names the program alone gives them. Throws StorageError.
void removeOwnTemporaries(FileSystem& files, const std::vector<FolderEntry>& entries);
void removeOwnTemporaries(FileSystem& files, const std::filesystem::path& folder);

// The same beside every file that a link among the notes folder's `entries` leads to, where linked notes are
// written. A folder there that cannot be cleaned is passed over: what stays in it is in nobody's way.
void removeOwnTemporariesBesideLinkedNotes(FileSystem& files, const std::filesystem::path& notesFolder,
                                           const std::vector<FolderEntry>& entries);

} // namespace pennoc
