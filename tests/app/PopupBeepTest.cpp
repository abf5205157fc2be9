#include "app/platform/DesktopPlatform.h"
#include "app/platform/SoundPlayer.h"
#include "todo/ShowReminderPopup.h"
#include "windows/OpenPopups.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

// Where an audio output exists, a pop-up's opening beep is our tone, played by the sound module.
TEST(PopupBeepTest, APopUpOpeningAsksTheSoundModuleForTheTone) {
    QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kSoundModuleName)));
    DesktopPlatform platform;
    QObject context;
    ShowReminderPopup(platform, platform.notifications(), u"tea is ready", u"待办", &context, [] {});
    ASSERT_EQ(test::openPopups().size(), 1u);
    const auto* heard = reinterpret_cast<const int*>(module.resolve("pennoc_beeps_heard"));
    ASSERT_NE(heard, nullptr) << module.errorString().toStdString();
    EXPECT_EQ(*heard, 1);
    test::openPopups().front()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
} // namespace pennoc
