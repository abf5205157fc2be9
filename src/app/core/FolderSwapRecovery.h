#pragma once

#include "platform/FileSystem.h"

#include <filesystem>

namespace pennoc {

// Earlier versions saved by writing a whole new notes folder beside the old one ("Notes.pennoc-new") and
// swapping the two ("Notes.pennoc-old"). Finishes such a save that was cut short, or rolls it back, so that
// the notes folder holds the newest complete set and every entry of the user's. Throws StorageError.
void finishInterruptedFolderSwap(FileSystem& files, const std::filesystem::path& notesFolder);

} // namespace pennoc
