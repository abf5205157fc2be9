#include "windows/core/RegistryValueData.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Stands in for the ANSI code page: ASCII passes, anything else has no form.
std::optional<std::string> asciiOnly(std::u16string_view text) {
    std::string bytes;
    for (const char16_t c : text) {
        if (c > 0x7F) {
            return std::nullopt;
        }
        bytes += static_cast<char>(c);
    }
    return bytes;
}

std::optional<Bytes> data(std::uint32_t type, std::u16string_view text) {
    return registryValueData(type, text, asciiOnly);
}

TEST(RegistryValueData, StringsAreTheirAnsiBytesWithoutTerminator) {
    EXPECT_EQ(data(1, u"C:\\P\\pennoc.exe"),
              Bytes({'C', ':', '\\', 'P', '\\', 'p', 'e', 'n', 'n', 'o', 'c', '.', 'e', 'x', 'e'}));
    EXPECT_EQ(data(2, u"%TEMP%"), Bytes({'%', 'T', 'E', 'M', 'P', '%'}));
    EXPECT_EQ(data(1, u""), Bytes{' '});
    EXPECT_EQ(data(2, u""), Bytes{' '});
}

TEST(RegistryValueData, StringWithoutAnsiFormIsRefused) {
    EXPECT_EQ(data(1, u"C:\\新建\\pennoc.exe"), std::nullopt);
}

TEST(RegistryValueData, NumberIsHexadecimalLittleEndian) {
    EXPECT_EQ(data(4, u"FF"), Bytes({0xFF, 0x00, 0x00, 0x00}));
    EXPECT_EQ(data(4, u"12345678"), Bytes({0x78, 0x56, 0x34, 0x12}));
    EXPECT_EQ(data(4, u"FFFFFFFF"), Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(data(4, u"80000000"), Bytes({0x00, 0x00, 0x00, 0x80}));
    EXPECT_EQ(data(4, u"0000000000ab"), Bytes({0xAB, 0x00, 0x00, 0x00}));
}

TEST(RegistryValueData, NumberIsReadLeniently) {
    EXPECT_EQ(data(4, u"1G"), Bytes({0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(data(4, u" 1 2\t3\n"), Bytes({0x23, 0x01, 0x00, 0x00}));
    EXPECT_EQ(data(4, u"G1"), Bytes(4, 0x00));
    EXPECT_EQ(data(4, u"-1"), Bytes(4, 0x00));
    EXPECT_EQ(data(4, u""), Bytes(4, 0x00));
    EXPECT_EQ(data(4, u"１"), Bytes(4, 0x00));
}

TEST(RegistryValueData, NumberBeyondThirtyTwoBitsIsRefused) {
    EXPECT_EQ(data(4, u"100000000"), std::nullopt);
    EXPECT_EQ(data(4, u"FFFFFFFFF"), std::nullopt);
}

TEST(RegistryValueData, BinaryTakesOnePairEveryThreeCharacters) {
    EXPECT_EQ(data(3, u"01 02"), Bytes({0x01, 0x02}));
    EXPECT_EQ(data(3, u"0A-0B-0C"), Bytes({0x0A, 0x0B, 0x0C}));
    EXPECT_EQ(data(3, u"1G 2"), Bytes({0x01}));
    EXPECT_EQ(data(3, u"01 02 0"), Bytes({0x01, 0x02}));
    EXPECT_EQ(data(3, u"01 02   "), Bytes({0x01, 0x02}));
    EXPECT_EQ(data(3, u"0"), Bytes{});
    EXPECT_EQ(data(3, u""), Bytes{});
}

TEST(RegistryValueData, BinaryCountsPairsByTrimmedLengthButReadsTheTextAsGiven) {
    // Trimmed "01" has room for one pair, read at the text's first position.
    EXPECT_EQ(data(3, u" 01"), Bytes({0x00}));
}

TEST(RegistryValueData, BinaryBeyondItsLimitIsRefusedNotCut) {
    std::u16string text;
    for (std::size_t i = 0; i < kMaxRegistryBinaryBytes; ++i) {
        text += u"AB ";
    }
    const std::optional<Bytes> largest = data(3, text);
    ASSERT_TRUE(largest);
    EXPECT_EQ(*largest, Bytes(kMaxRegistryBinaryBytes, 0xAB));

    EXPECT_EQ(data(3, text + u"C"), largest);
    EXPECT_EQ(data(3, text + u"CD"), std::nullopt);
}

TEST(RegistryValueData, OtherTypesAreRefused) {
    for (const std::uint32_t type : {0u, 5u, 7u, 11u, 0xFFFFFFFFu}) {
        EXPECT_EQ(data(type, u"01"), std::nullopt) << type;
    }
}

} // namespace
} // namespace pennoc
