#include "todo/TodoLine.h"

namespace pennoc {

namespace {

constexpr std::size_t kCountdownPrefixLength = 11;
constexpr std::size_t kShortPrefixLength = 8;

// The characters from 0-based `position` on, at most `length` of them; empty past the end.
std::u16string_view fieldAt(std::u16string_view line, std::size_t position,
                            std::size_t length = std::u16string_view::npos) {
    return position < line.size() ? line.substr(position, length) : std::u16string_view();
}

std::u16string completedLine(std::u16string_view title) {
    std::u16string line;
    line.reserve(kCompletedPrefix.size() + title.size());
    line.append(kCompletedPrefix).append(title);
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
    return fieldAt(line, 2, 8);
}

std::u16string_view titleOf(std::u16string_view line) {
    const bool countdown = classifyTodoLine(line) == TodoLineKind::Countdown;
    return fieldAt(line, countdown ? kCountdownPrefixLength : kShortPrefixLength);
}

std::u16string tickedCountdownLine(std::u16string_view line, std::u16string_view remaining) {
    const std::u16string_view title = fieldAt(line, kCountdownPrefixLength);
    std::u16string ticked;
    ticked.reserve(kCountdownPrefixLength + title.size());
    ticked.append(u"(-").append(remaining).append(u")").append(title);
    return ticked;
}

std::u16string completedCountdownLine(std::u16string_view line) {
    return completedLine(fieldAt(line, kCountdownPrefixLength));
}

std::u16string completedTimeOfDayLine(std::u16string_view line) {
    return completedLine(fieldAt(line, kShortPrefixLength));
}

bool hasCompletedPrefix(std::u16string_view line) {
    return line.starts_with(kCompletedPrefix);
}

} // namespace pennoc
