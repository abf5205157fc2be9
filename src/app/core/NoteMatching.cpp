#include "app/core/NoteMatching.h"

#include <unordered_map>

namespace pennoc {

namespace {

struct Occurrences {
    std::vector<std::size_t> indexes; // ascending
    std::size_t nextUnused = 0;
};

} // namespace

std::vector<std::optional<std::size_t>> matchNotes(const std::vector<std::size_t>& earlierKeys,
                                                   const std::vector<std::size_t>& laterKeys) {
    std::unordered_map<std::size_t, Occurrences> byKey;
    for (std::size_t i = 0; i < earlierKeys.size(); ++i) {
        byKey[earlierKeys[i]].indexes.push_back(i);
    }
    std::vector<std::optional<std::size_t>> matches(laterKeys.size());
    std::size_t firstFree = 0;
    for (std::size_t i = 0; i < laterKeys.size(); ++i) {
        const auto found = byKey.find(laterKeys[i]);
        if (found == byKey.end()) {
            continue;
        }
        Occurrences& occurrences = found->second;
        while (occurrences.nextUnused < occurrences.indexes.size() &&
               occurrences.indexes[occurrences.nextUnused] < firstFree) {
            ++occurrences.nextUnused;
        }
        if (occurrences.nextUnused < occurrences.indexes.size()) {
            matches[i] = occurrences.indexes[occurrences.nextUnused++];
            firstFree = *matches[i] + 1;
        }
    }

    std::size_t earlierStart = 0;
    std::size_t laterStart = 0;
    for (std::size_t i = 0; i <= laterKeys.size(); ++i) {
        if (i < laterKeys.size() && !matches[i]) {
            continue;
        }
        const std::size_t earlierEnd = i < laterKeys.size() ? *matches[i] : earlierKeys.size();
        if (earlierEnd - earlierStart == i - laterStart) {
            for (std::size_t k = 0; k < i - laterStart; ++k) {
                matches[laterStart + k] = earlierStart + k;
            }
        }
        earlierStart = earlierEnd + 1;
        laterStart = i + 1;
    }
    return matches;
}

} // namespace pennoc
