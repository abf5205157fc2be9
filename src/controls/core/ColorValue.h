#pragma once

#include <cstdint>

namespace pennoc {

// A colour as the program stores it: red + 256 × green + 65536 × blue, or, with the top bit set, the index
// of a system colour (0x8000000F button face, 0x80000011 grey text, 0x80000015 dark shadow, …).
using ColorValue = std::uint32_t;

constexpr ColorValue rgbValue(int red, int green, int blue) {
    return static_cast<ColorValue>(red) | (static_cast<ColorValue>(green) << 8) | (static_cast<ColorValue>(blue) << 16);
}

constexpr bool isSystemColor(ColorValue value) {
    return (value & 0x80000000u) != 0;
}

namespace colors {
constexpr ColorValue kAccent = rgbValue(51, 153, 255);    // 0x00FF9933, the program's blue
constexpr ColorValue kHoverBlue = rgbValue(98, 176, 255); // the lighter blue under the pointer
constexpr ColorValue kCloseRed = rgbValue(240, 70, 79);   // close box under the pointer
constexpr ColorValue kDangerRed = rgbValue(255, 0, 0);
constexpr ColorValue kWhite = rgbValue(255, 255, 255);
constexpr ColorValue kBlack = rgbValue(0, 0, 0);
constexpr ColorValue kSystemButtonFace = 0x8000000Fu;
constexpr ColorValue kSystemGrayText = 0x80000011u;
constexpr ColorValue kSystemDarkShadow = 0x80000015u;
constexpr ColorValue kSystemWindow = 0x80000005u;
constexpr ColorValue kSystemWindowText = 0x80000008u;
} // namespace colors

} // namespace pennoc
