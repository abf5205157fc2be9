#include "windows/DesktopEntry.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

// Reads an Exec value back the way a desktop environment does: string unescaping first, then the quoting
// rules of the Exec key, then field codes.
std::vector<std::string> parseExec(const std::string& value) {
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            unescaped += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
        } else {
            unescaped += value[i];
        }
    }
    std::vector<std::string> arguments;
    std::string current;
    bool inQuotes = false;
    bool any = false;
    for (std::size_t i = 0; i < unescaped.size(); ++i) {
        const char c = unescaped[i];
        if (inQuotes) {
            if (c == '\\' && i + 1 < unescaped.size()) {
                current += unescaped[++i];
            } else if (c == '"') {
                inQuotes = false;
            } else {
                current += c;
            }
        } else if (c == '"') {
            inQuotes = true;
            any = true;
        } else if (c == ' ') {
            if (any) {
                arguments.push_back(current);
            }
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) {
        arguments.push_back(current);
    }
    for (std::string& argument : arguments) {
        std::string fields;
        for (std::size_t i = 0; i < argument.size(); ++i) {
            fields += argument[i];
            if (argument[i] == '%' && i + 1 < argument.size() && argument[i + 1] == '%') {
                ++i;
            }
        }
        argument = fields;
    }
    return arguments;
}

TEST(DesktopEntry, ExecStartsExactlyTheProgramWhateverItsPath) {
    const std::string paths[] = {"/opt/pennoc/pennoc", "/home/u/My Apps/pennoc",
                                 "/tmp/a \"quoted\" 100% $HOME `x` back\\slash;rm -rf/pennoc",
                                 "/tmp/新建 文件夹/pennoc"};
    for (const std::string& path : paths) {
        EXPECT_EQ(parseExec(desktopEntryExecValue(path)), std::vector<std::string>{path}) << path;
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
