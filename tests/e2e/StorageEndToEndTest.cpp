#include "e2e/DesktopInput.h"
#include "e2e/ProgramProcess.h"
#include "support/FileHelpers.h"
#include "support/TemporaryFolder.h"

#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

// Every entry under a program folder, links not followed: its kind, permissions, and its bytes or link text.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
        const fs::directory_entry& entry = *it;
        // The program itself, the lock it holds on the notes folder while it runs, the start-with-system entry
        // of the test's session and the stand-in tools.
        if (entry.path() == folder / "pennoc" || entry.path().filename() == ".pennoc.lock") {
            continue;
        }
        if (entry.path() == folder / "config" || entry.path() == folder / "stand-ins") {
            it.disable_recursion_pending();
            continue;
        }
        const fs::file_status status = entry.symlink_status();
        std::string description = std::to_string(static_cast<int>(status.type())) + " " +
                                  std::to_string(static_cast<int>(status.permissions())) + " ";
        if (fs::is_symlink(status)) {
            description += fs::read_symlink(entry.path()).string();
        } else if (fs::is_regular_file(status)) {
            description += test::readBytes(entry.path());
        }
        entries[entry.path().lexically_relative(folder).string()] = description;
    }
    return entries;
}

void writeFile(const fs::path& path, const std::string& bytes, fs::perms permissions) {
    test::writeBytes(path, bytes);
    fs::permissions(path, permissions);
}

class StorageEndToEndTest : public ::testing::Test {
protected:
    // Starts the program in the test's folder, waits for its window, and asks it to end as a logout does.
    void startAndEnd() {
        QProcess program;
        ASSERT_TRUE(test::startProgram(program, m_folder.path()));
        // The program listens for the signal before it shows its window.
        ASSERT_FALSE(test::waitForMainWindow().isEmpty()) << program.readAllStandardError().toStdString();
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitCode(), 0);
        m_errors = program.readAllStandardError().toStdString();
    }

    fs::path path(const char* name) const { return m_folder.path() / name; }

    test::TemporaryFolder m_folder;
    std::string m_errors;
};

constexpr fs::perms kPrivate = fs::perms::owner_read | fs::perms::owner_write;
constexpr fs::perms kGroupReads = kPrivate | fs::perms::group_read;

TEST_F(StorageEndToEndTest, CodePage936NotesBehindACorruptFlagFileLoadWithoutComplaintAndKeepTheirBytes) {
    writeFile(path("AutoRun.sd"), "\xFF\xFE\r\n", kGroupReads);
    fs::create_directory(path("Notes"));
    // Chinese that is not UTF-8, and code page 936's €.
    writeFile(path("Notes") / "0.txt", "\xBC\xC7\xCA\xC2\xB1\xBE\r\n", kPrivate);
    writeFile(path("Notes") / "1.txt", "\x80 5\r\n", kPrivate);
    writeFile(path("Notes") / "2.txt", "\xB1\xE3\xBC\xE3\r\n", kPrivate);
    fs::create_directory(path("Notes.unreadable"));
    writeFile(path("Notes.unreadable") / "0.txt", "an earlier original", kPrivate);
    test::installProgram(m_folder.path());

    std::map<std::string, std::string> expected = snapshot(m_folder.path());
    startAndEnd();
    EXPECT_EQ(m_errors.find("pennoc:"), std::string::npos) << m_errors;
    std::map<std::string, std::string> after = snapshot(m_folder.path());
    // The flag is saved as it was read (neither "1" nor "0": off), with its permissions.
    EXPECT_EQ(test::readBytes(path("AutoRun.sd")), "0\r\n");
    EXPECT_EQ(fs::status(path("AutoRun.sd")).permissions(), kGroupReads);
    expected["AutoRun.sd"] = after["AutoRun.sd"];
    EXPECT_EQ(after, expected);
}

TEST_F(StorageEndToEndTest, AStartAndExitLeaveEveryStoredByteLinkAndPermissionAsTheyWere) {
    writeFile(path("AutoRun.sd"), "0\r\n", kGroupReads);
    fs::create_directory(path("Notes"));
    fs::permissions(path("Notes"), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    // A note whose bytes begin like a UTF-8 byte-order mark.
    writeFile(path("Notes") / "0.txt", "\xEF\xBB\xBFmabc\r\n", kGroupReads);
    writeFile(path("Notes") / "1.txt", "plain\r\n", kPrivate | fs::perms::group_read | fs::perms::others_read);
    // A note that is a link to a private file elsewhere.
    fs::create_directory(path("elsewhere"));
    writeFile(path("elsewhere") / "linked.txt", "linked\r\n", kPrivate);
    fs::create_symlink("../elsewhere/linked.txt", path("Notes") / "2.txt");
    // The user's own things inside the notes folder and beside it.
    fs::create_directory(path("Notes") / "archive");
    writeFile(path("Notes") / "archive" / "2019.txt", "old\r\n", kPrivate);
    ASSERT_EQ(::mkfifo((path("Notes") / "pipe").c_str(), 0600), 0);
    fs::create_directory_symlink("archive", path("Notes") / "to archive");
    for (const char* backup : {"Notes.old", "Notes.new"}) {
        fs::create_directory(path(backup));
        writeFile(path(backup) / "0.txt", "backup\r\n", kPrivate);
    }
    test::installProgram(m_folder.path());

    const std::map<std::string, std::string> before = snapshot(m_folder.path());
    startAndEnd();
    EXPECT_EQ(m_errors.find("pennoc:"), std::string::npos) << m_errors;
    EXPECT_EQ(snapshot(m_folder.path()), before);
}

TEST_F(StorageEndToEndTest, ALinkedNotesFolderStaysLinkedAndItsNotesUnchanged) {
    writeFile(path("AutoRun.sd"), "1\r\n", kPrivate);
    fs::create_directories(path("synced") / "Notes");
    writeFile(path("synced") / "Notes" / "0.txt", "\xBC\xC7\xCA\xC2\r\n", kPrivate);
    writeFile(path("synced") / "Notes" / "1.txt", "second\r\n", kGroupReads);
    fs::create_directory_symlink("synced/Notes", path("Notes"));
    test::installProgram(m_folder.path());

    const std::map<std::string, std::string> before = snapshot(m_folder.path());
    startAndEnd();
    EXPECT_EQ(snapshot(m_folder.path()), before);
}

} // namespace
} // namespace pennoc
