#include "app/core/NoteStorage.h"

#include "app/core/NoteFileOrder.h"
#include "app/platform/Gb18030Codec.h"
#include "support/FailingCodec.h"
#include "support/FailingFileSystem.h"
#include "support/FileHelpers.h"
#include "support/RecordingFileSystem.h"
#include "support/TemporaryFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

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

TEST_F(NoteStorageTest, FilesAreListedByNumberThenByNameWithoutRegardToCaseAndRenumberedAtTheNextSave) {
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
    // 0, 1, 2, …, 10, 11, then "a" before "B.md".
    Texts expected = texts;
    expected.insert(expected.end(), {u"no extension", u"foreign"});
    EXPECT_EQ(stored.texts, expected);

    m_storage.save(stored.texts, false);
    EXPECT_EQ(test::readBytes(notes() / "sub" / "inner.txt"), "ignored\r\n");
    EXPECT_EQ(test::readBytes(notes() / "13.txt"), "foreign\r\n");
    EXPECT_EQ(test::readBytes(notes() / "12.txt"), "no extension\r\n");
    EXPECT_EQ(m_storage.load().texts.size(), expected.size());
}

TEST_F(NoteStorageTest, ForeignEncodingsAndEmptyFiles) {
    m_storage.prepare();
    test::writeBytes(notes() / "0.txt", "\xEF\xBB\xBF(UTF-8) \xE8\xAE\xB0\xE4\xBA\x8B\r\n");
    test::writeBytes(notes() / "1.txt", "");
    // Not GB18030, but valid UTF-8.
    test::writeBytes(notes() / "2.txt", "price \xE2\x82\xAC\r\n");
    const StoredNotes stored = m_storage.load();
    EXPECT_EQ(stored.texts, (Texts{u"(UTF-8) 记事", u"", u"price €"}));
    EXPECT_TRUE(stored.warnings.empty());
}

TEST_F(NoteStorageTest, UtfEightFromOtherEditorsReadsAsWrittenWhileTheProgramsOwnFilesComeBackExactly) {
    m_storage.prepare();
    // Written by other editors, without a byte-order mark.
    test::writeBytes(notes() / "0.txt", "会议记录：明天下午三点\r\n带回文件");
    test::writeBytes(notes() / "1.txt", "今天天气很好\n");
    test::writeBytes(notes() / "2.txt", "Привет, мир!\nДо встречи.\n");
    test::writeBytes(notes() / "3.txt", "Café crème, Straße über Öl\n");
    // "小" in GB18030 is also "С" in UTF-8: the program's own file wins.
    m_storage.save({u"会议记录：明天下午三点\r\n带回文件", u"今天天气很好\n", u"Привет, мир!\nДо встречи.\n",
                    u"Café crème, Straße über Öl\n", u"小"},
                   false, m_storage.load().origins);
    const StoredNotes stored = m_storage.load();
    EXPECT_EQ(stored.texts, (Texts{u"会议记录：明天下午三点\r\n带回文件", u"今天天气很好\n",
                                   u"Привет, мир!\nДо встречи.\n", u"Café crème, Straße über Öl\n", u"小"}));
    EXPECT_TRUE(stored.warnings.empty());
    EXPECT_EQ(test::readBytes(notes() / "4.txt"), "\xD0\xA1\r\n");
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
    // Only the start of a long file is read.
    test::writeBytes(flag(), "1\r\n" + std::string(8 << 20, 'x'));
    m_files.bytesRead = 0;
    EXPECT_EQ(m_storage.load().autoRun, true);
    EXPECT_LT(m_files.bytesRead, 65536u);
    fs::remove(flag());
    fs::create_directory(flag());
    const StoredNotes stored = m_storage.load();
    EXPECT_EQ(stored.autoRun, std::nullopt);
    EXPECT_EQ(stored.warnings.size(), 1u);
}

TEST_F(NoteStorageTest, AFailedSaveLeavesEveryTextInAFile) {
    m_storage.prepare();
    m_storage.save({u"first", u"second", u"third"}, true);
    const StoredNotes stored = m_storage.load();

    // The disk fills up at the second changed note, or a rename is refused: each note is old or new.
    m_files.failWriteNumber(2);
    EXPECT_THROW(m_storage.save({u"new 1", u"new 2", u"new 3"}, true, stored.origins), StorageError);
    EXPECT_EQ(m_storage.load().texts, (Texts{u"new 1", u"second", u"third"}));
    EXPECT_EQ(noteFileNames(), (std::vector<std::string>{"0.txt", "1.txt", "2.txt"}));

    const StoredNotes again = m_storage.load();
    m_files.failRenameNumber(1);
    EXPECT_THROW(m_storage.save({u"new 1", u"new 2", u"new 3"}, true, again.origins), StorageError);
    EXPECT_EQ(m_storage.load().texts, (Texts{u"new 1", u"second", u"third"}));
    EXPECT_EQ(noteFileNames(), (std::vector<std::string>{"0.txt", "1.txt", "2.txt"}));
}

TEST_F(NoteStorageTest, AFileThatCannotBeReadIsReportedAndLeftAlone) {
    m_storage.prepare();
    m_storage.save({u"keep me"}, false);
    m_files.failReads = true;
    const StoredNotes stored = m_storage.load();
    m_files.failReads = false;
    EXPECT_TRUE(stored.texts.empty());
    EXPECT_EQ(stored.warnings.size(), 2u);
    m_storage.save({u"new"}, false, stored.origins);
    EXPECT_EQ(m_storage.load().texts, (Texts{u"keep me", u"new"}));
}

TEST_F(NoteStorageTest, AnInterruptedSaveIsFinishedOrRolledBackAtTheNextStart) {
    const auto writeSet = [](const fs::path& folder, const std::string& text) {
        fs::create_directory(folder);
        test::writeBytes(folder / "0.txt", text + "\r\n");
    };
    const fs::path fresh = m_folder.path() / "Notes.pennoc-new";
    const fs::path old = m_folder.path() / "Notes.pennoc-old";

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

TEST_F(NoteStorageTest, ACorruptFlagFileDoesNotMakeLaterNotesUnreadable) {
    m_storage.prepare();
    test::writeBytes(flag(), "\xFF\xFE\r\n");
    // GB18030 that is not UTF-8 either.
    test::writeBytes(notes() / "0.txt", "\xBC\xC7\xCA\xC2\r\n");
    test::writeBytes(notes() / "1.txt", "\xFF\xFE\x81\r\n");
    test::writeBytes(notes() / "2.txt", "\xB1\xBE\r\n");
    const StoredNotes stored = m_storage.load();
    EXPECT_EQ(stored.texts[0], u"记事");
    EXPECT_EQ(stored.texts[2], u"本");
    ASSERT_EQ(stored.warnings.size(), 1u);
    EXPECT_EQ(stored.warnings[0].path(), notes() / "1.txt");
}

TEST_F(NoteStorageTest, AKeptOriginalNeverReplacesAnEarlierOne) {
    m_storage.prepare();
    const fs::path kept = m_folder.path() / "Notes.unreadable";
    fs::create_directory(kept);
    test::writeBytes(kept / "0.txt", "earlier original");
    test::writeBytes(notes() / "0.txt", "\xFF\x81\r\n");
    m_storage.load();
    // A second start before any save finds the same bytes: they are kept once.
    m_storage.load();
    EXPECT_EQ(test::readBytes(kept / "0.txt"), "earlier original");
    std::vector<std::string> copies;
    for (const auto& entry : fs::directory_iterator(kept)) {
        copies.push_back(test::readBytes(entry.path()));
    }
    std::sort(copies.begin(), copies.end());
    EXPECT_EQ(copies, (std::vector<std::string>{"earlier original", "\xFF\x81\r\n"}));
}

TEST_F(NoteStorageTest, TextsThatLookLikeAByteOrderMarkComeBackAsWritten) {
    m_storage.prepare();
    m_storage.save({u"锘縨abc", u"锘"}, false);
    EXPECT_EQ(test::readBytes(notes() / "0.txt"), "\xEF\xBB\xBFmabc\r\n");
    EXPECT_EQ(m_storage.load().texts, (Texts{u"锘縨abc", u"锘"}));
    // A file without the final line break that every saved file has is no saved file.
    test::writeBytes(notes() / "2.txt", "\xEF\xBB\xBFmabc");
    EXPECT_EQ(m_storage.load().texts[2], u"mabc");
}

TEST_F(NoteStorageTest, TheEuroSignIsCodePage936sSingleByte) {
    m_storage.prepare();
    test::writeBytes(notes() / "0.txt", "\x80 5, \xBC\xC7\r\n");
    const StoredNotes stored = m_storage.load();
    EXPECT_EQ(stored.texts, Texts{u"€ 5, 记"});
    EXPECT_TRUE(stored.warnings.empty());
    m_storage.save(stored.texts, false);
    EXPECT_EQ(test::readBytes(notes() / "0.txt"), "\x80 5, \xBC\xC7\r\n");
    // A GB18030 € (two bytes) reads the same; a trail byte 0x80 stays part of its character.
    test::writeBytes(notes() / "1.txt", "\xA2\xE3\x81\x80\r\n");
    EXPECT_EQ(m_storage.load().texts[1], u"€亐");
}

TEST_F(NoteStorageTest, ATextThatCannotBeWrittenExactlyFailsTheSaveAndReplacesNothing) {
    m_storage.prepare();
    m_storage.save({u"kept"}, true);
    EXPECT_THROW(m_storage.save({u"fine", std::u16string(u"lone ") + char16_t(0xD800) + u" half"}, false),
                 StorageError);
    EXPECT_EQ(test::readBytes(flag()), "1\r\n");
    EXPECT_EQ(m_storage.load().texts, Texts{u"kept"});
    EXPECT_EQ(noteFileNames(), std::vector<std::string>{"0.txt"});
}

TEST_F(NoteStorageTest, AFailedConversionFailsTheSaveWithItsReasonAndReplacesNothing) {
    test::FailingCodec codec;
    NoteStorage storage(m_files, codec, m_folder.path());
    storage.prepare();
    storage.save({u"kept"}, true);
    for (const bool toNothing : {false, true}) {
        codec.failEncodes = !toNothing;
        codec.encodeToNothing = toNothing;
        try {
            storage.save({u"记事", u""}, false);
            ADD_FAILURE() << "the save reported success";
        } catch (const StorageError& error) {
            EXPECT_EQ(error.reason(), "this system cannot convert the note to GB18030, so nothing was saved");
        }
        EXPECT_EQ(test::readBytes(flag()), "1\r\n");
        EXPECT_EQ(noteFileNames(), std::vector<std::string>{"0.txt"});
        EXPECT_EQ(test::readBytes(notes() / "0.txt"), "kept\r\n");
    }
}

// Special files, links, modes and owners: what a POSIX file system has.
#ifndef _WIN32
TEST_F(NoteStorageTest, EntriesThatAreNoNotesStayWhereTheyAreUntouched) {
    m_storage.prepare();
    fs::create_directory(notes() / "archive");
    test::writeBytes(notes() / "archive" / "2019.txt", "old\r\n");
    ASSERT_EQ(::mkfifo((notes() / "pipe").c_str(), 0600), 0);
    fs::create_directory_symlink("archive", notes() / "to archive");
    fs::create_symlink("nowhere", notes() / "dangling");
    struct stat before {};
    ::stat((notes() / "archive").c_str(), &before);

    const StoredNotes stored = m_storage.load();
    EXPECT_TRUE(stored.texts.empty());
    m_storage.save({u"new note"}, false);
    m_storage.save({u"new note", u"another"}, false);

    EXPECT_EQ(test::readBytes(notes() / "archive" / "2019.txt"), "old\r\n");
    struct stat after {};
    ::stat((notes() / "archive").c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(notes() / "pipe")));
    EXPECT_EQ(fs::read_symlink(notes() / "to archive"), "archive");
    EXPECT_EQ(fs::read_symlink(notes() / "dangling"), "nowhere");
    EXPECT_EQ(m_storage.load().texts, (Texts{u"new note", u"another"}));

    // A folder where a note file would go is passed over; the numbers keep the notes' order.
    fs::create_directory(notes() / "2.txt");
    m_storage.save({u"a", u"b", u"c"}, false);
    EXPECT_TRUE(fs::is_directory(notes() / "2.txt"));
    EXPECT_EQ(test::readBytes(notes() / "3.txt"), "c\r\n");
    EXPECT_EQ(m_storage.load().texts, (Texts{u"a", u"b", u"c"}));
}

#endif

TEST_F(NoteStorageTest, FoldersThatTheUserNamedLikeTheSavesOwnAreLeftAlone) {
    for (const char* name : {"Notes.old", "Notes.new"}) {
        fs::create_directory(m_folder.path() / name);
        test::writeBytes(m_folder.path() / name / "0.txt", "backup\r\n");
    }
    m_storage.prepare();
    m_storage.save({u"note"}, false);
    m_storage.prepare();
    for (const char* name : {"Notes.old", "Notes.new"}) {
        EXPECT_EQ(test::readBytes(m_folder.path() / name / "0.txt"), "backup\r\n") << name;
    }
}

#ifndef _WIN32
TEST_F(NoteStorageTest, PermissionsStayAsTheyWereAndNewDataIsPrivate) {
    const auto mode = [](const fs::path& path) { return fs::status(path).permissions(); };
    m_storage.prepare();
    m_storage.save({u"first"}, false);
    EXPECT_EQ(mode(notes()), fs::perms::owner_all);
    EXPECT_EQ(mode(notes() / "0.txt"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(mode(flag()), fs::perms::owner_read | fs::perms::owner_write);

    const fs::perms shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(notes(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    fs::permissions(notes() / "0.txt", shared);
    fs::permissions(flag(), shared | fs::perms::others_read);
    m_storage.save({u"first", u"added"}, true, m_storage.load().origins);
    EXPECT_EQ(mode(notes()), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    EXPECT_EQ(mode(notes() / "0.txt"), shared);
    EXPECT_EQ(mode(notes() / "1.txt"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(mode(flag()), shared | fs::perms::others_read);
}

TEST_F(NoteStorageTest, ALinkedNotesFolderIsSavedIntoItsTarget) {
    const fs::path synced = m_folder.path() / "synced";
    fs::create_directories(synced / "Notes");
    test::writeBytes(synced / "Notes" / "0.txt", "synced\r\n");
    fs::create_directory_symlink(synced / "Notes", notes());
    m_storage.prepare();
    EXPECT_EQ(m_storage.load().texts, Texts{u"synced"});
    m_storage.save({u"synced", u"changed"}, false);
    m_storage.prepare();
    EXPECT_TRUE(fs::is_symlink(notes()));
    EXPECT_EQ(test::readBytes(synced / "Notes" / "1.txt"), "changed\r\n");
    EXPECT_EQ(m_storage.load().texts, (Texts{u"synced", u"changed"}));
    std::vector<std::string> beside;
    for (const auto& entry : fs::directory_iterator(synced)) {
        beside.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(beside, std::vector<std::string>{"Notes"});
}

TEST_F(NoteStorageTest, ALinkedNoteStaysALinkAndOnlyRegularTargetsAreRead) {
    m_storage.prepare();
    const fs::path outside = m_folder.path() / "outside.txt";
    test::writeBytes(outside, "outside\r\n");
    fs::permissions(outside, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    test::writeBytes(notes() / "0.txt", "plain\r\n");
    fs::create_symlink("../outside.txt", notes() / "1.txt");
    ASSERT_EQ(::mkfifo((m_folder.path() / "fifo").c_str(), 0600), 0);
    fs::create_symlink(m_folder.path() / "fifo", notes() / "2.txt");

    StoredNotes stored = m_storage.load();
    EXPECT_EQ(stored.texts, (Texts{u"plain", u"outside"}));
    ASSERT_EQ(stored.warnings.size(), 1u);
    EXPECT_EQ(stored.warnings[0].path(), notes() / "2.txt");

    // An edit goes into the linked file, which the relative link leads to from the notes folder and which
    // keeps its permissions; a new note never takes the link over.
    SavedNotes saved = m_storage.save({u"plain", u"edited", u""}, false, stored.origins);
    EXPECT_EQ(fs::read_symlink(notes() / "1.txt"), "../outside.txt");
    EXPECT_EQ(fs::read_symlink(notes() / "2.txt"), m_folder.path() / "fifo");
    EXPECT_EQ(test::readBytes(outside), "edited\r\n");
    EXPECT_EQ(fs::status(outside).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(test::readBytes(notes() / "3.txt"), "\r\n");

    // Removing the note before it moves the link up.
    m_storage.save({u"edited", u"", u"added"}, false, {saved.origins[1], saved.origins[2], kNewNote});
    EXPECT_EQ(fs::read_symlink(notes() / "0.txt"), "../outside.txt");
    EXPECT_EQ(m_storage.load().texts, (Texts{u"edited", u"", u"added"}));
}

TEST_F(NoteStorageTest, ARemovedLinkedNotesFileNeverReceivesTheNextNote) {
    m_storage.prepare();
    const fs::path outside = m_folder.path() / "outside.txt";
    test::writeBytes(outside, "outside\r\n");
    test::writeBytes(notes() / "0.txt", "plain\r\n");
    fs::create_symlink(outside, notes() / "1.txt");
    const StoredNotes stored = m_storage.load();
    // The linked note is removed and a new one written in the same session: it takes the number, not the file.
    m_storage.save({u"plain", u"private"}, false, {stored.origins[0], kNewNote});
    EXPECT_EQ(test::readBytes(outside), "outside\r\n");
    EXPECT_FALSE(fs::is_symlink(notes() / "1.txt"));
    EXPECT_EQ(test::readBytes(notes() / "1.txt"), "private\r\n");
}

TEST_F(NoteStorageTest, ALinkedFileReplacedMeanwhileIsKeptAndTheNoteGetsAFileOfItsOwn) {
    m_storage.prepare();
    const fs::path outside = m_folder.path() / "outside.txt";
    test::writeBytes(outside, "outside\r\n");
    fs::create_symlink(outside, notes() / "0.txt");
    const StoredNotes stored = m_storage.load();
    // Another program saves the shared file its own way, as a new file under the same name.
    test::writeBytes(m_folder.path() / "their copy", "theirs\r\n");
    fs::rename(m_folder.path() / "their copy", outside);

    const SavedNotes saved = m_storage.save({u"mine"}, false, stored.origins);
    EXPECT_EQ(test::readBytes(outside), "theirs\r\n");
    EXPECT_FALSE(fs::is_symlink(notes() / "0.txt"));
    EXPECT_EQ(test::readBytes(notes() / "0.txt"), "mine\r\n");
    ASSERT_EQ(saved.warnings.size(), 1u);
    EXPECT_EQ(saved.warnings[0].path(), outside);
}

TEST_F(NoteStorageTest, AHardLinkedNoteIsEditedUnderEveryNameAndACutShortEditIsPutBackAtTheNextStart) {
    m_storage.prepare();
    const fs::path shared = m_folder.path() / "shared.txt";
    test::writeBytes(shared, "shared\r\n");
    fs::create_hard_link(shared, notes() / "0.txt");
    const StoredNotes stored = m_storage.load();
    const SavedNotes saved = m_storage.save({u"edited"}, false, stored.origins);
    EXPECT_EQ(test::readBytes(shared), "edited\r\n");
    EXPECT_EQ(fs::hard_link_count(shared), 2u);
    EXPECT_EQ(noteFileNames(), std::vector<std::string>{"0.txt"});

    // The next edit fails while the file is being written, and the program is killed with it half done.
    m_files.failWriteNumber(2);
    EXPECT_THROW(m_storage.save({u"edited again"}, false, saved.origins), StorageError);
    fs::resize_file(shared, 3);
    NoteStorage restarted(m_files, m_codec, m_folder.path());
    restarted.prepare();
    EXPECT_EQ(restarted.load().texts, Texts{u"edited again"});
    EXPECT_EQ(test::readBytes(shared), "edited again\r\n");
    EXPECT_EQ(noteFileNames(), std::vector<std::string>{"0.txt"});
}

TEST_F(NoteStorageTest, AStartRemovesOnlyItsOwnTemporaryFilesBesideALinkedNotesFile) {
    const fs::path elsewhere = m_folder.path() / "elsewhere";
    fs::create_directories(elsewhere / ".pennoc-fedcba9876543210.tmp");
    test::writeBytes(elsewhere / "shared.txt", "shared\r\n");
    test::writeBytes(elsewhere / ".pennoc-0123456789abcdef.tmp", "half a save");
    test::writeBytes(elsewhere / ".pennoc-notes.tmp", "the user's");
    fs::create_directory(notes());
    fs::create_symlink("../elsewhere/shared.txt", notes() / "0.txt");
    m_storage.prepare();
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(elsewhere)) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".pennoc-fedcba9876543210.tmp", ".pennoc-notes.tmp", "shared.txt"}));
}

TEST_F(NoteStorageTest, RenumberingNeverPointsALinkAtItself) {
    m_storage.prepare();
    test::writeBytes(notes() / "0.txt", "shared\r\n");
    fs::create_symlink("0.txt", notes() / "1.txt");
    test::writeBytes(notes() / "2.txt", "last\r\n");
    const StoredNotes stored = m_storage.load();
    ASSERT_EQ(stored.texts, (Texts{u"shared", u"shared", u"last"}));

    // The first note goes; the link to its file takes its number.
    m_storage.save({u"shared", u"last"}, false, {stored.origins[1], stored.origins[2]});
    EXPECT_EQ(m_storage.load().texts, (Texts{u"shared", u"last"}));
    EXPECT_FALSE(fs::is_symlink(notes() / "0.txt"));
    EXPECT_EQ(noteFileNames(), (std::vector<std::string>{"0.txt", "1.txt"}));
}

#endif

TEST_F(NoteStorageTest, OnlyChangedNotesAreWrittenEachThroughAFlushedTemporaryFile) {
    test::RecordingFileSystem files;
    NoteStorage storage(files, m_codec, m_folder.path());
    storage.prepare();
    storage.save({u"a", u"b", u"c", u"d"}, false);
    StoredNotes stored = storage.load();

    files.log.clear();
    storage.save(stored.texts, false, stored.origins);
    EXPECT_TRUE(files.log.empty()) << files.log.front();

    // One edit and one removal: the later files move up in order, the edit is flushed before its rename,
    // and the folder is flushed once at the end.
    const SavedNotes saved =
        storage.save({u"a", u"C", u"d"}, false, {stored.origins[0], stored.origins[2], stored.origins[3]});
    ASSERT_EQ(files.log.size(), 6u);
    EXPECT_EQ(files.log[0], "rename 2.txt -> 1.txt");
    const std::string temporary = files.log[1].substr(std::string("create ").size());
    EXPECT_TRUE(temporary.starts_with(".pennoc-")) << temporary;
    EXPECT_EQ(files.log[2], "flush " + temporary);
    EXPECT_EQ(files.log[3], "rename " + temporary + " -> 1.txt");
    EXPECT_EQ(files.log[4], "rename 3.txt -> 2.txt");
    EXPECT_EQ(files.log[5], "sync Notes");
    // The last note goes: its file is removed.
    files.log.clear();
    storage.save({u"a", u"C"}, false, {saved.origins[0], saved.origins[1]});
    EXPECT_EQ(files.log, (std::vector<std::string>{"remove 2.txt", "sync Notes"}));
    EXPECT_EQ(storage.load().texts, (Texts{u"a", u"C"}));
}

#ifndef _WIN32
TEST_F(NoteStorageTest, ANoteKeepsItsModeAndGroupUnderAPrivateUmask) {
    m_storage.prepare();
    m_storage.save({u"shared"}, false);
    const fs::path note = notes() / "0.txt";
    fs::permissions(note, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // A group of the user's own: the only kind a note can be given without privileges.
    const gid_t group = ::getegid() == 0 ? 100 : ::getegid();
    ASSERT_EQ(::chown(note.c_str(), static_cast<uid_t>(-1), group), 0);
    const mode_t oldMask = ::umask(077);
    StoredNotes stored = m_storage.load();
    for (const char16_t* text : {u"once", u"twice"}) {
        stored.origins = m_storage.save({text}, false, stored.origins).origins;
    }
    ::umask(oldMask);
    struct stat info {};
    ASSERT_EQ(::stat(note.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(info.st_gid, group);
    EXPECT_EQ(test::readBytes(note), "twice\r\n");
}

TEST_F(NoteStorageTest, EveryStartFinishesWhateverStandsInTheFolder) {
    ASSERT_EQ(::mkfifo(flag().c_str(), 0600), 0);
    fs::create_directory(notes());
    ASSERT_EQ(::mkfifo((notes() / "0.txt").c_str(), 0600), 0);
    // Sparse: no disk space, but more than any note.
    test::writeBytes(notes() / "1.txt", "x");
    fs::resize_file(notes() / "1.txt", 300u << 20);
    test::writeBytes(notes() / "2.txt", "small\r\n");
    m_storage.prepare();
    const StoredNotes stored = m_storage.load();
    EXPECT_EQ(stored.texts, Texts{u"small"});
    EXPECT_EQ(stored.warnings.size(), 2u);

    // A flag file that cannot be written does not keep the notes from being saved.
    fs::remove(flag());
    fs::create_directory(flag());
    const SavedNotes saved = m_storage.save({u"small", u"new"}, true, stored.origins);
    ASSERT_EQ(saved.warnings.size(), 1u);
    EXPECT_EQ(saved.warnings[0].path(), flag());
    EXPECT_EQ(test::readBytes(notes() / "3.txt"), "new\r\n");
    EXPECT_EQ(fs::file_size(notes() / "1.txt"), std::uintmax_t{300u << 20});
}

#endif

TEST(NoteOrder, NumbersByValueThenOtherNamesAsTextWithoutRegardToCase) {
    std::vector<fs::path> names{"Notes/b.txt",
                                "Notes/10.txt",
                                "Notes/007.txt",
                                "Notes/2.txt",
                                "Notes/A.txt",
                                "Notes/0.txt",
                                "Notes/100000000000000000000.txt",
                                "Notes/11.txt"};
    sortInNoteOrder(names);
    const std::vector<fs::path> expected{
        "Notes/0.txt",   "Notes/2.txt", "Notes/10.txt", "Notes/11.txt", "Notes/100000000000000000000.txt",
        "Notes/007.txt", "Notes/A.txt", "Notes/b.txt"};
    EXPECT_EQ(names, expected);
}

} // namespace
} // namespace pennoc
