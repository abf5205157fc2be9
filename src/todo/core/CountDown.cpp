#include "todo/core/CountDown.h"

#include <algorithm>

namespace pennoc {

namespace {

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kSecondsPerHour = 3600;

// The leading decimal number of the field at 0-based `position`, two characters wide; 0 without digits.
int numberAt(std::u16string_view text, std::size_t position) {
    int value = 0;
    for (std::size_t i = position; i < position + 2 && i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
    }
    return value;
}

// Every value here is read from a two-digit field or is 59, so it never needs a third digit.
void putTwoDigits(char16_t* digits, std::int64_t value) {
    digits[0] = static_cast<char16_t>(u'0' + value / 10);
    digits[1] = static_cast<char16_t>(u'0' + value % 10);
}

RemainingText remainingText(std::int64_t hours, std::int64_t minutes, std::int64_t seconds) {
    RemainingText text{};
    putTwoDigits(&text[0], hours);
    text[2] = u':';
    putTwoDigits(&text[3], minutes);
    text[5] = u':';
    putTwoDigits(&text[6], seconds);
    return text;
}

std::u16string toString(const RemainingText& text) {
    return {text.begin(), text.end()};
}

} // namespace

std::u16string CountDownOneSecond(std::u16string_view remaining) {
    int hours = numberAt(remaining, 0);
    int minutes = numberAt(remaining, 3);
    int seconds = numberAt(remaining, 6);
    if (hours > 0 || minutes > 0 || seconds > 0) {
        if (--seconds < 0) {
            seconds = 59;
            --minutes;
        }
        if (minutes < 0) {
            minutes = 59;
            --hours;
        }
    }
    return toString(remainingText(hours, minutes, seconds));
}

std::u16string CountDownSeconds(std::u16string_view remaining, std::int64_t seconds) {
    return toString(countedDownText(remaining, seconds));
}

RemainingText countedDownText(std::u16string_view remaining, std::int64_t seconds) {
    std::int64_t hours = numberAt(remaining, 0);
    std::int64_t minutes = numberAt(remaining, 3);
    std::int64_t secondsField = numberAt(remaining, 6);
    // A field above 59 is counted down as it stands until it wraps; each wrap leaves 59.
    if (seconds <= secondsField) {
        return remainingText(hours, minutes, secondsField - seconds);
    }
    seconds -= secondsField;
    if (seconds <= minutes * kSecondsPerMinute) {
        const std::int64_t left = minutes * kSecondsPerMinute - seconds;
        return remainingText(hours, left / kSecondsPerMinute, left % kSecondsPerMinute);
    }
    seconds -= minutes * kSecondsPerMinute;
    const std::int64_t left = seconds < hours * kSecondsPerHour ? hours * kSecondsPerHour - seconds : 0;
    return remainingText(left / kSecondsPerHour, left % kSecondsPerHour / kSecondsPerMinute, left % kSecondsPerMinute);
}

std::int64_t secondsToZero(std::u16string_view remaining) {
    if (remaining == u"00:00:00") {
        return 0;
    }
    // Text whose numbers are all zero still takes a call to become "00:00:00".
    return std::max<std::int64_t>(1, numberAt(remaining, 0) * kSecondsPerHour +
                                         numberAt(remaining, 3) * kSecondsPerMinute + numberAt(remaining, 6));
}

} // namespace pennoc
