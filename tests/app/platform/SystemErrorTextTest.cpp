#include "app/platform/SystemErrorText.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

TEST(SystemErrorText, CommonReasonsInTheProgramsLanguageOthersAsTheSystemWordsThem) {
    EXPECT_EQ(systemErrorText(std::make_error_code(std::errc::no_space_on_device)), "磁盘空间不足");
    EXPECT_EQ(systemErrorText(std::make_error_code(std::errc::read_only_file_system)), "文件系统是只读的");
    EXPECT_EQ(systemErrorText(std::make_error_code(std::errc::operation_not_permitted)), "没有访问权限");
    const std::error_code other = std::make_error_code(std::errc::is_a_directory);
    EXPECT_EQ(systemErrorText(other), other.message());
}

} // namespace
} // namespace pennoc
