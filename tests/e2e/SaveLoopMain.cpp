#include "app/core/NoteStorage.h"
#include "app/platform/Gb18030Codec.h"
#include "app/platform/LocalFileSystem.h"
#include "e2e/SaveSets.h"

#include <cstdio>

// Usage: pennoc_save_loop FOLDER. Saves set A and set B into FOLDER in turn, forever.
int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    pennoc::LocalFileSystem files;
    pennoc::Gb18030Codec codec;
    pennoc::NoteStorage storage(files, codec, argv[1]);
    storage.prepare();
    const auto setA = pennoc::test::saveSet(u'A', pennoc::test::kSetACount);
    const auto setB = pennoc::test::saveSet(u'B', pennoc::test::kSetBCount);
    for (long round = 0;; ++round) {
        storage.save(round % 2 == 0 ? setA : setB, round % 2 == 0);
        std::printf("saved %ld\n", round);
        std::fflush(stdout);
    }
}
