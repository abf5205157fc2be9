#include "todo/CountdownSeconds.h"

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
    if (behind < 2 * kSecond) {
        // Counting on from the counted time rather than from the tick keeps a wobbling tick from showing a
        // second twice or skipping one.
        m_countedTo += kSecond;
        return 1;
    }
    // Qt's timer starts its beat afresh after a tick this late, so the count follows the new beat.
    m_countedTo = boot;
    return (behind + kHalfSecond) / kSecond;
}

} // namespace pennoc
