// Times the storage's work on a folder of many notes, with the real files, the real codec and every flush:
// the load at start, a save with nothing changed (all the storage does at an exit), a save after the middle
// note was edited, and one after another edit once someone else changed the folder. The load is also held
// against a plain loop that reads and decodes the same files with the same codec, in turns in the same run,
// and the ratio of their medians printed (target: 1.5 at most).
// Usage: pennoc_note_save_times NOTES [FOLDER] (FOLDER: a program folder to use, whose notes are taken as
// they are when it has any; a temporary one with NOTES short notes by default).
#include "app/core/NoteFileCodec.h"
#include "app/core/NoteStorage.h"
#include "app/core/StoredText.h"
#include "app/platform/Gb18030Codec.h"
#include "app/platform/LocalFileSystem.h"
#include "support/TemporaryFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Wall time, which waits for the disk, and the processor time, which a busy machine disturbs far less.
struct Stopwatch {
    Clock::time_point wall = Clock::now();
    std::clock_t processor = std::clock();

    double wallMs() const { return std::chrono::duration<double, std::milli>(Clock::now() - wall).count(); }
    double processorMs() const { return 1000.0 * static_cast<double>(std::clock() - processor) / CLOCKS_PER_SEC; }

    void print(std::size_t count, const char* what) const {
        std::printf("%zu notes: %s %.1f ms (processor %.1f ms)\n", count, what, wallMs(), processorMs());
    }
};

// Wall and processor milliseconds of each turn.
struct Turns {
    std::vector<double> wall;
    std::vector<double> processor;

    void add(const Stopwatch& watch) {
        wall.push_back(watch.wallMs());
        processor.push_back(watch.processorMs());
    }
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// What a program that only wants the texts would do: read every file of the folder and decode it.
std::size_t readAndDecode(const std::filesystem::path& notes, const pennoc::TextCodec& codec) {
    std::size_t decoded = 0;
    std::u16string text;
    for (const auto& entry : std::filesystem::directory_iterator(notes)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        decoded += codec.decode(bytes, text) ? 1 : 0;
    }
    return decoded;
}

// The program's start (prepare and load) and the plain loop in turns, so that both meet the same load of
// the machine.
void compareWithPlainLoop(pennoc::FileSystem& files, const pennoc::TextCodec& codec,
                          const std::filesystem::path& folder) {
    constexpr int kTurns = 7;
    Turns load;
    Turns plain;
    std::size_t loaded = 0;
    std::size_t decoded = 0;
    for (int turn = 0; turn < kTurns; ++turn) {
        Stopwatch watch;
        pennoc::NoteStorage storage(files, codec, folder);
        storage.prepare();
        loaded = storage.load().texts.size();
        load.add(watch);
        watch = Stopwatch();
        decoded = readAndDecode(folder / "Notes", codec);
        plain.add(watch);
    }
    std::printf("%zu notes: start %.1f ms (processor %.1f ms), plain read-and-decode loop of %zu files %.1f ms "
                "(processor %.1f ms), medians of %d turns\n",
                loaded, median(load.wall), median(load.processor), decoded, median(plain.wall), median(plain.processor),
                kTurns);
    std::printf("%zu notes: start against the plain loop: %.2f (processor %.2f; target 1.5 at most)\n", loaded,
                median(load.wall) / median(plain.wall), median(load.processor) / median(plain.processor));
}

// The note's number, then some text of the length notes have.
std::u16string noteText(std::size_t i) {
    std::u16string text;
    for (const char digit : std::to_string(i)) {
        text += static_cast<char16_t>(digit);
    }
    return text + u" 条便笺\r\nsecond line of the note, with some length to it";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s NOTES [FOLDER]\n", argv[0]);
        return 2;
    }
    const auto count = static_cast<std::size_t>(std::strtoul(argv[1], nullptr, 10));
    pennoc::test::TemporaryFolder temporary;
    const std::filesystem::path folder = argc > 2 ? std::filesystem::path(argv[2]) : temporary.path();
    pennoc::LocalFileSystem files;
    pennoc::Gb18030Codec codec;
    // Written directly: the program's flushes of a first save of every note are not what is timed here.
    const bool given = std::filesystem::is_directory(folder / "Notes");
    std::filesystem::create_directories(folder / "Notes");
    const pennoc::NoteFileCodec fileCodec(codec);
    for (std::size_t i = 0; i < count && !given; ++i) {
        const std::string bytes = *fileCodec.encode(pennoc::fileTextFromNote(noteText(i)));
        std::ofstream(folder / "Notes" / (std::to_string(i) + ".txt"), std::ios::binary) << bytes;
    }

    pennoc::NoteStorage storage(files, codec, folder);
    Stopwatch watch;
    storage.prepare();
    pennoc::StoredNotes stored = storage.load();
    watch.print(stored.texts.size(), "start (prepare and load)");
    if (stored.texts.empty()) {
        std::fprintf(stderr, "no notes in %s\n", folder.string().c_str());
        return 1;
    }
    compareWithPlainLoop(files, codec, folder);

    watch = Stopwatch();
    pennoc::SavedNotes saved = storage.save(stored.texts, false, stored.origins);
    watch.print(stored.texts.size(), "save with nothing changed");

    stored.texts[stored.texts.size() / 2] += u" (edited)";
    watch = Stopwatch();
    saved = storage.save(stored.texts, false, saved.origins);
    watch.print(stored.texts.size(), "save with one note edited");

    // Someone else's entry makes every note's file worth a look before the next save.
    std::filesystem::create_directory(folder / "Notes" / "a folder of the user's");
    stored.texts[stored.texts.size() / 3] += u" (edited)";
    watch = Stopwatch();
    storage.save(stored.texts, false, saved.origins);
    watch.print(stored.texts.size(), "save with one note edited after the folder changed");
    return 0;
}
