#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace pennoc {

// Which note of an earlier set each note of a later set is, told by a key of its text. Notes keep their
// order, new ones are added and any can be removed or edited, so equal keys are paired in order first;
// between two such pairs (and before the first or after the last) the notes left are paired by position
// when both sides hold as many, as happens when notes were edited in place. A note that cannot be told
// (added, or next to a removal) has no match.
std::vector<std::optional<std::size_t>> matchNotes(const std::vector<std::size_t>& earlierKeys,
                                                   const std::vector<std::size_t>& laterKeys);

} // namespace pennoc
