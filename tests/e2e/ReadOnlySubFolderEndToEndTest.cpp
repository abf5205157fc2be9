// A folder of the user's inside the notes folder that the user may not write. Root may write any folder,
// which would hide the fault, so as root the program runs as the user "nobody".
#include "e2e/DesktopInput.h"
#include "e2e/ProgramProcess.h"
#include "support/FileHelpers.h"
#include "support/TemporaryFolder.h"

#include <QProcess>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;
const char* const kSetpriv = "/usr/bin/setpriv";

class ReadOnlySubFolderEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        m_asNobody = ::geteuid() == 0;
        if (m_asNobody && !fs::exists(kSetpriv)) {
            GTEST_SKIP() << "only root is available, and without setpriv the program cannot run as another user";
        }
        fs::create_directories(notes() / "read-only");
        test::writeBytes(notes() / "read-only" / "kept.txt", "kept\r\n");
        test::writeBytes(notes() / "0.txt", "first\r\n");
        test::writeBytes(notes() / "1.txt", "second\r\n");
        test::installProgram(m_folder.path());
        m_environment = test::programEnvironment(m_folder.path());
        if (m_asNobody) {
            // The user's own home and runtime folder, as a session would give them.
            fs::create_directory(m_folder.path() / "runtime");
            fs::permissions(m_folder.path() / "runtime", fs::perms::owner_all);
            m_environment.insert(QStringLiteral("HOME"), QString::fromStdString(m_folder.path().string()));
            m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                                 QString::fromStdString((m_folder.path() / "runtime").string()));
            ASSERT_EQ(::chown(m_folder.path().c_str(), kNobody, kNoGroup), 0);
            for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_folder.path())) {
                ASSERT_EQ(::lchown(entry.path().c_str(), kNobody, kNoGroup), 0) << entry.path();
            }
        }
        fs::permissions(notes() / "read-only", fs::perms::owner_read | fs::perms::owner_exec);
    }

    fs::path notes() const { return m_folder.path() / "Notes"; }

    // Starts the program as the user, waits for its window, lets `meanwhile` run and asks it to end as a
    // logout does; gives what it wrote on standard error.
    std::string startAndEnd(const std::function<void()>& meanwhile) {
        QProcess program;
        const QString executable = QString::fromStdString((m_folder.path() / "pennoc").string());
        if (m_asNobody) {
            program.setProgram(QString::fromLatin1(kSetpriv));
            program.setArguments({QStringLiteral("--reuid=%1").arg(kNobody), QStringLiteral("--regid=%1").arg(kNoGroup),
                                  QStringLiteral("--clear-groups"), executable});
        } else {
            program.setProgram(executable);
        }
        program.setProcessEnvironment(m_environment);
        program.start();
        EXPECT_TRUE(program.waitForStarted(5000));
        // The main window, not a message that the notes' place cannot be made.
        EXPECT_FALSE(test::waitForMainWindow().isEmpty()) << program.readAllStandardError().toStdString();
        meanwhile();
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        EXPECT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitCode(), 0);
        return program.readAllStandardError().toStdString();
    }

    test::TemporaryFolder m_folder;
    QProcessEnvironment m_environment;
    bool m_asNobody = false;
};

TEST_F(ReadOnlySubFolderEndToEnd, StaysPutThroughASaveAndEveryLaterStartWorks) {
    struct stat before {};
    ASSERT_EQ(::stat((notes() / "read-only").c_str(), &before), 0);
    // Another program removes the first note's file while the program runs: the exit saves it anew.
    const std::string errors = startAndEnd([this] { fs::remove(notes() / "0.txt"); });
    EXPECT_EQ(errors.find("无法"), std::string::npos) << errors;
    EXPECT_EQ(test::readBytes(notes() / "0.txt"), "first\r\n") << errors;
    EXPECT_EQ(test::readBytes(notes() / "1.txt"), "second\r\n");
    struct stat saved {};
    ASSERT_EQ(::stat((notes() / "0.txt").c_str(), &saved), 0);
    EXPECT_EQ(saved.st_uid, ::geteuid() == 0 ? kNobody : ::geteuid()) << "the save ran as another user";

    struct stat after {};
    ASSERT_EQ(::stat((notes() / "read-only").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(test::readBytes(notes() / "read-only" / "kept.txt"), "kept\r\n");
    EXPECT_FALSE(fs::exists(m_folder.path() / "Notes.pennoc-old"));

    EXPECT_EQ(startAndEnd([] {}).find("无法"), std::string::npos);
    EXPECT_EQ(test::readBytes(notes() / "0.txt"), "first\r\n");
}

} // namespace
} // namespace pennoc
