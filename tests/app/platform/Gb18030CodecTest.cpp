#include "app/platform/Gb18030Codec.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace pennoc {
namespace {

// What earlier versions wrote through ICU on Linux and code page 54936 on Windows, so that their files read
// and save as before on either system. Only characters that every GB18030 table maps alike: one-, two- and
// four-byte forms, inside the basic plane and beyond it.
const std::vector<std::pair<std::u16string, std::string>> kEarlierBytes = {
    {u"Pennoc 1.0\r\n", "Pennoc 1.0\r\n"},
    {u"记事本 便笺", "\xBC\xC7\xCA\xC2\xB1\xBE \xB1\xE3\xBC\xE3"},
    {u"é ¤ ¥", "\xA8\xA6 \xA1\xE8 \x81\x30\x84\x36"},
    {u"ㄅ‰€", "\xA8\xC5\xA1\xEB\xA2\xE3"},
    {u"\u0080한글", "\x81\x30\x81\x30\x83\x36\x84\x33\x82\x38\x84\x37"},
    {u"😀𠀀", "\x94\x39\xFC\x36\x95\x32\x82\x36"},
};

TEST(Gb18030Codec, WritesAndReadsTheSameBytesAsEarlierVersions) {
    const Gb18030Codec codec;
    for (const auto& [text, bytes] : kEarlierBytes) {
        std::string encoded;
        EXPECT_TRUE(codec.encode(text, encoded));
        EXPECT_EQ(encoded, bytes);
        std::u16string decoded;
        EXPECT_TRUE(codec.decode(bytes, decoded));
        EXPECT_EQ(decoded, text);
    }
}

} // namespace
} // namespace pennoc
