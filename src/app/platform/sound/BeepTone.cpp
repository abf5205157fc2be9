#include "app/platform/sound/BeepTone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pennoc {

std::vector<std::int16_t> beepTone() {
    constexpr double kPitch = 1320.0;
    constexpr double kSeconds = 0.16;
    constexpr double kFadeSeconds = 0.01;
    constexpr double kLoudness = 0.4 * 32767;
    const int count = static_cast<int>(kSeconds * kBeepToneRate);
    const int fade = static_cast<int>(kFadeSeconds * kBeepToneRate);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double envelope = std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(count - i) / fade});
        const double wave = std::sin(2 * std::numbers::pi * kPitch * i / kBeepToneRate);
        samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(std::lround(kLoudness * envelope * wave));
    }
    return samples;
}

} // namespace pennoc
