// Times the storage's work on a folder of many notes, with the real files, the real codec and every flush:
// the load at start, a save with nothing changed (an exit), and a save after one note was edited.
// Usage: pennoc_note_save_times NOTES [FOLDER] (FOLDER: a program folder to use; a temporary one by default).
#include "app/NoteStorage.h"
#include "app/platform/Gb18030Codec.h"
#include "app/platform/LocalFileSystem.h"
#include "support/TemporaryFolder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::u16string noteText(std::size_t i) {
    std::u16string text = u"第" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10));
    return text + u"条便笺\r\nsecond line of the note, with some length to it";
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
    {
        pennoc::NoteStorage first(files, codec, folder);
        first.prepare();
        std::vector<std::u16string> texts;
        for (std::size_t i = 0; i < count; ++i) {
            texts.push_back(noteText(i));
        }
        first.save(texts, false);
    }

    pennoc::NoteStorage storage(files, codec, folder);
    Clock::time_point start = Clock::now();
    storage.prepare();
    pennoc::StoredNotes stored = storage.load();
    std::printf("%zu notes: start (prepare and load) %.1f ms\n", count, millisecondsSince(start));

    start = Clock::now();
    pennoc::SavedNotes saved = storage.save(stored.texts, false, stored.origins);
    std::printf("%zu notes: save with nothing changed %.1f ms\n", count, millisecondsSince(start));

    stored.texts[count / 2] += u" (edited)";
    start = Clock::now();
    storage.save(stored.texts, false, saved.origins);
    std::printf("%zu notes: save with one note edited %.1f ms\n", count, millisecondsSince(start));
    return 0;
}
