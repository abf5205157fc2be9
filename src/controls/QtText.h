#pragma once

#include <QString>
#include <filesystem>
#include <string_view>

namespace pennoc {

// The core's UTF-16 texts and paths as Qt strings.
inline QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString pathToQString(const std::filesystem::path& path) {
    return toQString(std::u16string_view(path.u16string()));
}

} // namespace pennoc
