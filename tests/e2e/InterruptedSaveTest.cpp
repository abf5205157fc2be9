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

// A save killed at any moment leaves the complete old set or the complete new set, never a mix or nothing.
TEST(InterruptedSave, EveryKillLeavesACompleteSet) {
    test::TemporaryFolder folder;
    LocalFileSystem files;
    Gb18030Codec codec;
    // Files load in name order (0, 1, 10, 100, …), so the sets are compared sorted.
    const auto sorted = [](std::vector<std::u16string> texts) {
        std::sort(texts.begin(), texts.end());
        return texts;
    };
    const auto setA = sorted(test::saveSet(u'A', test::kSetACount));
    const auto setB = sorted(test::saveSet(u'B', test::kSetBCount));
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delay(30, 900);

    for (int round = 0; round < 12; ++round) {
        QProcess loop;
        loop.start(QStringLiteral(PENNOC_SAVE_LOOP), {QString::fromStdString(folder.path().string())});
        ASSERT_TRUE(loop.waitForStarted(5000));
        QThread::msleep(static_cast<unsigned long>(delay(random)));
        loop.kill();
        ASSERT_TRUE(loop.waitForFinished(5000));

        NoteStorage storage(files, codec, folder.path());
        storage.prepare();
        const auto texts = sorted(storage.load().texts);
        const bool complete = texts.empty() || texts == setA || texts == setB;
        ASSERT_TRUE(complete) << "round " << round << ": " << texts.size() << " notes";
    }
}

} // namespace
} // namespace pennoc
