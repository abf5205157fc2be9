#include "support/RecordingPlatform.h"
#include "support/TemporaryFolder.h"
#include "todo/core/TaskAction.h"

#include <fstream>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

using test::utf8;

class TaskActionRunTest : public ::testing::Test {
protected:
    // The calls a stored action makes, and "goes on" when it outlasts the call (the clock must then wait for
    // the pop-up to close).
    std::vector<std::string> run(const std::u16string& stored) {
        platform.calls.clear();
        const auto showPopup = [this](const std::u16string& message, const std::u16string& title) {
            platform.calls.push_back("popup " + utf8(title) + "|" + utf8(message));
        };
        if (TaskAction::read(stored).run(platform, platform, showPopup)) {
            platform.calls.push_back("goes on");
        }
        return platform.calls;
    }

    test::TemporaryFolder folder;
    test::RecordingPlatform platform{folder.path()};
};

using Calls = std::vector<std::string>;

TEST_F(TaskActionRunTest, RunsTheActionOfItsType) {
    const std::filesystem::path sound = folder.path() / "铃声.wav";
    std::ofstream(sound) << "RIFF";
    EXPECT_EQ(run(u"0体温测量时间到了"), (Calls{"popup 待办|体温测量时间到了", "goes on"}));
    EXPECT_EQ(run(u"0"), (Calls{"popup 待办|", "goes on"}));
    EXPECT_EQ(run(std::u16string(u"1").append(sound.u16string())), (Calls{"playSound " + sound.string()}));
    EXPECT_EQ(run(u"2shutdown -s -t 0"), (Calls{"powerOff"}));
    EXPECT_EQ(run(u"2rundll32.exe powrprof.dll SetSuspendState"), (Calls{"suspend"}));
    EXPECT_EQ(run(u"2notify-send 下班"), (Calls{"command notify-send 下班"}));
    EXPECT_EQ(run(u"3/opt/music/Canon.mid"), (Calls{"open /opt/music/Canon.mid"}));
    EXPECT_EQ(run(u"3"), (Calls{"open "}));
}

TEST_F(TaskActionRunTest, SoundOnlyPlaysAnExistingOrdinaryFile) {
    std::filesystem::create_directory(folder.path() / "Sounds");
    EXPECT_EQ(run(u"1"), Calls{});
    EXPECT_EQ(run(std::u16string(u"1").append((folder.path() / "missing.wav").u16string())), Calls{});
    EXPECT_EQ(run(std::u16string(u"1").append((folder.path() / "Sounds").u16string())), Calls{});
    EXPECT_EQ(run(std::u16string(u"1a") + char16_t(0xD800)), Calls{});
}

TEST_F(TaskActionRunTest, TypesBeyondThreeRunNothingAndOtherCharactersShowAPopup) {
    for (char16_t type = u'4'; type <= u'9'; ++type) {
        EXPECT_EQ(run(std::u16string(1, type) + u"shutdown -s -t 0"), Calls{});
    }
    EXPECT_EQ(run(u"x买菜"), (Calls{"popup 待办|买菜", "goes on"}));
    EXPECT_EQ(run(u"+2"), (Calls{"popup 待办|2", "goes on"}));
    EXPECT_EQ(run(u""), (Calls{"popup 待办|", "goes on"}));
}

} // namespace
} // namespace pennoc
