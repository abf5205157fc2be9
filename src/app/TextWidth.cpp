#include "app/TextWidth.h"

#include "app/AppTexts.h"
#include "app/PlatformServices.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pennoc {

namespace {

constexpr std::pair<char16_t, char16_t> kDoubleByteRanges[] = {
#include "app/Cp936DoubleByteRanges.inc"
};

} // namespace

bool isDoubleByteInCodePage936(char16_t unit) {
    // The ranges are sorted and disjoint: find the first range that does not end before the unit.
    const auto* range = std::lower_bound(std::begin(kDoubleByteRanges), std::end(kDoubleByteRanges), unit,
                                         [](const auto& r, char16_t u) { return r.second < u; });
    return range != std::end(kDoubleByteRanges) && range->first <= unit;
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
    return std::u16string(text.substr(0, taken));
}

std::u16string SetTextLengthFromLeft(PlatformServices& platform, std::u16string_view text, int length) {
    if (length < 1) {
        platform.showErrorMessage(std::u16string(texts::kProgramTitle), u"SetTextLengthFromLeft的Length不能小于1！");
        return {};
    }
    return cutTextToWidth(text, length);
}

} // namespace pennoc
