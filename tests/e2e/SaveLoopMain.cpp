#include "app/core/NoteStorage.h"
#include "app/platform/Gb18030Codec.h"
#include "app/platform/LocalFileSystem.h"
#include "e2e/SaveSets.h"

#include <algorithm>
#include <cstdio>

// Usage: pennoc_save_loop FOLDER. Saves set A and set B into FOLDER in turn, forever, as a person would edit
// the notes: each note of one set is the same note of the other edited, and the surplus ones are removed.
int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    pennoc::LocalFileSystem files;
    pennoc::Gb18030Codec codec;
    pennoc::NoteStorage storage(files, codec, argv[1]);
    storage.prepare();
    // Each note by the number its text tells, whatever order the files load in.
    const pennoc::StoredNotes stored = storage.load();
    std::vector<pennoc::NoteOrigin> origins;
    for (std::size_t i = 0; i < stored.texts.size(); ++i) {
        const std::size_t index = pennoc::test::saveSetIndex(stored.texts[i]);
        origins.resize(std::max(origins.size(), index + 1), pennoc::kNewNote);
        origins[index] = stored.origins[i];
    }
    const auto setA = pennoc::test::saveSet(u'A', pennoc::test::kSetACount);
    const auto setB = pennoc::test::saveSet(u'B', pennoc::test::kSetBCount);
    for (long round = 0;; ++round) {
        const auto& texts = round % 2 == 0 ? setA : setB;
        origins.resize(texts.size(), pennoc::kNewNote);
        origins = storage.save(texts, round % 2 == 0, origins).origins;
        std::printf("saved %ld\n", round);
        std::fflush(stdout);
    }
}
