#pragma once

#include <string>
#include <string_view>

namespace pennoc {

// A reminder's action as stored with it: one type character followed by the payload, stored as it is.
struct TaskAction {
    // The numbers are the stored type digits.
    enum class Type { Popup = 0, PlaySound = 1, HiddenCommand = 2, OpenWithSystem = 3, None };

    // The type is the leading numeric value of the first character: "0" to "3" as above, "4" to "9" run
    // nothing, and any other character (or none) counts as 0. The payload is everything after the first
    // character, possibly empty.
    static TaskAction read(std::u16string_view action);

    Type type = Type::Popup;
    std::u16string payload;
};

} // namespace pennoc
