#include "app/platform/windows/AutoRunCommand.h"

#include <system_error>

namespace pennoc {

std::u16string autoRunCommand(std::u16string_view name, const std::filesystem::path& executable) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(executable, error);
    if (error) {
        absolute = executable;
    }
    std::u16string command = absolute.parent_path().make_preferred().u16string();
    if (command.ends_with(u'\\')) {
        command.pop_back();
    }
    command += u'\\';
    command += name;
    command += u".exe";
    if (command.find_first_of(u" \t") != std::u16string::npos) {
        return u'"' + command + u'"';
    }
    return command;
}

} // namespace pennoc
