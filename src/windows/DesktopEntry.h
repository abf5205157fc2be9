#pragma once

#include <string>

namespace pennoc {

// The Exec value of a desktop entry that starts exactly `program` with no arguments, quoted by the
// Desktop Entry rules so that any path (blanks, quotes, '%', '$', backslashes) survives. UTF-8.
std::string desktopEntryExecValue(const std::string& program);

// A complete autostart desktop entry that starts `program`.
std::string autostartDesktopEntry(const std::string& name, const std::string& program);

} // namespace pennoc
