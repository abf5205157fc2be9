#include "app/platform/FileAccess.h"

#include "app/platform/LocalFileSystem.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

constexpr fs::perms kPrivateFile = fs::perms::owner_read | fs::perms::owner_write;

TEST(WindowsFileAccess, FilesInAFolderWithANonAsciiNameAreWrittenFlushedAndRead) {
    const test::TemporaryFolder temporary;
    const fs::path folder = temporary.path() / u8"便笺 Ωก";
    LocalFileSystem files;
    files.createFolder(folder, fs::perms::owner_all);
    const std::string bytes("\xBC\xC7\xCA\xC2\r\n\0end", 9);
    writeFileBytes(folder / u8"记事.txt", bytes, kPrivateFile);
    EXPECT_NO_THROW(syncFolderToDisk(folder));
    EXPECT_EQ(readFileBytes(folder / u8"记事.txt", FileSystem::kWholeFile), bytes);
    EXPECT_EQ(readFileBytes(folder / u8"记事.txt", 4), bytes.substr(0, 4));

    files.rename(folder, temporary.path() / u8"便笺.new");
    const std::vector<FolderEntry> entries = files.listEntries(temporary.path() / u8"便笺.new");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].path, temporary.path() / u8"便笺.new" / u8"记事.txt");
    EXPECT_EQ(entries[0].kind, EntryStatus::Kind::file);
    EXPECT_THROW(readFileBytes(folder / u8"记事.txt", FileSystem::kWholeFile), StorageError);
}

} // namespace
} // namespace pennoc
