#pragma once

#include "platform/FileSystem.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

namespace pennoc {

// The name a save gives the note at this position: "0.txt", "1.txt", …
std::filesystem::path noteFileName(std::size_t index);

// The position of a note file as the save names it, or nothing for any other name.
std::optional<std::size_t> noteIndex(const std::filesystem::path& fileName);

// Puts entries in the order notes load in: files named by a number ("0.txt", "1.txt", …, "10.txt") by that
// number, so that the order a save wrote comes back as it was, gaps allowed; then every other name,
// compared as text without regard to letter case.
void sortInNoteOrder(std::vector<std::filesystem::path>& entries);
void sortInNoteOrder(std::vector<FolderEntry>& entries);

} // namespace pennoc
