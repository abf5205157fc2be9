#include "app/platform/SoundModule.h"

#include "support/FileHelpers.h"
#include "support/TemporaryFolder.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QTest>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

// Plays a short sound of our own through the module the program loads at its first sound.
TEST(SoundModuleTest, PlaysAShortWaveWhereThereIsAnAudioOutput) {
    QString error;
    std::unique_ptr<SoundPlayer> player = loadSoundPlayer(QCoreApplication::applicationDirPath(), error);
    ASSERT_TRUE(player) << error.toStdString();
    if (QMediaDevices::audioOutputs().isEmpty()) {
        GTEST_SKIP() << "no audio output device on this machine: the module loads, but nothing can be heard";
    }
    test::TemporaryFolder folder;
    const std::filesystem::path sound = folder.path() / "tone.wav";
    test::writeBytes(sound, test::shortWave());
    player->play(sound);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->playing(); }, 3000));
    player->stop();
    EXPECT_FALSE(player->playing());
}

// The pop-up's beeps: our own tone where it can be heard; where it cannot, the module says so and the
// program rings the bell instead.
TEST(SoundModuleTest, BeepsWhereThereIsAnAudioOutputAndOnlyThere) {
    QString error;
    std::unique_ptr<SoundPlayer> player = loadSoundPlayer(QCoreApplication::applicationDirPath(), error);
    ASSERT_TRUE(player) << error.toStdString();
    EXPECT_EQ(player->beep(), !QMediaDevices::audioOutputs().isEmpty());
}

} // namespace
} // namespace pennoc
