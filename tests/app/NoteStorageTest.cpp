#include "app/NoteStorage.h"

#include "app/platform/Gb18030Codec.h"
#include "support/FailingFileSystem.h"
#include "support/FileHelpers.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

using Texts = std::vector<std::u16string>;

class NoteStorageTest : public ::testing::Test {
protected:
    fs::path notes() const { return m_folder.path() / "Notes"; }
    fs::path flag() const { return m_folder.path() / "AutoRun.sd"; }

    std::vector<std::string> noteFileNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(notes())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TemporaryFolder m_folder;
    test::FailingFileSystem m_files;
    Gb18030Codec m_codec;
    NoteStorage m_storage{m_files, m_codec, m_folder.path()};
};

TEST_F(NoteStorageTest, FirstStartCreatesAnEmptyFolderAndAFlagOfZero) {
    m_storage.prepare();
    EXPECT_TRUE(fs::is_directory(notes()));
    EXPECT_TRUE(fs::is_empty(notes()));
    EXPECT_EQ(test::readBytes(flag()), "0\r\n");

    const StoredNotes stored = m_storage.load();
    EXPECT_EQ(stored.autoRun, false);
    EXPECT_TRUE(stored.texts.empty());
    EXPECT_TRUE(stored.warnings.empty());

    // An existing flag is left alone.
    test::writeBytes(flag(), "1\r\n");
    m_storage.prepare();
    EXPECT_EQ(test::readBytes(flag()), "1\r\n");
}

TEST_F(NoteStorageTest, SavedNotesComeBackExactlyWithTheirFileFormat) {
    m_storage.prepare();
    const Texts texts = {u"", u"a\r\nb\r\nc", u"ends with a break\r\n", u"   ", u"记事 😀 é € ḿ", u"lone\nfeed"};
    m_storage.save(texts, true);

    EXPECT_EQ(test::readBytes(flag()), "1\r\n");
    EXPECT_EQ(test::readBytes(notes() / "0.txt"), "\r\n");
    EXPECT_EQ(test::readBytes(notes() / "1.txt"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(test::readBytes(notes() / "4.txt").substr(0, 4), "\xBC\xC7\xCA\xC2"); // 记事 in code page 936
    EXPECT_EQ(noteFileNames(), (std::vector<std::string>{"0.txt", "1.txt", "2.txt", "3.txt", "4.txt", "5.txt"}));

    StoredNotes stored = m_storage.load();
    EXPECT_EQ(stored.texts, texts);
    EXPECT_EQ(stored.autoRun, true);
    // A trailing break stays exactly one break over many rounds.
    for (int round = 0; round < 3; ++round) {
        m_storage.save(stored.texts, true);
        stored = m_storage.load();
    }
    EXPECT_EQ(stored.texts[2], u"ends with a break\r\n");
}

TEST_F(NoteStorageTest, NoNotesLeaveAnEmptyFolder) {
    m_storage.prepare();
    m_storage.save({u"one"}, false);
    m_storage.save({}, false);
    EXPECT_TRUE(fs::is_empty(notes()));
    EXPECT_TRUE(m_storage.load().texts.empty());
}

TEST_F(NoteStorageTest, FilesAreListedByNameWithoutRegardToCaseAndRenumberedAtTheNextSave) {
    m_storage.prepare();
    Texts texts;
    for (int i = 0; i < 12; ++i) {
        texts.push_back(u"note " + std::u16string(1, static_cast<char16_t>(u'A' + i)));
    }
    m_storage.save(texts, false);
    test::writeBytes(notes() / "B.md", "foreign\r\n");
    test::writeBytes(notes() / "a", "no extension");
    fs::create_directory(notes() / "sub");
    test::writeBytes(notes() / "sub" / "inner.txt", "ignored\r\n");

    const StoredNotes stored = m_storage.load();
    // 0, 1, 10, 11, 2, …, 9, then "a" before "B.md".
    const Texts expected = {u"note A", u"note B", u"note K", u"note L", u"note C", u"note D",       u"note E",
                            u"note F", u"note G", u"note H", u"note I", u"note J", u"no extension", u"foreign"};
    EXPECT_EQ(stored.texts, expected);

    m_storage.save(stored.texts, false);
    EXPECT_FALSE(fs::exists(notes() / "sub"));
    EXPECT_EQ(test::readBytes(notes() / "13.txt"), "foreign\r\n");
    EXPECT_EQ(test::readBytes(notes() / "2.txt"), "note K\r\n");
    EXPECT_EQ(m_storage.load().texts.size(), expected.size());
}

TEST_F(NoteStorageTest, ForeignEncodingsAndEmptyFiles) {
    m_storage.prepare();
    test::writeBytes(notes() / "0.txt", "\xEF\xBB\xBFUTF-8 \xE8\xAE\xB0\xE4\xBA\x8B\r\n");
    test::writeBytes(notes() / "1.txt", "");
    // Not GB18030, but valid UTF-8.
    test::writeBytes(notes() / "2.txt", "price \xE2\x82\xAC\r\n");
    const StoredNotes stored = m_storage.load();
    EXPECT_EQ(stored.texts, (Texts{u"UTF-8 记事", u"", u"price €"}));
    EXPECT_TRUE(stored.warnings.empty());
}

TEST_F(NoteStorageTest, UndecodableFileIsKeptAsItWasBeforeItCanBeOverwritten) {
    m_storage.prepare();
    const std::string garbage = "\xFF\xFE\x81\r\n";
    test::writeBytes(notes() / "0.txt", garbage);
    const StoredNotes stored = m_storage.load();
    ASSERT_EQ(stored.texts.size(), 1u);
    ASSERT_EQ(stored.warnings.size(), 1u);
    EXPECT_EQ(stored.warnings[0].path(), notes() / "0.txt");
    EXPECT_EQ(test::readBytes(m_folder.path() / "Notes.unreadable" / "0.txt"), garbage);
}

TEST_F(NoteStorageTest, FlagFileIsReadByItsFirstTrimmedField) {
    m_storage.prepare();
    const std::pair<std::string, std::optional<bool>> cases[] = {{"1\r\n", true},       {"0\r\n", false},
                                                                 {"  1  ,0\r\n", true}, {"x\r\n", std::nullopt},
                                                                 {"", std::nullopt},    {"10\r\n", std::nullopt}};
    for (const auto& [content, expected] : cases) {
        test::writeBytes(flag(), content);
        EXPECT_EQ(m_storage.load().autoRun, expected) << content;
    }
    fs::remove(flag());
    fs::create_directory(flag());
    const StoredNotes stored = m_storage.load();
    EXPECT_EQ(stored.autoRun, std::nullopt);
    EXPECT_EQ(stored.warnings.size(), 1u);
}

TEST_F(NoteStorageTest, AFailedSaveLeavesTheLastSavedNotesOnDisk) {
    m_storage.prepare();
    const Texts saved = {u"first", u"second", u"third"};
    m_storage.save(saved, true);

    // The disk fills up at the second note file (the flag file is written first).
    m_files.failWriteNumber(3);
    EXPECT_THROW(m_storage.save({u"new 1", u"new 2", u"new 3"}, true), StorageError);
    EXPECT_EQ(m_storage.load().texts, saved);
    EXPECT_FALSE(fs::exists(m_folder.path() / "Notes.new"));

    // The folder cannot be created, or either rename of the swap is refused (the flag's own rename is first).
    m_files.failCreateFolderNumber(1);
    EXPECT_THROW(m_storage.save({u"changed"}, true), StorageError);
    EXPECT_EQ(m_storage.load().texts, saved);
    for (const int rename : {2, 3}) {
        m_files.failRenameNumber(rename);
        EXPECT_THROW(m_storage.save({u"changed"}, true), StorageError);
        EXPECT_EQ(m_storage.load().texts, saved) << rename;
        EXPECT_TRUE(fs::is_directory(notes()));
    }
    m_storage.save({u"changed"}, true);
    EXPECT_EQ(m_storage.load().texts, Texts{u"changed"});
}

TEST_F(NoteStorageTest, AFailedReadStopsTheLoad) {
    m_storage.prepare();
    m_storage.save({u"keep me"}, false);
    m_files.failReads = true;
    EXPECT_THROW(m_storage.load(), StorageError);
    m_files.failReads = false;
    EXPECT_EQ(m_storage.load().texts, Texts{u"keep me"});
}

TEST_F(NoteStorageTest, AnInterruptedSaveIsFinishedOrRolledBackAtTheNextStart) {
    const auto writeSet = [](const fs::path& folder, const std::string& text) {
        fs::create_directory(folder);
        test::writeBytes(folder / "0.txt", text + "\r\n");
    };
    const fs::path fresh = m_folder.path() / "Notes.new";
    const fs::path old = m_folder.path() / "Notes.old";

    // Cut short while the new set was being written: the old one stays.
    writeSet(notes(), "old");
    writeSet(fresh, "partial");
    m_storage.prepare();
    EXPECT_EQ(m_storage.load().texts, Texts{u"old"});
    EXPECT_FALSE(fs::exists(fresh));

    // Cut short between the two renames: the complete new set is taken.
    fs::rename(notes(), old);
    writeSet(fresh, "new");
    m_storage.prepare();
    EXPECT_EQ(m_storage.load().texts, Texts{u"new"});
    EXPECT_FALSE(fs::exists(old));
    EXPECT_FALSE(fs::exists(fresh));

    // Cut short while removing the old set.
    writeSet(old, "old");
    m_storage.prepare();
    EXPECT_EQ(m_storage.load().texts, Texts{u"new"});
    EXPECT_FALSE(fs::exists(old));
}

TEST(NoteListing, ComparesNamesAsTextWithoutRegardToCase) {
    EXPECT_TRUE(comesBeforeInListing("Notes/0.txt", "Notes/1.txt"));
    EXPECT_TRUE(comesBeforeInListing("Notes/1.txt", "Notes/10.txt"));
    EXPECT_TRUE(comesBeforeInListing("Notes/11.txt", "Notes/2.txt"));
    EXPECT_TRUE(comesBeforeInListing("Notes/a.txt", "Notes/B.txt"));
    EXPECT_TRUE(comesBeforeInListing("Notes/A.txt", "Notes/b.txt"));
    EXPECT_FALSE(comesBeforeInListing("Notes/b.txt", "Notes/A.txt"));
}

} // namespace
} // namespace pennoc
