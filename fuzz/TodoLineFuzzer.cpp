// Reminder lines: the fixed-position readers take back what each of the four forms was built from, the
// three rewrites keep the title, and CountDownOneSecond takes exactly one second off any "hh:mm:ss".
//
// Input: a title ended by "\\ ", a line, then one byte each for seconds, minutes and hours (byte % 100);
// texts are UTF-16 code units, low byte first.
#include "FuzzText.h"
#include "Property.h"
#include "todo/core/CountDown.h"
#include "todo/core/TodoLine.h"

using namespace pennoc;
using namespace pennoc::fuzz;

namespace {

std::u16string twoDigits(int value) {
    return {static_cast<char16_t>(u'0' + value / 10), static_cast<char16_t>(u'0' + value % 10)};
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// "hh:mm:ss" with digits only; the seconds it stands for, or -1 for any other text.
int secondsOf(std::u16string_view time) {
    if (time.size() != 8 || time[2] != u':' || time[5] != u':') {
        return -1;
    }
    for (const std::size_t i : {0, 1, 3, 4, 6, 7}) {
        if (!isDigit(time[i])) {
            return -1;
        }
    }
    const auto number = [&](std::size_t i) { return (time[i] - u'0') * 10 + (time[i + 1] - u'0'); };
    return number(0) * 3600 + number(3) * 60 + number(6);
}

void checkReaders(std::u16string_view line) {
    const std::u16string_view title = titleOf(line);
    requireProperty(line.ends_with(title), "the title is the end of the line");
    switch (classifyTodoLine(line)) {
    case TodoLineKind::Countdown: {
        const std::u16string remaining = CountDownOneSecond(remainingTimeOf(line));
        requireProperty(secondsOf(remaining) >= 0, "a countdown always shows hh:mm:ss");
        const std::u16string ticked = tickedCountdownLine(line, remaining);
        requireProperty(classifyTodoLine(ticked) == TodoLineKind::Countdown, "a ticked countdown stays a countdown");
        requireProperty(remainingTimeOf(ticked) == remaining, "a ticked countdown shows its new time");
        requireProperty(titleOf(ticked) == title, "a tick keeps the title");
        const std::u16string completed = completedCountdownLine(line);
        requireProperty(hasCompletedPrefix(completed), "a countdown that ran out is completed");
        requireProperty(titleOf(completed) == title, "completing a countdown keeps the title");
        break;
    }
    case TodoLineKind::TimeOfDay: {
        const std::u16string completed = completedTimeOfDayLine(line);
        requireProperty(hasCompletedPrefix(completed), "a time of day that came is completed");
        requireProperty(titleOf(completed) == title, "completing a time of day keeps the title");
        break;
    }
    case TodoLineKind::Untimed:
    case TodoLineKind::Completed:
        break;
    }
}

void checkBuiltLines(std::u16string_view title, int hours, int minutes, int seconds) {
    const std::u16string dueTime = twoDigits(hours) + u":" + twoDigits(minutes);
    const std::u16string remaining = dueTime + u":" + twoDigits(seconds);

    const std::u16string countdown = u"(-" + remaining + u")" + std::u16string(title);
    requireProperty(classifyTodoLine(countdown) == TodoLineKind::Countdown, "a countdown line reads as one");
    requireProperty(remainingTimeOf(countdown) == remaining, "a countdown line gives back its time");
    requireProperty(titleOf(countdown) == title, "a countdown line gives back its title");

    const std::u16string timeOfDay = u"(+" + dueTime + u")" + std::u16string(title);
    requireProperty(classifyTodoLine(timeOfDay) == TodoLineKind::TimeOfDay, "a time-of-day line reads as one");
    requireProperty(dueTimeOf(timeOfDay) == dueTime, "a time-of-day line gives back its time");
    requireProperty(titleOf(timeOfDay) == title, "a time-of-day line gives back its title");

    const std::u16string untimed = std::u16string(kUntimedPrefix) + std::u16string(title);
    requireProperty(classifyTodoLine(untimed) == TodoLineKind::Untimed, "an untimed line reads as one");
    requireProperty(titleOf(untimed) == title, "an untimed line gives back its title");

    const std::u16string completed = std::u16string(kCompletedPrefix) + std::u16string(title);
    requireProperty(classifyTodoLine(completed) == TodoLineKind::Completed, "a completed line reads as one");
    requireProperty(hasCompletedPrefix(completed), "a completed line has the completed prefix");
    requireProperty(titleOf(completed) == title, "a completed line gives back its title");

    const int before = secondsOf(remaining);
    requireProperty(secondsOf(CountDownOneSecond(remaining)) == std::max(before - 1, 0),
                    "a countdown takes off one second and stops at zero");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int hours = input.ConsumeIntegralInRange(0, 99);
    const int minutes = input.ConsumeIntegralInRange(0, 99);
    const int seconds = input.ConsumeIntegralInRange(0, 99);
    const std::u16string title = consumeText(input);
    const std::u16string line = consumeRemainingText(input);

    checkReaders(line);
    checkReaders(title);
    checkBuiltLines(title, hours, minutes, seconds);
    requireProperty(secondsOf(CountDownOneSecond(line)) >= 0, "a countdown of any text shows hh:mm:ss");
    return 0;
}
