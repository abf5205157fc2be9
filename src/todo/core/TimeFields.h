#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pennoc {

// The hours and minutes fields of the time panel hold free text, normally two digits. Every rule here reads
// a field by its leading number, so a stray character never stops the panel from working.

enum class TimingMode { TimeOfDay, Countdown, None };

// Which way the wheel turned: toward the user counts up, away from the user counts down.
enum class WheelTurn { TowardUser, AwayFromUser };

inline constexpr int kMaxHours = 23;
inline constexpr int kMaxMinutes = 59;
inline constexpr std::u16string_view kZeroField = u"00";
// The marker of a field the pointer has last moved over; only such fields follow the wheel.
inline constexpr std::u16string_view kPointerOverMarker = u"1";
// Wheel distance of one notch of a classic mouse wheel.
inline constexpr int kWheelNotch = 120;

// The number at the start of `text`: blanks are skipped, a sign and a decimal point are allowed; a text that
// does not start with a number gives 0. Very long digit runs saturate at a value far above any limit.
double fieldValue(std::u16string_view text);

// The value with at least two digits ("0#"): 7 gives "07", 123 gives "123", -5 gives "-05". Fractions are
// rounded half away from zero first, so 1.5 gives "02" and 0.4 gives "00". `value` must be finite.
std::u16string formatField(double value);

// The correction made after every change of a field: "00" when its value is below 0, the maximum (23 or 59)
// as two digits when above it, nothing otherwise; a single digit or a trailing letter stays as typed.
std::optional<std::u16string> clampField(std::u16string_view text, int maximum);

// One wheel notch on a field: its value one up or one down, as two digits and kept within 0 to `maximum`.
// Nothing when the field's marker is not kPointerOverMarker or its value already sits at the limit.
std::optional<std::u16string> wheelStep(std::u16string_view text, std::u16string_view marker, int maximum,
                                        WheelTurn turn);

// Adds one wheel event's distance to `pendingDelta` and returns the whole notches it completes, negative
// toward the user. The part of a notch left over stays in `pendingDelta`, so fine-grained wheels and
// touchpads step once per kWheelNotch units; turning the other way drops what was left over.
int takeWholeNotches(int& pendingDelta, int delta);

} // namespace pennoc
