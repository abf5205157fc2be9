#include "app/FrmMain.h"
#include "app/NotesPage.h"
#include "app/platform/DesktopPlatform.h"
#include "support/FileHelpers.h"
#include "support/TemporaryFolder.h"

#include <QPlainTextEdit>
#include <QThread>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

// The real desktop platform, with its data in a test folder.
class FolderDesktopPlatform : public DesktopPlatform {
public:
    explicit FolderDesktopPlatform(fs::path folder)
        : m_folder(std::move(folder)) {}
    fs::path programFolder() const override { return m_folder; }

private:
    fs::path m_folder;
};

// Puts stand-ins for the system's tools first on PATH. Each records its arguments, one per line, and the
// note on disk at the moment it ran, into <log folder>/<tool>.log.
class StandInTools {
public:
    StandInTools(const fs::path& folder, const fs::path& noteFile)
        : m_bin(folder / "bin")
        , m_logs(folder / "logs")
        , m_oldPath(qgetenv("PATH")) {
        fs::create_directories(m_bin);
        fs::create_directories(m_logs);
        for (const char* tool : {"systemctl", "xdg-open"}) {
            const fs::path script = m_bin / tool;
            test::writeBytes(script, "#!/bin/sh\n"
                                     "log=\"" +
                                         m_logs.string() + "/" + tool +
                                         ".log\"\n"
                                         "{ for a in \"$@\"; do printf 'arg:%s\\n' \"$a\"; done\n"
                                         "  printf 'note:'; cat \"" +
                                         noteFile.string() +
                                         "\"; } > \"$log.tmp\"\n"
                                         "mv \"$log.tmp\" \"$log\"\n");
            fs::permissions(script, fs::perms::owner_all);
        }
        qputenv("PATH", QByteArray::fromStdString(m_bin.string()) + ":" + m_oldPath);
    }

    ~StandInTools() { qputenv("PATH", m_oldPath); }

    // What the tool recorded, once it has run (empty after a few seconds without it).
    std::string waitForLog(const char* tool) const {
        const fs::path log = m_logs / (std::string(tool) + ".log");
        for (int i = 0; i < 250 && !fs::exists(log); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        std::string content = test::readBytes(log);
        fs::remove(log);
        return content;
    }

private:
    fs::path m_bin;
    fs::path m_logs;
    QByteArray m_oldPath;
};

class DesktopActionsTest : public ::testing::Test {
protected:
    DesktopActionsTest() {
        // Start-up brings the autostart entry in line with the flag file; keep it out of the user's folder.
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((m_folder.path() / "config").string()));
        m_window.Form_Initialize();
        EXPECT_TRUE(m_window.Form_Load());
        m_window.notesPage()->Label2_Click(0);
    }

    void typeNote(const QString& text) { m_window.notesPage()->editor()->setPlainText(text); }

    test::TemporaryFolder m_folder;
    FolderDesktopPlatform m_platform{m_folder.path()};
    StandInTools m_tools{m_folder.path(), m_folder.path() / "Notes" / "0.txt"};
    FrmMain m_window{m_platform};
};

TEST_F(DesktopActionsTest, PowerActionsReachSystemctlAfterTheNotesAreOnDisk) {
    typeNote(QStringLiteral("before power-off"));
    m_window.RunTaskAction(u"2shutdown -s -t 0");
    EXPECT_EQ(m_tools.waitForLog("systemctl"), "arg:poweroff\nnote:before power-off\r\n");

    typeNote(QStringLiteral("before sleep"));
    m_window.RunTaskAction(u"2rundll32.exe powrprof.dll SetSuspendState");
    EXPECT_EQ(m_tools.waitForLog("systemctl"), "arg:suspend\nnote:before sleep\r\n");
}

TEST_F(DesktopActionsTest, OpenHandsTheWholePathToTheOpenerAsOneArgument) {
    const fs::path odd = m_folder.path() / "dir with space" / "a \"quoted\"; rm -rf x & $(name).txt";
    fs::create_directories(odd.parent_path());
    test::writeBytes(odd, "content");
    typeNote(QStringLiteral("before open"));
    m_window.RunTaskAction(std::u16string(u"3").append(odd.u16string()));
    EXPECT_EQ(m_tools.waitForLog("xdg-open"), "arg:" + odd.string() + "\nnote:before open\r\n");
    EXPECT_TRUE(fs::exists(odd));
}

bool mappedIntoThisProcess(const std::string& library) {
    return test::readBytes("/proc/self/maps").find(library) != std::string::npos;
}

// The audio stack brings libraries, threads and a sound-server connection that nothing needs until a
// reminder or the action panel plays a sound.
TEST_F(DesktopActionsTest, TheSoundMachineryLoadsAtTheFirstSoundAndNotBefore) {
    ASSERT_FALSE(mappedIntoThisProcess("libQt6Multimedia"));
    const fs::path sound = m_folder.path() / "chime.wav";
    test::writeBytes(sound, test::shortWave());
    m_window.RunTaskAction(std::u16string(u"1").append(sound.u16string()));
    EXPECT_TRUE(mappedIntoThisProcess("libQt6Multimedia"));
}

} // namespace
} // namespace pennoc
