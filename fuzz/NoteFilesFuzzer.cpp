// Note files: whatever bytes the folder holds, a load, save and load gives the same notes without a warning,
// and a file in the program's own form is written back byte for byte; whatever texts are saved read back
// exactly, and only a text without a GB18030 form may fail to save.
//
// Input: the flag file's bytes, then up to eight notes' bytes, each ended by "\\ " (a backslash stands for
// itself only when doubled), as FuzzedDataProvider::ConsumeRandomLengthString reads them.
#include "FuzzText.h"
#include "Property.h"
#include "app/core/NoteFileCodec.h"
#include "app/core/NoteStorage.h"
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
    std::u16string text;
    if (!Gb18030Codec().decode(bytes, text)) {
        text = unitsOf(bytes);
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
    while (input.remaining_bytes() > 0 && notes.size() < kMostNotes) {
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
    return 0;
}
