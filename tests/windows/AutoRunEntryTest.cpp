#include "app/platform/SystemShell.h"
#include "support/FileHelpers.h"
#include "support/TemporaryFolder.h"
#include "windows/DesktopExecParser.h"

#include <QString>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>

namespace pennoc {
namespace {

namespace fs = std::filesystem;

// Points the desktop's configuration folder at a temporary folder, and puts it back afterwards.
class AutoRunEntry : public ::testing::Test {
protected:
    AutoRunEntry() {
        if (const char* previous = std::getenv("XDG_CONFIG_HOME")) {
            m_previous = previous;
        }
        ::setenv("XDG_CONFIG_HOME", m_config.path().c_str(), 1);
    }

    ~AutoRunEntry() override {
        if (m_previous) {
            ::setenv("XDG_CONFIG_HOME", m_previous->c_str(), 1);
        } else {
            ::unsetenv("XDG_CONFIG_HOME");
        }
    }

    fs::path autostart() const { return m_config.path() / "autostart"; }

    std::vector<fs::path> entries() const {
        std::vector<fs::path> found;
        if (fs::exists(autostart())) {
            for (const fs::directory_entry& entry : fs::directory_iterator(autostart())) {
                found.push_back(entry.path());
            }
        }
        return found;
    }

    // The program and arguments the desktop would start for the entry `name`.
    std::vector<std::string> startedBy(const std::string& name) const {
        std::istringstream lines(test::readBytes(autostart() / (name + ".desktop")));
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with("Exec=")) {
                return test::parseDesktopExec(line.substr(5));
            }
        }
        return {};
    }

    test::TemporaryFolder m_programs;

private:
    test::TemporaryFolder m_config;
    std::optional<std::string> m_previous;
};

TEST_F(AutoRunEntry, StartsExactlyTheExecutableWhateverItsFolder) {
    const std::string executable = (m_programs.path() / "my \"best\" 100% $HOME 便笺" / "pennoc").string();

    systemshell::registerAutoRun(QStringLiteral("pennoc"), QString::fromStdString(executable));

    EXPECT_EQ(entries(), std::vector<fs::path>{autostart() / "pennoc.desktop"});
    EXPECT_EQ(startedBy("pennoc"), std::vector<std::string>{executable});
}

TEST_F(AutoRunEntry, RegisteringAgainReplacesTheEntry) {
    const std::string first = (m_programs.path() / "old place" / "pennoc").string();
    const std::string second = (m_programs.path() / "new place" / "pennoc").string();

    systemshell::registerAutoRun(QStringLiteral("pennoc"), QString::fromStdString(first));
    systemshell::registerAutoRun(QStringLiteral("pennoc"), QString::fromStdString(second));

    EXPECT_EQ(entries(), std::vector<fs::path>{autostart() / "pennoc.desktop"});
    EXPECT_EQ(startedBy("pennoc"), std::vector<std::string>{second});
}

TEST_F(AutoRunEntry, UnregisteringRemovesOnlyItsOwnEntry) {
    systemshell::registerAutoRun(QStringLiteral("pennoc"), QStringLiteral("/opt/pennoc/pennoc"));
    systemshell::registerAutoRun(QStringLiteral("renamed"), QStringLiteral("/opt/pennoc/renamed"));

    systemshell::unregisterAutoRun(QStringLiteral("pennoc"));

    EXPECT_EQ(entries(), std::vector<fs::path>{autostart() / "renamed.desktop"});
}

TEST_F(AutoRunEntry, UnregisteringWithNothingRegisteredChangesNothing) {
    systemshell::unregisterAutoRun(QStringLiteral("pennoc"));
    EXPECT_FALSE(fs::exists(autostart()));

    fs::create_directories(autostart());
    systemshell::unregisterAutoRun(QStringLiteral("pennoc"));
    EXPECT_TRUE(entries().empty());
}

} // namespace
} // namespace pennoc
