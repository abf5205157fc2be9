#include "todo/core/TimeFields.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace pennoc {

namespace {

// Far above both limits, so saturating here never changes a clamp or a wheel step.
constexpr double kSaturatedValue = 1e9;

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

double fieldValue(std::u16string_view text) {
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i])) {
            ++i;
        }
    };
    skipBlanks();
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
        skipBlanks();
    }
    double value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        value = std::min(value * 10 + (text[i] - u'0'), kSaturatedValue);
    }
    if (i < text.size() && text[i] == u'.') {
        double scale = 0.1;
        for (++i; i < text.size() && isDigit(text[i]); ++i, scale /= 10) {
            value += (text[i] - u'0') * scale;
        }
    }
    return negative ? -value : value;
}

std::u16string formatField(double value) {
    const double rounded = std::round(value);
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", std::fabs(rounded));
    std::u16string text;
    if (rounded < 0) {
        text.push_back(u'-');
    }
    if (digits[1] == '\0') {
        text.push_back(u'0');
    }
    for (const char* c = digits; *c != '\0'; ++c) {
        text.push_back(static_cast<char16_t>(*c));
    }
    return text;
}

std::optional<std::u16string> clampField(std::u16string_view text, int maximum) {
    const double value = fieldValue(text);
    if (value < 0) {
        return std::u16string(kZeroField);
    }
    if (value > maximum) {
        return formatField(maximum);
    }
    return std::nullopt;
}

std::optional<std::u16string> wheelStep(std::u16string_view text, std::u16string_view marker, int maximum,
                                        WheelTurn turn) {
    if (marker != kPointerOverMarker) {
        return std::nullopt;
    }
    const double value = fieldValue(text);
    // A fractional value may sit less than one from a limit; the step still stops there.
    if (turn == WheelTurn::TowardUser) {
        return value < maximum ? std::optional(formatField(std::min(value + 1, double(maximum)))) : std::nullopt;
    }
    return value > 0 ? std::optional(formatField(std::max(value - 1, 0.0))) : std::nullopt;
}

int takeWholeNotches(int& pendingDelta, int delta) {
    if ((pendingDelta < 0 && delta > 0) || (pendingDelta > 0 && delta < 0)) {
        pendingDelta = 0;
    }
    const long long total = static_cast<long long>(pendingDelta) + delta;
    const long long notches = total / kWheelNotch;
    pendingDelta = static_cast<int>(total - notches * kWheelNotch);
    return static_cast<int>(notches);
}

} // namespace pennoc
