#include "todo/TaskActionDispatch.h"

#include "support/RecordingPlatform.h"
#include "support/TemporaryFolder.h"
#include "todo/PlatformActionTarget.h"

#include <fstream>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

using test::utf8;

class TaskActionDispatchTest : public ::testing::Test {
protected:
    // The calls a reminder's action makes, "save" standing for the notes being written first, and "goes on"
    // when the action outlasts the call (the clock must then wait for the pop-up to close).
    std::vector<std::string> run(const std::u16string& action) {
        platform.calls.clear();
        if (dispatchTaskAction(
                action, [this] { platform.calls.push_back("save"); }, target)) {
            platform.calls.push_back("goes on");
        }
        return platform.calls;
    }

    test::TemporaryFolder folder;
    test::RecordingPlatform platform{folder.path()};
    PlatformActionTarget target{platform, [this](const std::u16string& message, const std::u16string& title) {
                                    platform.calls.push_back("popup " + utf8(title) + "|" + utf8(message));
                                }};
};

using Calls = std::vector<std::string>;

TEST_F(TaskActionDispatchTest, SavesFirstThenRunsTheActionOfItsType) {
    const std::filesystem::path sound = folder.path() / "铃声.wav";
    std::ofstream(sound) << "RIFF";
    EXPECT_EQ(run(u"0体温测量时间到了"), (Calls{"save", "popup 待办|体温测量时间到了", "goes on"}));
    EXPECT_EQ(run(u"0"), (Calls{"save", "popup 待办|", "goes on"}));
    EXPECT_EQ(run(u"1" + sound.u16string()), (Calls{"save", "playSound " + sound.string()}));
    EXPECT_EQ(run(u"2shutdown -s -t 0"), (Calls{"save", "command shutdown -s -t 0"}));
    EXPECT_EQ(run(u"2rundll32.exe powrprof.dll SetSuspendState"),
              (Calls{"save", "command rundll32.exe powrprof.dll SetSuspendState"}));
    EXPECT_EQ(run(u"3/opt/music/Canon.mid"), (Calls{"save", "open /opt/music/Canon.mid"}));
    EXPECT_EQ(run(u"3"), (Calls{"save", "open "}));
}

TEST_F(TaskActionDispatchTest, SoundOnlyPlaysAnExistingOrdinaryFile) {
    std::filesystem::create_directory(folder.path() / "Sounds");
    EXPECT_EQ(run(u"1"), Calls{"save"});
    EXPECT_EQ(run(u"1" + (folder.path() / "missing.wav").u16string()), Calls{"save"});
    EXPECT_EQ(run(u"1" + (folder.path() / "Sounds").u16string()), Calls{"save"});
    EXPECT_EQ(run(std::u16string(u"1a") + char16_t(0xD800)), Calls{"save"});
}

TEST_F(TaskActionDispatchTest, TypesBeyondThreeOnlySaveAndOtherCharactersShowAPopup) {
    for (char16_t type = u'4'; type <= u'9'; ++type) {
        EXPECT_EQ(run(std::u16string(1, type) + u"shutdown -s -t 0"), Calls{"save"});
    }
    EXPECT_EQ(run(u"x买菜"), (Calls{"save", "popup 待办|买菜", "goes on"}));
    EXPECT_EQ(run(u"+2"), (Calls{"save", "popup 待办|2", "goes on"}));
    EXPECT_EQ(run(u""), (Calls{"save", "popup 待办|", "goes on"}));
}

TEST_F(TaskActionDispatchTest, NothingRunsWhenSavingFails) {
    const auto failingSave = [] { throw std::runtime_error("disk full"); };
    EXPECT_THROW(dispatchTaskAction(u"2shutdown -s -t 0", failingSave, target), std::runtime_error);
    EXPECT_TRUE(platform.calls.empty());
}

} // namespace
} // namespace pennoc
