#pragma once

#include "app/core/FileReplacement.h"
#include "app/core/NoteFileCodec.h"
#include "app/core/NoteOrigin.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace pennoc {

class TextCodec;

struct StoredNotes {
    // The start-with-system flag, or nothing when the flag file holds neither "1" nor "0" or cannot be read.
    std::optional<bool> autoRun;
    // The note texts in the folder's listing order; empty when the folder holds no note file.
    std::vector<std::u16string> texts;
    // Where each text came from, to be handed back with it to the next save.
    std::vector<NoteOrigin> origins;
    // Problems that did not stop the load (an unreadable flag file, a note file in no known encoding or too
    // large to be a note, a link that leads to neither a file nor a folder).
    std::vector<StorageError> warnings;
};

struct SavedNotes {
    // Where each saved note now is, to be handed back with it to the next save.
    std::vector<NoteOrigin> origins;
    // Problems that did not stop the notes being saved (the flag file, a linked file changed meanwhile).
    std::vector<StorageError> warnings;
};

// The program's stored data next to its executable: the flag file "AutoRun.sd" and the folder "Notes" with
// one file per note ("0.txt", "1.txt", …). Texts are written as GB18030 with CR LF after each line.
//
// Every ordinary file in "Notes", and every link there to one, is a note, unless its name starts with the
// program's own prefix. Anything else there (sub-folders, other links, FIFOs, files it cannot read or too
// large to be notes) belongs to the user: it is never read, moved or replaced.
//
// A save touches only what changed. Each changed note is written into a temporary file beside its file,
// flushed, and renamed over it, keeping the file's permissions and group (new files are private). A note
// read through a link is written the same way beside the file the link leads to, as long as that is still
// the file that was read. A file with more than one name (a hard link) is written in place instead, so that
// every name sees the edit, after a flushed copy of the new bytes in "Notes" that a start finding it puts
// back. After a removal the later files are renamed in order, surplus ones removed last,
// and the folder is flushed once. No moment of a save leaves a listed note's text in no file; a save cut
// short may leave a gap in the numbers, and the program's own temporary files, which the next start
// removes. The folder "Notes" itself is never renamed or recreated.
class NoteStorage {
public:
    NoteStorage(FileSystem& files, const TextCodec& codec, std::filesystem::path programFolder);

    const std::filesystem::path& notesFolder() const;
    std::filesystem::path flagFile() const;

    // Finishes or rolls back a save of the earlier folder-swapping kind that was cut short, puts back the
    // copies of notes being written in place, removes the temporary files of a save cut short (in "Notes",
    // beside the files its links lead to, in the program folder), then creates "Notes" and a flag file holding "0" when
    // nothing stands under their names. Throws StorageError.
    void prepare();

    // Reads the flag and every note file of "Notes", in the order of their numbers (0, 1, 2, …, 10, gaps
    // allowed), then other names by name. A note file in neither GB18030 nor UTF-8 is read with replacement characters
    // and its original is first kept in "Notes.unreadable", under a name no earlier copy has. A file that cannot be
    // read is reported and left as it is.
    StoredNotes load();

    // Stores `texts` as the notes (none when empty), each in the file its origin names (an origin that is
    // missing or kNewNote: a new file), then the flag. Throws StorageError when a note could not be
    // saved; every note text then is still in a file. A text that would not read back exactly (an unpaired
    // surrogate), or that the codec fails to convert, fails the save before anything is written.
    SavedNotes save(const std::vector<std::u16string>& texts, bool autoRun,
                    const std::vector<NoteOrigin>& origins = {});

private:
    // A note file that is a link: the file it leads to, and which file that was when last read or written.
    struct LinkedFile {
        std::filesystem::path target;
        FileIdentity identity;
    };
    // What the storage knows of a note's file as the last load or save left it.
    struct KnownNote {
        std::filesystem::path fileName;
        std::u16string text;
        std::optional<LinkedFile> link;
        // The entry itself as the storage left it; another one under its name is someone else's.
        FileIdentity identity;
        std::uint64_t size = 0;
    };

    std::optional<bool> readFlag(std::vector<StorageError>& warnings) const;
    void writeFlag(bool autoRun, std::vector<StorageError>& warnings);
    std::optional<KnownNote> readNote(const std::filesystem::path& resolvedFolder, const FolderEntry& entry,
                                      std::vector<StorageError>& warnings);
    // The bytes of a note's file; throws StorageError for a note that would not read back exactly.
    std::string encodeNote(const std::u16string& text, std::size_t index) const;
    bool isAsLeft(const KnownNote& note, bool folderAsLeft) const;
    void rememberFolder();
    void remember(KnownNote& note) const;
    // False, with a warning, when the linked file is no longer the one that was read.
    bool writeLinkedNote(const std::filesystem::path& resolvedFolder, KnownNote& note, const std::string& bytes,
                         std::vector<StorageError>& warnings);

    FileSystem& m_files;
    NoteFileCodec m_codec;
    FileReplacement m_replacement;
    std::filesystem::path m_programFolder;
    std::filesystem::path m_notesFolder;
    // Every note file the storage knows of, listed or not, by the origin it gave it.
    std::unordered_map<NoteOrigin, KnownNote> m_known;
    NoteOrigin m_lastOrigin = kNewNote;
    // The notes folder as the last load or save left it: while its entries did not change, neither did the
    // files that its names lead to.
    std::optional<FileIdentity> m_folderIdentity;
    std::int64_t m_folderModified = 0;
    // The flag as the flag file holds it, when known.
    std::optional<bool> m_storedFlag;
};

} // namespace pennoc
