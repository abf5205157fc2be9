#pragma once

#include <filesystem>

namespace pennoc {

// The order notes load in: files named by a number ("0.txt", "1.txt", …, "10.txt") by that number, so that
// the order a save wrote comes back as it was, gaps allowed; then every other name, compared as text
// without regard to letter case.
bool comesBeforeInNoteOrder(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace pennoc
