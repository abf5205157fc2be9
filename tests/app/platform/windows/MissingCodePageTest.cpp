#include "app/core/NoteStorage.h"
#include "app/platform/Gb18030Codec.h"
#include "app/platform/LocalFileSystem.h"
#include "support/FileHelpers.h"
#include "support/Gb18030Availability.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

TEST(WindowsWithoutGb18030, ASaveFailsWithItsReasonAndReplacesNothing) {
    if (test::systemConvertsGb18030()) {
        GTEST_SKIP() << "code page 54936 (GB18030) is installed here";
    }
    const test::TemporaryFolder folder;
    LocalFileSystem files;
    const Gb18030Codec codec;
    std::string bytes = "left over";
    EXPECT_FALSE(codec.encode(u"记事", bytes));
    EXPECT_EQ(bytes, "");

    // A file in GB18030 cannot be read here: its original is kept aside before anything could overwrite it.
    const fs::path notes = folder.path() / "Notes";
    NoteStorage storage(files, codec, folder.path());
    storage.prepare();
    test::writeBytes(notes / "0.txt", "kept\r\n");
    test::writeBytes(notes / "1.txt", "\xBC\xC7\xCA\xC2\r\n");
    const StoredNotes stored = storage.load();
    EXPECT_EQ(stored.texts.at(0), u"kept");
    EXPECT_EQ(stored.warnings.size(), 1u);
    EXPECT_EQ(test::readBytes(folder.path() / "Notes.unreadable" / "1.txt"), "\xBC\xC7\xCA\xC2\r\n");
    try {
        storage.save({u"kept", u"记事"}, true);
        ADD_FAILURE() << "the save reported success";
    } catch (const StorageError& error) {
        EXPECT_EQ(error.reason(), "this system cannot convert the note to GB18030, so nothing was saved");
    }
    EXPECT_EQ(test::readBytes(notes / "0.txt"), "kept\r\n");
    EXPECT_EQ(test::readBytes(notes / "1.txt"), "\xBC\xC7\xCA\xC2\r\n");
    EXPECT_EQ(test::readBytes(folder.path() / "AutoRun.sd"), "0\r\n");
}

} // namespace
} // namespace pennoc
