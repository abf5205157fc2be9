#include "app/platform/DesktopPlatform.h"
#include "support/TemporaryFolder.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

// Points XDG_RUNTIME_DIR and TMPDIR at folders of the test, and puts them back.
class InstanceLockTest : public ::testing::Test {
protected:
    InstanceLockTest()
        : m_oldRuntime(qgetenv("XDG_RUNTIME_DIR"))
        , m_oldTemp(qgetenv("TMPDIR")) {
        fs::create_directory(runtime());
        fs::permissions(runtime(), fs::perms::owner_all);
        fs::create_directory(temp());
        fs::permissions(temp(), fs::perms::all | fs::perms::sticky_bit);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime().string()));
        qputenv("TMPDIR", QByteArray::fromStdString(temp().string()));
    }

    ~InstanceLockTest() override {
        restore("XDG_RUNTIME_DIR", m_oldRuntime);
        restore("TMPDIR", m_oldTemp);
    }

    static void restore(const char* name, const QByteArray& value) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }

    fs::path runtime() const { return m_folder.path() / "runtime"; }
    fs::path temp() const { return m_folder.path() / "tmp"; }
    fs::path ownFallback() const { return temp() / ("pennoc-" + std::to_string(::geteuid())); }

    static std::vector<fs::path> locks(const fs::path& folder) {
        std::vector<fs::path> found;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (entry.path().extension() == ".lock") {
                found.push_back(entry.path());
            }
        }
        return found;
    }

    test::TemporaryFolder m_folder;
    QByteArray m_oldRuntime;
    QByteArray m_oldTemp;
};

TEST_F(InstanceLockTest, TheLockLivesInTheUsersPrivateRuntimeFolder) {
    DesktopPlatform first;
    EXPECT_FALSE(first.previousInstanceRunning());
    EXPECT_EQ(locks(runtime()).size(), 1u);
    EXPECT_TRUE(locks(temp()).empty());
    DesktopPlatform second;
    EXPECT_TRUE(second.previousInstanceRunning());
}

TEST_F(InstanceLockTest, WithoutARuntimeFolderTheLockGoesIntoAPrivateFolderOfItsOwn) {
    qunsetenv("XDG_RUNTIME_DIR");
    DesktopPlatform first;
    EXPECT_FALSE(first.previousInstanceRunning());
    EXPECT_EQ(locks(ownFallback()).size(), 1u);
    EXPECT_EQ(fs::status(ownFallback()).permissions(), fs::perms::owner_all);
    DesktopPlatform second;
    EXPECT_TRUE(second.previousInstanceRunning());
}

TEST_F(InstanceLockTest, FoldersOthersCanWriteOrOwnAreNotTrusted) {
    // A runtime folder open to everyone, and a fallback folder that another user made first.
    fs::permissions(runtime(), fs::perms::all);
    fs::create_directory(ownFallback());
    fs::permissions(ownFallback(), fs::perms::owner_all);
    ASSERT_EQ(::chown(ownFallback().c_str(), 65534, 65534), 0);
    // The program still starts, and leaves no lock where others could take it.
    DesktopPlatform program;
    EXPECT_FALSE(program.previousInstanceRunning());
    EXPECT_TRUE(locks(m_folder.path()).empty());
}

} // namespace
} // namespace pennoc
