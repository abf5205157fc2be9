#pragma once

#include <cstdint>
#include <vector>

namespace pennoc {

inline constexpr int kBeepToneRate = 48000;

// Our beep: a short bright tone at kBeepToneRate samples a second, mono, faded in and out so it does not click.
std::vector<std::int16_t> beepTone();

} // namespace pennoc
