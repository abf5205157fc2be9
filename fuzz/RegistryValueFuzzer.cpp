// The registry value-data converter for every type: strings are their ANSI bytes, binary texts give back the
// bytes they were written from, numbers their four bytes, and nothing too long is written cut short.
//
// Input: a text ended by "\\ " (UTF-16 code units, low byte first); the last bytes choose the type, the
// bytes and the number (FuzzedDataProvider takes numbers from the end).
#include "FuzzText.h"
#include "Property.h"
#include "windows/core/RegistryValueData.h"

#include <cstdio>

using namespace pennoc;
using namespace pennoc::fuzz;

namespace {

constexpr std::uint32_t kString = 1;
constexpr std::uint32_t kExpandableString = 2;
constexpr std::uint32_t kBinary = 3;
constexpr std::uint32_t kNumber = 4;

// A code page of single bytes that lacks every character above U+00FF.
std::optional<std::string> latin1(std::u16string_view text) {
    std::string bytes;
    for (const char16_t c : text) {
        if (c > 0xFF) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(c));
    }
    return bytes;
}

std::u16string hexText(std::uint64_t value, bool upperCase, int width) {
    char digits[32];
    std::snprintf(digits, sizeof digits, upperCase ? "%0*llX" : "%0*llx", width,
                  static_cast<unsigned long long>(value));
    return std::u16string(digits, digits + std::char_traits<char>::length(digits));
}

void checkAnyText(std::uint32_t type, std::u16string_view text) {
    const std::optional<std::vector<std::uint8_t>> value = registryValueData(type, text, latin1);
    switch (type) {
    case kString:
    case kExpandableString: {
        const std::optional<std::string> ansi = latin1(text.empty() ? u" " : text);
        requireProperty(ansi ? value == std::vector<std::uint8_t>(ansi->begin(), ansi->end()) : !value,
                        "a string value is the text's ANSI bytes, or nothing without them");
        break;
    }
    case kBinary:
        requireProperty(!value || value->size() <= kMaxRegistryBinaryBytes, "a binary value is never too long");
        break;
    case kNumber:
        requireProperty(!value || value->size() == 4, "a number is four bytes");
        break;
    default:
        requireProperty(!value, "no data for an unknown type");
    }
}

void checkBinary(FuzzedDataProvider& input) {
    const bool upperCase = input.ConsumeBool();
    const char16_t separator = input.PickValueInArray({u' ', u'-', u',', u':'});
    const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, kMaxRegistryBinaryBytes + 2);
    std::vector<std::uint8_t> bytes;
    std::u16string text;
    for (std::size_t i = 0; i < count; ++i) {
        bytes.push_back(input.ConsumeIntegral<std::uint8_t>());
        if (i > 0) {
            text += separator;
        }
        text += hexText(bytes.back(), upperCase, 2);
    }
    text.append(input.ConsumeIntegralInRange(0, 3), u' ');
    const std::optional<std::vector<std::uint8_t>> value = registryValueData(kBinary, text, latin1);
    if (bytes.size() > kMaxRegistryBinaryBytes) {
        requireProperty(!value, "a binary value too long is refused whole");
    } else {
        requireProperty(value && *value == bytes, "a binary value is the bytes its text was written from");
    }
}

void checkNumber(FuzzedDataProvider& input) {
    const bool upperCase = input.ConsumeBool();
    const int width = input.ConsumeIntegralInRange(0, 12);
    const bool tooLong = input.ConsumeBool();
    const std::uint32_t number = input.ConsumeIntegral<std::uint32_t>();
    const std::uint64_t written = tooLong ? std::uint64_t{number} | std::uint64_t{1} << 32 : number;
    const std::u16string text = u" " + hexText(written, upperCase, width) + u" ";
    const std::optional<std::vector<std::uint8_t>> value = registryValueData(kNumber, text, latin1);
    if (tooLong) {
        requireProperty(!value, "a number of more than eight digits is refused");
        return;
    }
    const std::vector<std::uint8_t> littleEndian{
        static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
        static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
    requireProperty(value && *value == littleEndian, "a number is its four bytes, low byte first");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint32_t type = input.ConsumeBool() ? input.ConsumeIntegral<std::uint32_t>()
                                                   : input.ConsumeIntegralInRange<std::uint32_t>(0, 5);
    checkAnyText(type, consumeText(input));
    checkBinary(input);
    checkNumber(input);
    return 0;
}
