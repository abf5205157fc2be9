#pragma once

#include <string>
#include <string_view>

namespace pennoc {

// The display line of a to-do entry carries the entry's whole timing state in one of four forms:
//   countdown     "(-hh:mm:ss)" + title   (time still to run)
//   time of day   "(+hh:mm)" + title      (due time, 24-hour clock)
//   untimed       "(没有设定时间)" + title
//   completed     "(已经完成项目)" + title
// Every reader takes its field at fixed positions (UTF-16 code units), never by looking for separators, so a
// title may hold any character. On a line too short for a field the field is cut short, never an error.

inline constexpr std::u16string_view kUntimedPrefix = u"(没有设定时间)";
inline constexpr std::u16string_view kCompletedPrefix = u"(已经完成项目)";
// The remaining time a countdown shows for one tick before it completes.
inline constexpr std::u16string_view kCountdownEnd = u"00:00:00";

enum class TodoLineKind { Untimed, Completed, TimeOfDay, Countdown };

// Untimed or completed by the status field (positions 2 to 7); otherwise a time of day when the sign is "+",
// and a countdown for any other sign.
TodoLineKind classifyTodoLine(std::u16string_view line);

// Positions 2 to 7: a marker text, or the sign followed by hh ":" mm.
std::u16string_view statusFieldOf(std::u16string_view line);
// Position 2; a NUL character when the line is shorter.
char16_t signOf(std::u16string_view line);
// Positions 3 to 7: hh ":" mm, the due time of a time-of-day line.
std::u16string_view dueTimeOf(std::u16string_view line);
// Positions 3 to 10: hh ":" mm ":" ss, the time still to run of a countdown line.
std::u16string_view remainingTimeOf(std::u16string_view line);
// Everything after the prefix: from position 12 for a countdown, from position 9 for the other forms.
std::u16string_view titleOf(std::u16string_view line);

// The lines "保存" writes: "(没有设定时间)" + title, "(+" + hh:mm + ")" + title, "(-" + hh:mm:ss + ")" + title.
std::u16string untimedLine(std::u16string_view title);
std::u16string timeOfDayLine(std::u16string_view dueTime, std::u16string_view title);
std::u16string countdownLine(std::u16string_view remaining, std::u16string_view title);

// The three rewrites the clock makes; each keeps the title of `line` unchanged.
// A countdown one tick on: "(-" + remaining + ")" + title.
std::u16string tickedCountdownLine(std::u16string_view line, std::u16string_view remaining);
// Where tickedCountdownLine puts the remaining time.
inline constexpr std::size_t kRemainingTimePosition = 2;
// Whether `line` has the form tickedCountdownLine gives, so that the next tick changes only its remaining time.
bool hasTickedCountdownForm(std::u16string_view line);
// A countdown that has run out, and a time of day that has come: "(已经完成项目)" + title.
std::u16string completedCountdownLine(std::u16string_view line);
std::u16string completedTimeOfDayLine(std::u16string_view line);

// The test "清空已完成" uses: the first eight characters are exactly "(已经完成项目)".
bool hasCompletedPrefix(std::u16string_view line);

} // namespace pennoc
