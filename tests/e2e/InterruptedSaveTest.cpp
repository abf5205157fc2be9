#include "app/core/NoteStorage.h"
#include "app/platform/Gb18030Codec.h"
#include "app/platform/LocalFileSystem.h"
#include "e2e/ProgramProcess.h"
#include "e2e/SaveSets.h"
#include "support/TemporaryFolder.h"

#include <QProcess>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace pennoc {
namespace {

// A save killed at any moment leaves each note's old text or its new one in a file, and nothing else.
TEST(InterruptedSave, EveryKillLeavesEachNotesOldOrNewText) {
    test::TemporaryFolder folder;
    LocalFileSystem files;
    Gb18030Codec codec;
    const auto setA = test::saveSet(u'A', test::kSetACount);
    const auto setB = test::saveSet(u'B', test::kSetBCount);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delay(30, 900);
    NoteStorage first(files, codec, folder.path());
    first.prepare();
    first.save(setA, true);

    for (int round = 0; round < 12; ++round) {
        QProcess loop;
        loop.start(QStringLiteral(PENNOC_SAVE_LOOP), {QString::fromStdString(folder.path().string())});
        ASSERT_TRUE(loop.waitForStarted(5000));
        QThread::msleep(static_cast<unsigned long>(delay(random)));
        loop.kill();
        ASSERT_TRUE(loop.waitForFinished(5000));

        NoteStorage storage(files, codec, folder.path());
        storage.prepare();
        const auto texts = storage.load().texts;
        const auto loaded = [&texts](const std::u16string& text) {
            return std::find(texts.begin(), texts.end(), text) != texts.end();
        };
        for (const std::u16string& text : texts) {
            ASSERT_TRUE(std::find(setA.begin(), setA.end(), text) != setA.end() ||
                        std::find(setB.begin(), setB.end(), text) != setB.end())
                << "round " << round << ": a text of neither set";
        }
        for (int i = 0; i < test::kSetBCount; ++i) {
            ASSERT_TRUE(loaded(setA[static_cast<std::size_t>(i)]) || loaded(setB[static_cast<std::size_t>(i)]))
                << "round " << round << ": note " << i << " lost";
        }
    }
}

} // namespace
} // namespace pennoc
