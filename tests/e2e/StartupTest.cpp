#include "e2e/DesktopInput.h"
#include "e2e/ProgramProcess.h"
#include "support/FileHelpers.h"
#include "support/TemporaryFolder.h"

#include <QProcess>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

class StartupTest : public ::testing::Test {
protected:
    void start(QProcess& process, const fs::path& folder) { ASSERT_TRUE(test::startProgram(process, folder)); }

    static void endWithSignal(QProcess& process, int signal) {
        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(10000));
    }

    test::TemporaryFolder m_folder;
};

std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        files[entry.path().string()] = entry.is_regular_file() ? test::readBytes(entry.path()) : "<folder>";
    }
    return files;
}

std::vector<std::string> threadNames(qint64 processId) {
    std::vector<std::string> names;
    for (const auto& task : fs::directory_iterator(fs::path("/proc") / std::to_string(processId) / "task")) {
        std::string name = test::readBytes(task.path() / "comm");
        name.erase(name.find_last_not_of('\n') + 1);
        names.push_back(name);
    }
    return names;
}

// Qt fills a tall gradient on a pool of helper threads that then idle for half a minute; the window's
// first paint has no need of them.
TEST_F(StartupTest, TheFirstPaintStartsNoHelperThread) {
    QProcess program;
    start(program, m_folder.path());
    ASSERT_FALSE(test::waitForWindowOf(program).isEmpty());
    // The first paint follows the window's exposure at once.
    QThread::msleep(500);
    const std::vector<std::string> names = threadNames(program.processId());
    EXPECT_EQ(std::count(names.begin(), names.end(), "Thread (pooled)"), 0);
    endWithSignal(program, SIGTERM);
}

TEST_F(StartupTest, FirstStartCreatesTheDataAndASecondCopyLeavesAtOnce) {
    QProcess first;
    start(first, m_folder.path());
    const fs::path flag = m_folder.path() / "AutoRun.sd";
    ASSERT_FALSE(test::waitForWindowOf(first).isEmpty());
    ASSERT_TRUE(fs::is_directory(m_folder.path() / "Notes"));
    EXPECT_EQ(test::readBytes(flag), "0\r\n");
    // Nothing but the lock that the running copy holds on the folder.
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(m_folder.path() / "Notes")) {
        entries.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(entries, std::vector<std::string>{".pennoc.lock"});

    const auto before = snapshot(m_folder.path());
    QProcess second;
    start(second, m_folder.path());
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(snapshot(m_folder.path()), before);
    EXPECT_EQ(first.state(), QProcess::Running);

    endWithSignal(first, SIGTERM);
    EXPECT_EQ(first.exitCode(), 0);
}

TEST_F(StartupTest, TheNotesAreOnDiskAfterTermination) {
    fs::create_directory(m_folder.path() / "Notes");
    test::writeBytes(m_folder.path() / "Notes" / "b.txt", "second\r\n");
    test::writeBytes(m_folder.path() / "Notes" / "a.txt", "first\r\nline two\r\n");
    QProcess program;
    start(program, m_folder.path());
    ASSERT_FALSE(test::waitForWindowOf(program).isEmpty());
    endWithSignal(program, SIGTERM);

    EXPECT_EQ(test::readBytes(m_folder.path() / "Notes" / "0.txt"), "first\r\nline two\r\n");
    EXPECT_EQ(test::readBytes(m_folder.path() / "Notes" / "1.txt"), "second\r\n");
    EXPECT_FALSE(fs::exists(m_folder.path() / "Notes" / "a.txt"));
}

// What lies in the folder the program is started from is the user's, never a library for the program to load.
TEST_F(StartupTest, ALibrarysNamesakeInTheWorkingFolderIsNotLoaded) {
    test::TemporaryFolder workingFolder;
    test::writeBytes(workingFolder.path() / "libQt6Core.so.6", "not a library");
    QProcess program;
    program.setWorkingDirectory(QString::fromStdString(workingFolder.path().string()));
    start(program, m_folder.path());
    ASSERT_FALSE(test::waitForWindowOf(program).isEmpty()) << program.readAllStandardError().toStdString();
    endWithSignal(program, SIGTERM);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(StartupTest, CopiesInOtherFoldersAndAfterAKilledCopyStart) {
    test::TemporaryFolder otherFolder;
    QProcess first;
    start(first, m_folder.path());
    QProcess other;
    start(other, otherFolder.path());
    ASSERT_FALSE(test::waitForWindowOf(other).isEmpty());
    ASSERT_FALSE(test::waitForWindowOf(first).isEmpty());

    // A copy killed outright leaves its lock behind; the next start must not take it for a running copy.
    endWithSignal(first, SIGKILL);
    QProcess next;
    start(next, m_folder.path());
    EXPECT_FALSE(test::waitForWindowOf(next).isEmpty());

    endWithSignal(next, SIGTERM);
    endWithSignal(other, SIGTERM);
}

} // namespace
} // namespace pennoc
