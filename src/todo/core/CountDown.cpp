#include "todo/core/CountDown.h"

namespace pennoc {

namespace {

// The leading decimal number of the field at 0-based `position`, two characters wide; 0 without digits.
int numberAt(std::u16string_view text, std::size_t position) {
    int value = 0;
    for (std::size_t i = position; i < position + 2 && i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
    }
    return value;
}

// Every value here is read from a two-digit field or is 59, so it never needs a third digit.
void appendTwoDigits(std::u16string& text, int value) {
    text.push_back(static_cast<char16_t>(u'0' + value / 10));
    text.push_back(static_cast<char16_t>(u'0' + value % 10));
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
    std::u16string earlier;
    earlier.reserve(8);
    appendTwoDigits(earlier, hours);
    earlier.push_back(u':');
    appendTwoDigits(earlier, minutes);
    earlier.push_back(u':');
    appendTwoDigits(earlier, seconds);
    return earlier;
}

} // namespace pennoc
