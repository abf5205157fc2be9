#include "app/platform/SoundPlayer.h"
#include "support/FileHelpers.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <memory>
// mmsystem.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

namespace pennoc {
namespace {

// The module as the program loads it: by its name without suffix, from the executable's folder. Without an
// audio device (Wine on a CI machine) nothing is heard, but every call returns and the beep says it failed.
TEST(WindowsSoundModuleTest, PlaysStopsAndBeepsWhereThereIsAnOutput) {
    wchar_t executable[MAX_PATH];
    ASSERT_NE(GetModuleFileNameW(nullptr, executable, MAX_PATH), 0u);
    const std::filesystem::path folder = std::filesystem::path(executable).parent_path();
    HMODULE module = LoadLibraryW((folder / kSoundModuleName).c_str());
    ASSERT_NE(module, nullptr);
    const auto create = reinterpret_cast<CreateSoundPlayerFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, kCreateSoundPlayerSymbol)));
    ASSERT_NE(create, nullptr);
    std::unique_ptr<SoundPlayer> player(create());

    test::TemporaryFolder files;
    const std::filesystem::path sound = files.path() / "tone.wav";
    test::writeBytes(sound, test::shortWave());
    player->play(sound);
    player->stop();
    EXPECT_FALSE(player->playing());
    EXPECT_EQ(player->beep(), waveOutGetNumDevs() > 0);

    player.reset();
    FreeLibrary(module);
}

} // namespace
} // namespace pennoc
