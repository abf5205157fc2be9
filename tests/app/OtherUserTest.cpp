// Promises that hold against users other than the program's own, or only for a user without privileges.
// As root the roads run in a child process that became "nobody"; as anyone else the user is the test's own.
#include "app/core/NoteStorage.h"
#include "app/platform/DataFolderLock.h"
#include "app/platform/Gb18030Codec.h"
#include "app/platform/LocalFileSystem.h"
#include "support/FileHelpers.h"
#include "support/TemporaryFolder.h"

#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

// The exit status of `road` run by the user "nobody" in a child process; -1 when it ended otherwise.
int runAsNobody(const std::function<int()>& road) {
    const pid_t child = ::fork();
    if (child == 0) {
        int status = 2;
        if (::setgroups(0, nullptr) == 0 && ::setgid(kNoGroup) == 0 && ::setuid(kNobody) == 0) {
            try {
                status = road();
            } catch (...) {
                status = 3;
            }
        }
        ::_exit(status);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class OtherUserTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Others may pass through the test's folder to the folders made for them.
        fs::permissions(m_folder.path(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    }

    test::TemporaryFolder m_folder;
};

TEST_F(OtherUserTest, AnotherUserCanNeitherTakeTheLockNorSwitchTheCheckOff) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to act as a second user";
    }
    const fs::path data = m_folder.path() / "data";
    fs::create_directory(data);
    fs::permissions(data, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    const DataFolderLock held(data);
    ASSERT_EQ(held.outcome(), DataFolderLock::Outcome::taken);
    EXPECT_EQ(DataFolderLock(data).outcome(), DataFolderLock::Outcome::heldByAnother);
    const auto tryLock = [&data] { return DataFolderLock(data).outcome() == DataFolderLock::Outcome::taken ? 1 : 0; };
    EXPECT_EQ(runAsNobody(tryLock), 0);

    // A lock file made first by someone else, in a folder open to everyone: the program never takes it as
    // its own, so nobody can make it run unchecked or keep it from running.
    const fs::path open = m_folder.path() / "open";
    fs::create_directory(open);
    fs::permissions(open, fs::perms::all);
    EXPECT_EQ(runAsNobody([&open] {
                  DataFolderLock squatted(open);
                  return squatted.outcome() == DataFolderLock::Outcome::taken ? 0 : 1;
              }),
              0);
    EXPECT_EQ(DataFolderLock(open).outcome(), DataFolderLock::Outcome::failed);
}

TEST_F(OtherUserTest, AReadOnlySubFolderStaysPutThroughSaves) {
    const fs::path program = m_folder.path() / "program";
    const fs::path notes = program / "Notes";
    fs::create_directories(notes / "read-only");
    test::writeBytes(notes / "read-only" / "kept.txt", "kept\r\n");
    test::writeBytes(notes / "0.txt", "first\r\n");
    test::writeBytes(notes / "1.txt", "second\r\n");
    if (::geteuid() == 0) {
        for (const fs::path& path : {program, notes, notes / "read-only", notes / "read-only" / "kept.txt",
                                     notes / "0.txt", notes / "1.txt"}) {
            ASSERT_EQ(::chown(path.c_str(), kNobody, kNoGroup), 0);
        }
    }
    fs::permissions(notes / "read-only", fs::perms::owner_read | fs::perms::owner_exec);
    struct stat before {};
    ::stat((notes / "read-only").c_str(), &before);

    const auto saveTwice = [&program] {
        LocalFileSystem files;
        Gb18030Codec codec;
        NoteStorage storage(files, codec, program);
        storage.prepare();
        const StoredNotes stored = storage.load();
        const SavedNotes saved = storage.save({u"first", u"second", u"third"}, false, stored.origins);
        storage.save({u"second", u"third"}, false, {saved.origins[1], saved.origins[2]});
        return 0;
    };
    ASSERT_EQ(::geteuid() == 0 ? runAsNobody(saveTwice) : saveTwice(), 0);

    struct stat after {};
    ASSERT_EQ(::stat((notes / "read-only").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(test::readBytes(notes / "read-only" / "kept.txt"), "kept\r\n");
    EXPECT_FALSE(fs::exists(program / "Notes.pennoc-old"));
    EXPECT_EQ(test::readBytes(notes / "0.txt"), "second\r\n");
    EXPECT_EQ(test::readBytes(notes / "1.txt"), "third\r\n");
}

} // namespace
} // namespace pennoc
