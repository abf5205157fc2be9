// The program's GB18030 codec on standard input, for gb18030_reference_test.py.
// "encode": UTF-16LE in, GB18030 out; exit status 1 when the codec refuses the text.
// "decode": records of a 32-bit little-endian length and that many bytes in; for each, a byte 1 (valid) or 0,
// then the UTF-16LE reading with its length in code units the same way.
#include "app/core/Gb18030.h"

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

namespace {

void writeLength(std::uint32_t length) {
    for (int shift = 0; shift < 32; shift += 8) {
        std::cout.put(static_cast<char>(length >> shift & 0xFF));
    }
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::string input{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "encode") {
        std::u16string text;
        for (std::size_t at = 0; at + 1 < input.size(); at += 2) {
            text += static_cast<char16_t>(static_cast<unsigned char>(input[at]) |
                                          static_cast<unsigned char>(input[at + 1]) << 8);
        }
        std::string bytes;
        const bool encoded = pennoc::gb18030::encode(text, bytes);
        std::cout << bytes;
        return encoded ? 0 : 1;
    }
    for (std::size_t at = 0; at + 4 <= input.size();) {
        std::uint32_t length = 0;
        for (int i = 3; i >= 0; --i) {
            length = length << 8 | static_cast<unsigned char>(input[at + i]);
        }
        std::u16string text;
        const bool valid = pennoc::gb18030::decode(std::string_view(input).substr(at + 4, length), text);
        at += 4 + length;
        std::cout.put(valid ? 1 : 0);
        writeLength(static_cast<std::uint32_t>(text.size()));
        for (const char16_t unit : text) {
            std::cout.put(static_cast<char>(unit & 0xFF)).put(static_cast<char>(unit >> 8));
        }
    }
    return mode == "decode" ? 0 : 2;
}
