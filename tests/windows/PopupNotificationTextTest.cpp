#include "support/QtRecordingPlatform.h"
#include "windows/FrmMessage.h"
#include "windows/PopupNotification.h"

#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

// The notification shows what the pop-up shows, also when the pop-up's texts change while it is open.
TEST(PopupNotificationTextTest, TheNotificationFollowsThePopUpsTextsUntilItCloses) {
    test::QtRecordingPlatform platform{std::filesystem::temp_directory_path()};
    const auto& shown = platform.desktopNotifications.shown;
    QPointer<FrmMessage> popup = new FrmMessage(platform);
    notifyAlongside(*popup, platform.notifications());
    popup->setTitle(u"待办");
    popup->setMessage(u"tea");
    EXPECT_TRUE(shown.empty());
    popup->show();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.begin()->second.summary + u"|" + shown.begin()->second.body, u"待办|tea");

    popup->setMessage(u"tea, late");
    EXPECT_EQ(shown.begin()->second.body, u"tea, late");
    popup->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(popup);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(platform.desktopNotifications.sent, 1u);
}

} // namespace
} // namespace pennoc
