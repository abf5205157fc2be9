#include "app/core/Gb18030.h"
#include "app/core/NoteStorage.h"
#include "app/core/TextWidth.h"
#include "app/platform/Gb18030Codec.h"
#include "app/platform/LocalFileSystem.h"
#include "support/TemporaryFolder.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <iterator>

namespace pennoc {
namespace {

constexpr int kNotes = 10000;

std::vector<std::u16string> manyNotes() {
    std::vector<std::u16string> texts;
    for (int i = 0; i < kNotes; ++i) {
        std::u16string text = u"第";
        text += static_cast<char16_t>(u'0' + i % 10);
        text += u"条便笺\r\nsecond line of the note, with some length to it\r\n";
        texts.push_back(std::move(text));
    }
    return texts;
}

// A prepared storage in a folder of its own.
struct StorageInFolder {
    StorageInFolder() { storage.prepare(); }

    test::TemporaryFolder folder;
    LocalFileSystem files;
    Gb18030Codec codec;
    NoteStorage storage{files, codec, folder.path()};
};

void BM_SaveData10000Notes(benchmark::State& state) {
    StorageInFolder stored;
    const auto texts = manyNotes();
    for (auto _ : state) {
        stored.storage.save(texts, false);
    }
}
BENCHMARK(BM_SaveData10000Notes)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadData10000Notes(benchmark::State& state) {
    StorageInFolder stored;
    stored.storage.save(manyNotes(), false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(stored.storage.load());
    }
}
BENCHMARK(BM_LoadData10000Notes)->Unit(benchmark::kMillisecond);

// The floor for the load above: the same files read and decoded, nothing more.
void BM_ReadAndDecode10000Notes(benchmark::State& state) {
    StorageInFolder stored;
    stored.storage.save(manyNotes(), false);
    std::u16string text;
    for (auto _ : state) {
        for (int i = 0; i < kNotes; ++i) {
            std::ifstream file(stored.storage.notesFolder() / (std::to_string(i) + ".txt"), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
            benchmark::DoNotOptimize(gb18030::decode(bytes, text));
        }
    }
}
BENCHMARK(BM_ReadAndDecode10000Notes)->Unit(benchmark::kMillisecond);

void BM_GetTextLength32767(benchmark::State& state) {
    std::u16string text;
    while (text.size() < 32767) {
        text += u"记事本 notes, 待办 to-do! ";
    }
    text.resize(32767);
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetTextLength(text));
    }
}
BENCHMARK(BM_GetTextLength32767)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pennoc
