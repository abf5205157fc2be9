#pragma once

#include <string>

namespace pennoc {

// The Exec value of a desktop entry that starts exactly `program` with no arguments, quoted by the
// Desktop Entry rules so that any path (blanks, quotes, '%', '$', backslashes) survives. UTF-8.
std::string desktopEntryExecValue(const std::string& program);

// A complete autostart desktop entry that starts `program`.
std::string autostartDesktopEntry(const std::string& name, const std::string& program);

// The menu entry of the installed program: `name` as shown, `program` started, `icon` a theme icon name.
std::string applicationDesktopEntry(const std::string& name, const std::string& program, const std::string& icon);

} // namespace pennoc
