#include "todo/core/DueMinutes.h"

namespace pennoc {

namespace {

constexpr int kMinutesPerDay = 24 * 60;

std::optional<int> twoDigits(std::u16string_view text) {
    if (text.size() != 2 || text[0] < u'0' || text[0] > u'9' || text[1] < u'0' || text[1] > u'9') {
        return std::nullopt;
    }
    return (text[0] - u'0') * 10 + (text[1] - u'0');
}

} // namespace

std::int64_t wallMinuteOf(Clocks::WallTime time) {
    return std::chrono::floor<std::chrono::minutes>(time).time_since_epoch().count();
}

std::optional<int> minuteOfDay(std::u16string_view dueTime) {
    if (dueTime.size() != 5 || dueTime[2] != u':') {
        return std::nullopt;
    }
    const std::optional<int> hours = twoDigits(dueTime.substr(0, 2));
    const std::optional<int> minutes = twoDigits(dueTime.substr(3, 2));
    if (!hours || !minutes || *hours > 23 || *minutes > 59) {
        return std::nullopt;
    }
    return *hours * 60 + *minutes;
}

std::optional<std::int64_t> latestMinuteAt(int minuteOfDay, std::int64_t first, std::int64_t last) {
    const std::int64_t lastOfDay = ((last % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
    const std::int64_t latest = last - ((lastOfDay - minuteOfDay + kMinutesPerDay) % kMinutesPerDay);
    if (latest < first) {
        return std::nullopt;
    }
    return latest;
}

} // namespace pennoc
