#include "app/core/NoteFileOrder.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace pennoc {

namespace {

// More digits than any number of notes, fewer than would overflow.
constexpr std::size_t kMostDigits = 18;

// The digits of a name the save gives ("12.txt"); a leading zero makes another name. Works on the system's
// own spelling of the name, so that no name is converted just to be told apart.
template <typename Char> std::optional<std::basic_string_view<Char>> numberOf(std::basic_string_view<Char> name) {
    constexpr Char kExtension[] = {'.', 't', 'x', 't'};
    constexpr std::size_t kExtensionSize = std::size(kExtension);
    if (name.size() <= kExtensionSize || !std::equal(name.end() - kExtensionSize, name.end(), std::begin(kExtension))) {
        return std::nullopt;
    }
    const std::basic_string_view<Char> digits = name.substr(0, name.size() - kExtensionSize);
    const bool allDigits = std::all_of(digits.begin(), digits.end(), [](Char c) { return c >= '0' && c <= '9'; });
    if (!allDigits || (digits.size() > 1 && digits.front() == '0')) {
        return std::nullopt;
    }
    return digits;
}

std::optional<std::basic_string_view<std::filesystem::path::value_type>>
numberOf(const std::filesystem::path& fileName) {
    return numberOf(std::basic_string_view<std::filesystem::path::value_type>(fileName.native()));
}

char16_t foldCase(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// What an entry sorts by, worked out once for all the comparisons of a sort.
struct OrderKey {
    bool numbered = false;
    // The digits of a numbered name, else the whole name with its letters' case folded.
    std::u16string text;
    std::size_t entry = 0;

    bool operator<(const OrderKey& other) const {
        if (numbered != other.numbered) {
            return numbered;
        }
        // Without leading zeros a longer number is a larger one, however many digits it has.
        if (numbered && text.size() != other.text.size()) {
            return text.size() < other.text.size();
        }
        return text < other.text;
    }
};

OrderKey orderKey(const std::filesystem::path& entry, std::size_t index) {
    const std::filesystem::path name = entry.filename();
    if (const auto digits = numberOf(name)) {
        return {true, std::u16string(digits->begin(), digits->end()), index};
    }
    std::u16string text = name.u16string();
    std::transform(text.begin(), text.end(), text.begin(), foldCase);
    return {false, std::move(text), index};
}

const std::filesystem::path& pathOf(const std::filesystem::path& entry) {
    return entry;
}

const std::filesystem::path& pathOf(const FolderEntry& entry) {
    return entry.path;
}

template <typename Entry> void sortEntries(std::vector<Entry>& entries) {
    std::vector<OrderKey> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        keys.push_back(orderKey(pathOf(entries[i]), i));
    }
    std::sort(keys.begin(), keys.end());
    std::vector<Entry> sorted;
    sorted.reserve(entries.size());
    for (const OrderKey& key : keys) {
        sorted.push_back(std::move(entries[key.entry]));
    }
    entries = std::move(sorted);
}

} // namespace

std::filesystem::path noteFileName(std::size_t index) {
    return std::to_string(index) + ".txt";
}

std::optional<std::size_t> noteIndex(const std::filesystem::path& fileName) {
    const auto digits = numberOf(fileName);
    if (!digits || digits->size() > kMostDigits) {
        return std::nullopt;
    }
    std::size_t index = 0;
    for (const auto digit : *digits) {
        index = index * 10 + static_cast<std::size_t>(digit - '0');
    }
    return index;
}

void sortInNoteOrder(std::vector<std::filesystem::path>& entries) {
    sortEntries(entries);
}

void sortInNoteOrder(std::vector<FolderEntry>& entries) {
    sortEntries(entries);
}

} // namespace pennoc
