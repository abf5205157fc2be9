#include "app/core/NoteFileOrder.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace pennoc {

namespace {

constexpr std::u16string_view kExtension = u".txt";
// More digits than any number of notes, fewer than would overflow.
constexpr std::size_t kMostDigits = 18;

// The digits of a name the save gives ("12.txt"); a leading zero makes another name.
std::optional<std::u16string_view> numberOf(std::u16string_view name) {
    if (!name.ends_with(kExtension) || name.size() == kExtension.size()) {
        return std::nullopt;
    }
    const std::u16string_view digits = name.substr(0, name.size() - kExtension.size());
    const bool allDigits = std::all_of(digits.begin(), digits.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    if (!allDigits || (digits.size() > 1 && digits.front() == u'0')) {
        return std::nullopt;
    }
    return digits;
}

char16_t foldCase(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

} // namespace

std::filesystem::path noteFileName(std::size_t index) {
    return std::to_string(index) + ".txt";
}

std::optional<std::size_t> noteIndex(const std::filesystem::path& fileName) {
    const std::u16string name = fileName.u16string();
    const std::optional<std::u16string_view> digits = numberOf(name);
    if (!digits || digits->size() > kMostDigits) {
        return std::nullopt;
    }
    std::size_t index = 0;
    for (const char16_t digit : *digits) {
        index = index * 10 + static_cast<std::size_t>(digit - u'0');
    }
    return index;
}

bool comesBeforeInNoteOrder(const std::filesystem::path& a, const std::filesystem::path& b) {
    const std::u16string left = a.filename().u16string();
    const std::u16string right = b.filename().u16string();
    const std::optional<std::u16string_view> leftNumber = numberOf(left);
    const std::optional<std::u16string_view> rightNumber = numberOf(right);
    if (leftNumber && rightNumber) {
        // Without leading zeros a longer number is a larger one, however many digits it has.
        if (leftNumber->size() != rightNumber->size()) {
            return leftNumber->size() < rightNumber->size();
        }
        return *leftNumber < *rightNumber;
    }
    if (leftNumber || rightNumber) {
        return leftNumber.has_value();
    }
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                        [](char16_t x, char16_t y) { return foldCase(x) < foldCase(y); });
}

} // namespace pennoc
