#pragma once

#include <cstddef>
#include <string_view>

namespace pennoc {

// Entries the program makes beside the user's files start with this; no load takes them for notes.
inline constexpr std::string_view kOwnEntryPrefix = ".pennoc";
// The file in the notes folder whose lock tells that a copy of the program works on that folder.
inline constexpr std::string_view kLockFileName = ".pennoc.lock";
// A file being written: the prefix, a random part of kTemporaryRandomDigits hexadecimal digits, the ending.
inline constexpr std::string_view kTemporaryPrefix = ".pennoc-";
inline constexpr std::string_view kTemporaryEnding = ".tmp";
inline constexpr std::size_t kTemporaryRandomDigits = 16;

// The copy of a note's new bytes kept while its file is written in place: the prefix, then the note's name.
inline constexpr std::string_view kInPlaceCopyPrefix = ".pennoc-copy-";

bool isOwnTemporaryName(std::string_view name);

} // namespace pennoc
