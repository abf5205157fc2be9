#pragma once

#include "app/core/NoteFileCodec.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pennoc {

class TextCodec;

struct StoredNotes {
    // The start-with-system flag, or nothing when the flag file holds neither "1" nor "0" or cannot be read.
    std::optional<bool> autoRun;
    // The note texts in the folder's listing order; empty when the folder holds no note file.
    std::vector<std::u16string> texts;
    // Problems that did not stop the load (an unreadable flag file, a note file in no known encoding, a link
    // that leads to neither a file nor a folder).
    std::vector<StorageError> warnings;
};

// The program's stored data next to its executable: the flag file "AutoRun.sd" and the folder "Notes" with
// one file per note ("0.txt", "1.txt", …). Texts are written as GB18030 with CR LF after each line.
//
// Every ordinary file in "Notes", and every link there to one, is a note. Anything else there (sub-folders,
// other links, FIFOs) belongs to the user: it is never read, and each save moves it into the new set as it
// is. Files and folders keep their permissions; what the storage creates anew is private to its owner.
// A note file that is a link stays one, and an edit of its note is written into the file it leads to.
//
// The folder is never rewritten in place: the new notes are written and flushed into "Notes.pennoc-new",
// then "Notes" becomes "Notes.pennoc-old", the new folder becomes "Notes", the user's entries move over,
// and the old folder is removed. Whatever moment a save is cut short, one of the folders holds a complete
// set, and the next start takes that one. When "Notes" is a link, all of this happens beside its target.
class NoteStorage {
public:
    NoteStorage(FileSystem& files, const TextCodec& codec, std::filesystem::path programFolder);

    std::filesystem::path notesFolder() const;
    std::filesystem::path flagFile() const;

    // Finishes or rolls back a save that was cut short, then creates "Notes" and a flag file holding "0"
    // when they are missing. Throws StorageError.
    void prepare();

    // Reads the flag and every note file of "Notes", in ascending order of their names compared without
    // regard to case. A note file in neither GB18030 nor UTF-8 is read with replacement characters and its
    // original is first kept in "Notes.unreadable", under a name no earlier copy has. Throws StorageError
    // when a note file cannot be read at all: saving after that would lose it.
    StoredNotes load();

    // Writes the flag file, then replaces the notes with `texts` (none when empty). Throws StorageError;
    // the data on disk is then the data of the last successful save. A text that would not read back
    // exactly (an unpaired surrogate), or that the codec fails to convert, fails the save before anything is
    // written.
    void save(const std::vector<std::u16string>& texts, bool autoRun);

private:
    // What the storage knows of a note file it read or wrote, to write the note the same way again.
    struct KnownNote {
        std::filesystem::path fileName;
        std::size_t key = 0;
        std::filesystem::perms permissions = std::filesystem::perms::none;
        // For a note file that is a link: the link's own text, and the note as it was.
        std::optional<std::filesystem::path> linkText;
        std::u16string linkedText;
    };
    // The folder that holds the notes (the end of the link when "Notes" is one) and the save's working
    // folders beside it.
    struct SaveFolders {
        std::filesystem::path current;
        std::filesystem::path fresh;
        std::filesystem::path old;
    };

    SaveFolders saveFolders() const;
    void finishInterruptedSave();
    bool moveUserEntries(const std::filesystem::path& from, const std::filesystem::path& to);
    std::optional<bool> readFlag(std::vector<StorageError>& warnings) const;
    void writeFlag(bool autoRun);
    // The bytes of every note's file; throws StorageError for a note that would not read back exactly.
    std::vector<std::string> encodeNotes(const std::vector<std::u16string>& texts) const;
    void checkNoteNamesAreFree(const std::filesystem::path& folder, std::size_t count) const;
    std::filesystem::path keepUnreadableOriginal(const std::filesystem::path& file, const std::string& bytes);
    void writeNote(const SaveFolders& folders, std::size_t index, const std::u16string& text, const std::string& bytes,
                   const KnownNote* earlier);

    FileSystem& m_files;
    NoteFileCodec m_codec;
    std::filesystem::path m_programFolder;
    // The note files as the last load or save left them, in list order.
    std::vector<KnownNote> m_known;
};

} // namespace pennoc
