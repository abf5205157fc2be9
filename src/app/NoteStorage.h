#pragma once

#include "app/FileSystem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pennoc {

class TextCodec;

struct StoredNotes {
    // The start-with-system flag, or nothing when the flag file holds neither "1" nor "0" or cannot be read.
    std::optional<bool> autoRun;
    // The note texts in the folder's listing order; empty when the folder holds no file.
    std::vector<std::u16string> texts;
    // Problems that did not stop the load (an unreadable flag file, a note file in no known encoding).
    std::vector<StorageError> warnings;
};

// The program's stored data next to its executable: the flag file "AutoRun.sd" and the folder "Notes" with
// one file per note ("0.txt", "1.txt", …). Texts are written as GB18030 with CR LF after each line.
//
// The folder is never rewritten in place: the new notes are written and flushed into "Notes.new", then
// "Notes" becomes "Notes.old", "Notes.new" becomes "Notes", and "Notes.old" is removed. Whatever moment
// a save is cut short, one of the folders holds a complete set, and the next start takes that one.
class NoteStorage {
public:
    NoteStorage(FileSystem& files, const TextCodec& codec, std::filesystem::path programFolder);

    std::filesystem::path notesFolder() const;
    std::filesystem::path flagFile() const;

    // Finishes or rolls back a save that was cut short, then creates "Notes" and a flag file holding "0"
    // when they are missing. Throws StorageError.
    void prepare();

    // Reads the flag and every file of "Notes" (sub-folders are ignored), in ascending order of their names
    // compared without regard to case. A note file in neither GB18030 nor UTF-8 is read with replacement
    // characters and its original is first copied into "Notes.unreadable". Throws StorageError when a note
    // file cannot be read at all: saving after that would lose it.
    StoredNotes load();

    // Writes the flag file, then replaces the notes with `texts` (none when empty). Throws StorageError;
    // the data on disk is then the data of the last successful save.
    void save(const std::vector<std::u16string>& texts, bool autoRun);

private:
    std::filesystem::path newNotesFolder() const;
    std::filesystem::path oldNotesFolder() const;
    void finishInterruptedSave();
    std::u16string decodeNote(const std::filesystem::path& file, const std::string& bytes,
                              std::vector<StorageError>& warnings);
    void keepUnreadableOriginal(const std::filesystem::path& file);

    FileSystem& m_files;
    const TextCodec& m_codec;
    std::filesystem::path m_programFolder;
};

// File names in listing order: ascending, compared as text without regard to letter case (0, 1, 10, 2, …).
bool comesBeforeInListing(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace pennoc
