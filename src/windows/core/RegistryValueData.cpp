#include "windows/core/RegistryValueData.h"

namespace pennoc {

namespace {

constexpr std::uint32_t kString = 1;
constexpr std::uint32_t kExpandableString = 2;
constexpr std::uint32_t kBinary = 3;
constexpr std::uint32_t kNumber = 4;

constexpr int kMaxNumberDigits = 8;

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return -1;
}

// Nothing when the number needs more than eight digits and so would not fit 32 bits.
std::optional<std::uint32_t> readHex(std::u16string_view text) {
    std::uint32_t value = 0;
    int digits = 0;
    for (const char16_t c : text) {
        if (isBlank(c)) {
            continue;
        }
        const int digit = hexDigit(c);
        if (digit < 0) {
            break;
        }
        if (value != 0 || digit != 0) {
            ++digits;
        }
        if (digits > kMaxNumberDigits) {
            return std::nullopt;
        }
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::size_t trimmedLength(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return 0;
    }
    return text.find_last_not_of(u' ') - first + 1;
}

// The pairs are taken from the text as given; only their count follows the trimmed length.
std::optional<std::vector<std::uint8_t>> binaryData(std::u16string_view text) {
    const std::size_t length = trimmedLength(text);
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 2 <= length; i += 3) {
        if (bytes.size() == kMaxRegistryBinaryBytes) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(*readHex(text.substr(i, 2))));
    }
    return bytes;
}

std::optional<std::vector<std::uint8_t>> numberData(std::u16string_view text) {
    const std::optional<std::uint32_t> value = readHex(text);
    if (!value) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>{static_cast<std::uint8_t>(*value), static_cast<std::uint8_t>(*value >> 8),
                                     static_cast<std::uint8_t>(*value >> 16), static_cast<std::uint8_t>(*value >> 24)};
}

std::optional<std::vector<std::uint8_t>> stringData(std::u16string_view text, const AnsiEncoder& toAnsi) {
    const std::optional<std::string> ansi = toAnsi(text);
    if (!ansi) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(ansi->begin(), ansi->end());
}

} // namespace

std::optional<std::vector<std::uint8_t>> registryValueData(std::uint32_t valueType, std::u16string_view text,
                                                           const AnsiEncoder& toAnsi) {
    if (text.empty()) {
        text = u" ";
    }
    switch (valueType) {
    case kString:
    case kExpandableString:
        return stringData(text, toAnsi);
    case kBinary:
        return binaryData(text);
    case kNumber:
        return numberData(text);
    default:
        return std::nullopt;
    }
}

} // namespace pennoc
