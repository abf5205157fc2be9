#include "todo/core/CountdownSeconds.h"

namespace pennoc {

namespace {

using std::chrono::milliseconds;

constexpr milliseconds kSecond{1000};
constexpr milliseconds kHalfSecond{500};

} // namespace

CountdownSeconds::CountdownSeconds(milliseconds boot)
    : m_countedTo(boot) {}

std::int64_t CountdownSeconds::tick(milliseconds boot) {
    const milliseconds behind = boot - m_countedTo;
    if (behind < kHalfSecond) {
        return 0;
    }
    // A wobbling tick counts one second on from the counted time rather than from itself, so it neither shows
    // a second twice nor skips one.
    const std::int64_t seconds = behind < 2 * kSecond ? 1 : behind / kSecond;
    m_countedTo += seconds * kSecond;
    return seconds;
}

} // namespace pennoc
