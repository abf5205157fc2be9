#include "app/platform/SystemErrorText.h"

namespace pennoc {

std::string systemErrorText(const std::error_code& error) {
    return commonReasonText(error).value_or(error.message());
}

std::optional<std::string> commonReasonText(const std::error_code& error) {
    // The condition is the portable reason: on Windows too, ERROR_DISK_FULL is "no space on device".
    const std::error_condition condition = error.default_error_condition();
    if (condition.category() == std::generic_category()) {
        switch (static_cast<std::errc>(condition.value())) {
        case std::errc::no_space_on_device:
            return "磁盘空间不足";
        case std::errc::read_only_file_system:
            return "文件系统是只读的";
        case std::errc::permission_denied:
        case std::errc::operation_not_permitted:
            return "没有访问权限";
        case std::errc::not_a_directory:
            return "路径中的一部分不是文件夹";
        case std::errc::filename_too_long:
            return "文件名太长";
        default:
            break;
        }
    }
    return std::nullopt;
}

} // namespace pennoc
