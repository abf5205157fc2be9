#pragma once

#include <cstdint>

namespace pennoc {

// Which stored file a listed note came from, as the storage named it at a load or a save. The list carries
// it through every change, so a save knows each note's file without comparing texts.
using NoteOrigin = std::uint64_t;
// A note that no load or save has stored yet.
inline constexpr NoteOrigin kNewNote = 0;

} // namespace pennoc
