#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pennoc {

// The remaining time "hh:mm:ss" one second earlier, in the same form (each number at least two digits).
// The three numbers are read as leading decimal numbers at positions 1-2, 4-5 and 7-8. "00:00:00" stays
// "00:00:00": a countdown that has run out is completed, never counted further.
std::u16string CountDownOneSecond(std::u16string_view remaining);

// `remaining` after `seconds` calls of CountDownOneSecond, worked out at once; `seconds` ≥ 1.
std::u16string CountDownSeconds(std::u16string_view remaining, std::int64_t seconds);
// "hh:mm:ss" off the heap, for the clock that counts thousands of countdowns down each second.
using RemainingText = std::array<char16_t, 8>;
// CountDownSeconds without an allocation.
RemainingText countedDownText(std::u16string_view remaining, std::int64_t seconds);
// The calls of CountDownOneSecond that take `remaining` to "00:00:00": none for "00:00:00" itself, at least
// one for any other text.
std::int64_t secondsToZero(std::u16string_view remaining);

} // namespace pennoc
