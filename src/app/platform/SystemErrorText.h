#pragma once

#include <optional>
#include <string>
#include <system_error>

namespace pennoc {

// The reason for a failed file operation as the program tells it, in UTF-8: the common reasons (no space
// left, read-only file system, permission denied, not a folder, name too long) in the program's language,
// any other as the system words it.
std::string systemErrorText(const std::error_code& error);

// The program's own words for a common reason; nothing for any other.
std::optional<std::string> commonReasonText(const std::error_code& error);

} // namespace pennoc
