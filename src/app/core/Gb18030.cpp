#include "app/core/Gb18030.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>

namespace pennoc::gb18030 {

namespace {

// Two-byte sequences: a lead byte 0x81 to 0xFE, then a trail byte 0x40 to 0x7E or 0x80 to 0xFE.
constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kTrailsPerLead = 190;
constexpr std::uint16_t kTwoByteUnits[] = {
#include "app/core/Gb18030TwoByteTable.inc"
};
static_assert(std::size(kTwoByteUnits) == (0xFE - kFirstLead + 1) * kTrailsPerLead);

// Four-byte sequences: the basic plane's code units outside the two-byte table, in runs, then the planes above
// it in one line from 0x90308130 on.
struct FourByteRun {
    std::uint32_t index;
    char16_t first;
};
constexpr FourByteRun kFourByteRuns[] = {
#include "app/core/Gb18030FourByteRanges.inc"
};
constexpr std::uint32_t kBasicPlaneIndices = 39420;
constexpr std::uint32_t kSupplementaryStart = 189000;
constexpr char32_t kFirstSupplementary = 0x10000;
constexpr char32_t kLastCodePoint = 0x10FFFF;

constexpr char16_t kReplacement = u'\uFFFD';

constexpr bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The two bytes (lead << 8 | trail) of each code unit that has them, else 0; built by the compiler, so an
// encode looks up instead of searching.
constexpr std::array<std::uint16_t, 0x10000> buildTwoByteCodes() {
    std::array<std::uint16_t, 0x10000> codes{};
    for (unsigned at = 0; at < std::size(kTwoByteUnits); ++at) {
        const unsigned lead = kFirstLead + at / kTrailsPerLead;
        const unsigned offset = at % kTrailsPerLead;
        const unsigned trail = offset + (offset < 0x3F ? 0x40 : 0x41);
        codes[kTwoByteUnits[at]] = static_cast<std::uint16_t>(lead << 8 | trail);
    }
    return codes;
}
constexpr std::array<std::uint16_t, 0x10000> kTwoByteCodes = buildTwoByteCodes();

std::optional<char16_t> twoByteUnit(unsigned lead, unsigned trail) {
    if (trail < 0x40 || trail == 0x7F || trail > 0xFE) {
        return std::nullopt;
    }
    return kTwoByteUnits[(lead - kFirstLead) * kTrailsPerLead + trail - (trail < 0x7F ? 0x40 : 0x41)];
}

std::optional<char32_t> fourByteCodePoint(std::uint32_t index) {
    if (index < kBasicPlaneIndices) {
        const auto run = std::prev(std::upper_bound(std::begin(kFourByteRuns), std::end(kFourByteRuns), index,
                                                    [](std::uint32_t i, const FourByteRun& r) { return i < r.index; }));
        return run->first + (index - run->index);
    }
    if (index >= kSupplementaryStart && index - kSupplementaryStart <= kLastCodePoint - kFirstSupplementary) {
        return kFirstSupplementary + (index - kSupplementaryStart);
    }
    return std::nullopt;
}

std::uint32_t fourByteIndex(char32_t codePoint) {
    if (codePoint >= kFirstSupplementary) {
        return kSupplementaryStart + (codePoint - kFirstSupplementary);
    }
    const auto run = std::prev(std::upper_bound(std::begin(kFourByteRuns), std::end(kFourByteRuns), codePoint,
                                                [](char32_t c, const FourByteRun& r) { return c < r.first; }));
    return run->index + (codePoint - run->first);
}

void appendFourBytes(std::uint32_t index, std::string& bytes) {
    const char b4 = static_cast<char>(0x30 + index % 10);
    index /= 10;
    const char b3 = static_cast<char>(0x81 + index % 126);
    index /= 126;
    const char b2 = static_cast<char>(0x30 + index % 10);
    const char b1 = static_cast<char>(0x81 + index / 10);
    bytes += {b1, b2, b3, b4};
}

void appendUtf16(char32_t codePoint, std::u16string& text) {
    if (codePoint < kFirstSupplementary) {
        text += static_cast<char16_t>(codePoint);
        return;
    }
    const char32_t above = codePoint - kFirstSupplementary;
    text += static_cast<char16_t>(0xD800 + (above >> 10));
    text += static_cast<char16_t>(0xDC00 + (above & 0x3FF));
}

bool isDigit(unsigned byte) {
    return byte >= 0x30 && byte <= 0x39;
}

bool isLead(unsigned byte) {
    return byte >= kFirstLead && byte <= 0xFE;
}

// The code point of the sequence at the start of `bytes` and its length; nothing when none starts there.
std::optional<std::pair<char32_t, std::size_t>> sequenceAt(std::string_view bytes) {
    const auto byte = [&](std::size_t at) { return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0u; };
    const unsigned lead = byte(0);
    if (lead < 0x80) {
        return std::pair{char32_t{lead}, std::size_t{1}};
    }
    if (!isLead(lead) || bytes.size() < 2) {
        return std::nullopt;
    }
    if (!isDigit(byte(1))) {
        const auto unit = twoByteUnit(lead, byte(1));
        return unit ? std::optional{std::pair{char32_t{*unit}, std::size_t{2}}} : std::nullopt;
    }
    if (!isLead(byte(2)) || !isDigit(byte(3))) {
        return std::nullopt;
    }
    const std::uint32_t index = (((lead - 0x81) * 10 + byte(1) - 0x30) * 126 + byte(2) - 0x81) * 10 + byte(3) - 0x30;
    const auto codePoint = fourByteCodePoint(index);
    return codePoint ? std::optional{std::pair{*codePoint, std::size_t{4}}} : std::nullopt;
}

} // namespace

bool encode(std::u16string_view text, std::string& bytes) {
    bytes.clear();
    bytes.reserve(text.size() * 2);
    for (std::size_t at = 0; at < text.size(); ++at) {
        char32_t unit = text[at];
        if (unit < 0x80) {
            bytes += static_cast<char>(unit);
        } else if (const std::uint16_t code = kTwoByteCodes[unit]) {
            bytes += {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        } else if (isHighSurrogate(unit) && at + 1 < text.size() && isLowSurrogate(text[at + 1])) {
            const char32_t low = text[++at];
            appendFourBytes(fourByteIndex(kFirstSupplementary + ((unit - 0xD800) << 10) + (low - 0xDC00)), bytes);
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            bytes.clear();
            return false;
        } else {
            appendFourBytes(fourByteIndex(unit), bytes);
        }
    }
    return true;
}

bool decode(std::string_view bytes, std::u16string& text) {
    text.clear();
    text.reserve(bytes.size());
    bool valid = true;
    for (std::size_t at = 0; at < bytes.size();) {
        if (const auto sequence = sequenceAt(bytes.substr(at))) {
            appendUtf16(sequence->first, text);
            at += sequence->second;
        } else {
            text += kReplacement;
            valid = false;
            ++at;
        }
    }
    return valid;
}

} // namespace pennoc::gb18030
