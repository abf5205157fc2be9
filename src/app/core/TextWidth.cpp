#include "app/core/TextWidth.h"

#include "controls/core/AppTexts.h"
#include "platform/Dialogs.h"

#include <array>
#include <cstdint>
#include <utility>

namespace pennoc {

namespace {

constexpr std::pair<char16_t, char16_t> kDoubleByteRanges[] = {
#include "app/core/Cp936DoubleByteRanges.inc"
};

// One bit per UTF-16 code unit, built by the compiler from the ranges: a lookup per character instead of a
// search, since titles and widths are measured over whole notes.
constexpr std::array<std::uint64_t, 65536 / 64> buildDoubleByteBits() {
    std::array<std::uint64_t, 65536 / 64> bits{};
    for (const auto& [first, last] : kDoubleByteRanges) {
        for (std::uint32_t unit = first; unit <= last; ++unit) {
            bits[unit / 64] |= std::uint64_t{1} << (unit % 64);
        }
    }
    return bits;
}

constexpr std::array<std::uint64_t, 65536 / 64> kDoubleByteBits = buildDoubleByteBits();

} // namespace

bool isDoubleByteInCodePage936(char16_t unit) {
    return (kDoubleByteBits[unit / 64] >> (unit % 64)) & 1u;
}

int GetTextLength(std::u16string_view text) {
    int width = 0;
    for (const char16_t unit : text) {
        width += isDoubleByteInCodePage936(unit) ? 2 : 1;
    }
    return width;
}

std::u16string cutTextToWidth(std::u16string_view text, int length) {
    if (GetTextLength(text) < length) {
        return std::u16string(text);
    }
    int used = 0;
    std::size_t taken = 0;
    for (const char16_t unit : text) {
        const int cells = isDoubleByteInCodePage936(unit) ? 2 : 1;
        if (used + cells > length) {
            break;
        }
        used += cells;
        ++taken;
        if (used == length) {
            break;
        }
    }
    // Half a surrogate pair is no character: the pair goes as a whole. A lone surrogate fits like any unit.
    if (taken > 0 && taken < text.size() && text[taken - 1] >= 0xD800 && text[taken - 1] <= 0xDBFF &&
        text[taken] >= 0xDC00 && text[taken] <= 0xDFFF) {
        --taken;
    }
    return std::u16string(text.substr(0, taken));
}

std::u16string SetTextLengthFromLeft(Dialogs& dialogs, std::u16string_view text, int length) {
    if (length < 1) {
        dialogs.showErrorMessage(std::u16string(texts::kProgramTitle), u"SetTextLengthFromLeft的Length不能小于1！");
        return {};
    }
    return cutTextToWidth(text, length);
}

} // namespace pennoc
