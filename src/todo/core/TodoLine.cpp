#include "todo/core/TodoLine.h"

namespace pennoc {

namespace {

constexpr std::size_t kCountdownPrefixLength = 11;
constexpr std::size_t kShortPrefixLength = 8;

// The characters from 0-based `position` on, at most `length` of them; empty past the end.
std::u16string_view fieldAt(std::u16string_view line, std::size_t position,
                            std::size_t length = std::u16string_view::npos) {
    return position < line.size() ? line.substr(position, length) : std::u16string_view();
}

std::u16string joined(std::u16string_view prefix, std::u16string_view title) {
    std::u16string line;
    line.reserve(prefix.size() + title.size());
    line.append(prefix).append(title);
    return line;
}

// A timed prefix: the sign and the time in brackets.
std::u16string timedLine(char16_t sign, std::u16string_view time, std::u16string_view title) {
    std::u16string line;
    line.reserve(3 + time.size() + title.size());
    line.append(u"(").append(1, sign).append(time).append(u")").append(title);
    return line;
}

} // namespace

TodoLineKind classifyTodoLine(std::u16string_view line) {
    const std::u16string_view status = statusFieldOf(line);
    if (status == kUntimedPrefix.substr(1, 6)) {
        return TodoLineKind::Untimed;
    }
    if (status == kCompletedPrefix.substr(1, 6)) {
        return TodoLineKind::Completed;
    }
    return signOf(line) == u'+' ? TodoLineKind::TimeOfDay : TodoLineKind::Countdown;
}

std::u16string_view statusFieldOf(std::u16string_view line) {
    return fieldAt(line, 1, 6);
}

char16_t signOf(std::u16string_view line) {
    return line.size() > 1 ? line[1] : u'\0';
}

std::u16string_view dueTimeOf(std::u16string_view line) {
    return fieldAt(line, 2, 5);
}

std::u16string_view remainingTimeOf(std::u16string_view line) {
    return fieldAt(line, kRemainingTimePosition, kCountdownEnd.size());
}

std::u16string_view titleOf(std::u16string_view line) {
    const bool countdown = classifyTodoLine(line) == TodoLineKind::Countdown;
    return fieldAt(line, countdown ? kCountdownPrefixLength : kShortPrefixLength);
}

std::u16string untimedLine(std::u16string_view title) {
    return joined(kUntimedPrefix, title);
}

std::u16string timeOfDayLine(std::u16string_view dueTime, std::u16string_view title) {
    return timedLine(u'+', dueTime, title);
}

std::u16string countdownLine(std::u16string_view remaining, std::u16string_view title) {
    return timedLine(u'-', remaining, title);
}

std::u16string tickedCountdownLine(std::u16string_view line, std::u16string_view remaining) {
    return countdownLine(remaining, fieldAt(line, kCountdownPrefixLength));
}

bool hasTickedCountdownForm(std::u16string_view line) {
    return line.size() >= kCountdownPrefixLength && line[0] == u'(' && line[1] == u'-' &&
           line[kCountdownPrefixLength - 1] == u')';
}

std::u16string completedCountdownLine(std::u16string_view line) {
    return joined(kCompletedPrefix, fieldAt(line, kCountdownPrefixLength));
}

std::u16string completedTimeOfDayLine(std::u16string_view line) {
    return joined(kCompletedPrefix, fieldAt(line, kShortPrefixLength));
}

bool hasCompletedPrefix(std::u16string_view line) {
    return line.starts_with(kCompletedPrefix);
}

} // namespace pennoc
