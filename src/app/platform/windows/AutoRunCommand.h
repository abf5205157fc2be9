#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pennoc {

// The key below HKEY_LOCAL_MACHINE whose values the system starts at every logon.
inline constexpr std::u16string_view kAutoRunKey = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The command line stored there under `name` for `executable`: its folder, the name and ".exe", whatever the
// real extension. A path with blanks is quoted: unquoted, the system would first try to start a program named
// after the part before the first blank ("C:\My.exe" for "C:\My Apps\pennoc.exe"), which anyone able to write
// there could plant, to be run at every user's logon.
std::u16string autoRunCommand(std::u16string_view name, const std::filesystem::path& executable);

} // namespace pennoc
