#include "windows/core/DesktopEntry.h"

#include "windows/DesktopExecParser.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

using test::parseDesktopExec;

TEST(DesktopEntry, ExecStartsExactlyTheProgramWhateverItsPath) {
    const std::string paths[] = {"/opt/pennoc/pennoc",
                                 "/home/u/My Apps/pennoc",
                                 "/tmp/a \"quoted\" 100% $HOME `x` back\\slash;rm -rf/pennoc",
                                 "/tmp/新建 文件夹/pennoc",
                                 "/tmp/100%%/pennoc",
                                 "/tmp/%f %U/pennoc"};
    for (const std::string& path : paths) {
        EXPECT_EQ(parseDesktopExec(desktopEntryExecValue(path)), std::vector<std::string>{path}) << path;
    }
}

TEST(DesktopEntry, EntryNamesTheProgramAndStartsIt) {
    const std::string entry = autostartDesktopEntry("pennoc", "/opt/p q/pennoc");
    EXPECT_NE(entry.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_NE(entry.find("Type=Application\n"), std::string::npos);
    EXPECT_NE(entry.find("Exec=\"/opt/p q/pennoc\"\n"), std::string::npos);
}

} // namespace
} // namespace pennoc
