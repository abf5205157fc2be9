#pragma once

#include <string>

namespace pennoc {

// Standard error, for failures that must not go unnoticed even when no window can show them.
class Console {
public:
    virtual ~Console() = default;

    // One line.
    virtual void reportToConsole(const std::u16string& text) = 0;
};

} // namespace pennoc
