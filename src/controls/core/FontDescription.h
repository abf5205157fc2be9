#pragma once

#include <string>
#include <vector>

namespace pennoc {

// A font as the property store keeps it: enough to rebuild the face without a window system.
struct FontDescription {
    std::vector<std::u16string> families; // in order of preference
    double pointSize = 12.0;
    int weight = 400; // 100 thin … 400 normal … 700 bold … 900 black
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontDescription&) const = default;
};

} // namespace pennoc
