// Note files: whatever bytes the folder holds, a load, save and load gives the same notes without a warning,
// and a file in the program's own form is written back byte for byte; whatever texts are saved read back
// exactly, and only a text without a GB18030 form may fail to save; valid GB18030 bytes encode back the same. Then,
// beside a sub-folder, a link to it, a dangling link and a note linked to a file outside, the notes are edited, one
// removed and one added, and the save is killed at a chosen call: the next start loads every note's old or new text,
// and leaves every entry of the user's as it was.
//
// Input: the flag file's bytes, then up to eight notes' bytes, each ended by "\\ " (a backslash stands for
// itself only when doubled), as FuzzedDataProvider::ConsumeRandomLengthString reads them; the last four
// bytes choose the note removed, the note edited, whether the linked note is edited, and the killed call.
#include "FuzzText.h"
#include "Property.h"
#include "app/core/NoteFileCodec.h"
#include "app/core/NoteStorage.h"
#include "app/core/OwnEntryNames.h"
#include "app/core/StoredText.h"
#include "app/platform/Gb18030Codec.h"
#include "app/platform/LocalFileSystem.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

namespace pennoc::fuzz {
namespace {

constexpr std::size_t kMostNotes = 8;

fs::path& programFolder() {
    static fs::path folder;
    return folder;
}

void removeProgramFolder() {
    std::error_code error;
    fs::remove_all(programFolder(), error);
}

void writeBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every line ends in CR LF and nothing else is a CR: the form in which the program writes a note.
bool isInProgramForm(std::string_view bytes) {
    if (!bytes.ends_with("\r\n")) {
        return false;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) {
            return false;
        }
    }
    return true;
}

// A text as the editor would hand it over: GB18030 bytes read as such, anything else as UTF-16 code units;
// line breaks are CR LF.
std::u16string noteTextFrom(std::string_view bytes) {
    const Gb18030Codec codec;
    std::u16string text;
    if (!codec.decode(bytes, text)) {
        text = unitsOf(bytes);
    } else {
        // Each character has one GB18030 form.
        std::string written;
        requireProperty(codec.encode(text, written) && written == bytes, "valid GB18030 is written back the same");
    }
    return editorTextToNote(noteTextToEditor(text));
}

void checkFilesRoundTrip(NoteStorage& storage, const std::vector<std::string>& notes) {
    const StoredNotes first = storage.load();
    storage.save(first.texts, first.autoRun.value_or(false));
    const StoredNotes second = storage.load();
    requireProperty(second.texts == first.texts, "a loaded note reads back the same after a save");
    requireProperty(second.warnings.empty(), "what a save wrote reads back without a warning");
    requireProperty(second.autoRun == first.autoRun.value_or(false), "the start-with-system flag reads back");
    const Gb18030Codec codec;
    const NoteFileCodec reference(codec);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const NoteFileCodec::Reading reading = reference.decode(notes[i]);
        if (isInProgramForm(notes[i]) && reading.readable && reference.encode(reading.content) == notes[i]) {
            requireProperty(readBytes(storage.notesFolder() / (std::to_string(i) + ".txt")) == notes[i],
                            "a note file exactly as the program writes it is written back byte for byte");
        }
    }
}

void checkTextsRoundTrip(NoteStorage& storage, const std::vector<std::string>& notes) {
    std::vector<std::u16string> texts;
    std::transform(notes.begin(), notes.end(), std::back_inserter(texts), noteTextFrom);
    try {
        storage.save(texts, false);
    } catch (const StorageError&) {
        requireProperty(!std::all_of(texts.begin(), texts.end(), isWellFormedUtf16),
                        "every well-formed text can be saved");
        return;
    }
    requireProperty(storage.load().texts == texts, "a saved text reads back exactly");
}

// A kill: the process ends between two calls, so whatever reached the file system stays.
struct Killed {};

// The real file system, killed before its n-th call that changes anything.
class KillingFileSystem : public LocalFileSystem {
public:
    // Calls from now on; before, none is killed.
    void killAt(int call) { m_left = call; }

    void createFile(const fs::path& path, std::string_view bytes, fs::perms permissions,
                    std::optional<std::uint32_t> group) override {
        step();
        LocalFileSystem::createFile(path, bytes, permissions, group);
    }
    void flushFile(const fs::path& path) override {
        step();
        LocalFileSystem::flushFile(path);
    }
    void rename(const fs::path& from, const fs::path& to) override {
        step();
        LocalFileSystem::rename(from, to);
    }
    void removeFile(const fs::path& path) override {
        step();
        LocalFileSystem::removeFile(path);
    }
    void syncFolder(const fs::path& path) override {
        step();
        LocalFileSystem::syncFolder(path);
    }

private:
    void step() {
        if (m_left >= 0 && m_left-- == 0) {
            throw Killed{};
        }
    }

    int m_left = -1;
};

fs::path outsideFile() {
    return programFolder() / "outside.txt";
}

// The user's own entries beside the notes, and a note linked to a file outside the folder.
void makeUserEntries() {
    const fs::path notes = programFolder() / "Notes";
    fs::create_directory(notes / "sub");
    writeBytes(notes / "sub" / "inner.txt", "inner\r\n");
    fs::create_directory_symlink("sub", notes / "to sub");
    fs::create_symlink("nowhere", notes / "dangling");
    writeBytes(outsideFile(), "outside\r\n");
    fs::create_symlink("../outside.txt", notes / "linked");
}

void checkUserEntriesUntouched() {
    const fs::path notes = programFolder() / "Notes";
    requireProperty(readBytes(notes / "sub" / "inner.txt") == "inner\r\n", "a sub-folder's file is untouched");
    requireProperty(fs::read_symlink(notes / "to sub") == "sub", "a link to a folder is untouched");
    requireProperty(fs::read_symlink(notes / "dangling") == "nowhere", "a dangling link is untouched");
}

bool contains(const std::vector<std::u16string>& texts, const std::u16string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

void checkKilledSave(const std::vector<std::string>& notes, FuzzedDataProvider& input) {
    const std::size_t removed = input.ConsumeIntegral<std::uint8_t>();
    const std::size_t edited = input.ConsumeIntegral<std::uint8_t>();
    const bool linkedEdited = input.ConsumeBool();
    const int killAt = input.ConsumeIntegral<std::uint8_t>() % 48;

    removeProgramFolder();
    fs::create_directories(programFolder() / "Notes");
    for (std::size_t i = 0; i < notes.size(); ++i) {
        writeBytes(programFolder() / "Notes" / (std::to_string(i) + ".txt"),
                   isInProgramForm(notes[i]) ? notes[i] : "x\r\n");
    }
    makeUserEntries();
    std::vector<std::u16string> before;
    std::vector<std::u16string> after;
    std::vector<NoteOrigin> origins;
    Gb18030Codec codec;
    {
        KillingFileSystem killing;
        NoteStorage storage(killing, codec, programFolder());
        storage.prepare();
        const StoredNotes stored = storage.load();
        before = stored.texts;
        for (std::size_t i = 0; i < stored.texts.size(); ++i) {
            if (i == removed % stored.texts.size()) {
                continue;
            }
            std::u16string text = stored.texts[i];
            if (i == edited % stored.texts.size() || (linkedEdited && text == u"outside")) {
                text += u" edited";
            }
            after.push_back(text);
            origins.push_back(stored.origins[i]);
        }
        after.push_back(u"added");
        origins.push_back(kNewNote);
        killing.killAt(killAt);
        try {
            storage.save(after, false, origins);
        } catch (const Killed&) {
        }
    }
    LocalFileSystem files;
    NoteStorage storage(files, codec, programFolder());
    storage.prepare();
    const std::vector<std::u16string> loaded = storage.load().texts;
    // The added note had no text on disk before: it may not be written yet.
    for (const std::u16string& text : after) {
        const bool edit = text.ends_with(u" edited");
        const std::u16string old = edit ? text.substr(0, text.size() - 7) : text;
        requireProperty(text == u"added" || contains(loaded, text) || contains(loaded, old),
                        "after a killed save every listed note has its new or its old text in a file");
    }
    const std::string outside = readBytes(outsideFile());
    requireProperty(outside == "outside\r\n" || outside == "outside edited\r\n",
                    "a linked file holds its old or its new text");
    checkUserEntriesUntouched();
    for (const auto& entry : fs::directory_iterator(programFolder() / "Notes")) {
        requireProperty(!isOwnTemporaryName(entry.path().filename().string()),
                        "a start removes the temporary files of a killed save");
    }
}

} // namespace
} // namespace pennoc::fuzz

using namespace pennoc;
using namespace pennoc::fuzz;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The folder lives in memory where it can, so the disk flushes of every save cost nothing.
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string folder = (base / "pennoc-fuzz-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    programFolder() = folder;
    std::atexit(removeProgramFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string flag = input.ConsumeRandomLengthString();
    std::vector<std::string> notes;
    while (input.remaining_bytes() > 4 && notes.size() < kMostNotes) {
        notes.push_back(input.ConsumeRandomLengthString());
    }

    removeProgramFolder();
    fs::create_directories(programFolder() / "Notes");
    writeBytes(programFolder() / "AutoRun.sd", flag);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        writeBytes(programFolder() / "Notes" / (std::to_string(i) + ".txt"), notes[i]);
    }

    // One codec for the whole run, as in the program: no decode may depend on an earlier one.
    LocalFileSystem files;
    Gb18030Codec codec;
    NoteStorage storage(files, codec, programFolder());
    storage.prepare();
    checkFilesRoundTrip(storage, notes);
    checkTextsRoundTrip(storage, notes);
    checkKilledSave(notes, input);
    return 0;
}
