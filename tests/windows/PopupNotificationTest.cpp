// A due pop-up and its notification in the desktop's list, through the real session bus client and a
// notification service of our own on the test's private session bus.
#include "app/FrmMain.h"
#include "app/platform/DesktopNotificationService.h"
#include "support/FakeNotificationService.h"
#include "support/PointerInput.h"
#include "support/QtRecordingPlatform.h"
#include "support/TemporaryFolder.h"
#include "todo/core/TodoList.h"
#include "windows/FrmMessage.h"
#include "windows/OpenPopups.h"

#include <QDBusConnection>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace pennoc {
namespace {

using Service = test::FakeNotificationService;
using test::openPopups;

// The program's own connection, where signals reach every receiver in the order they came.
class ClosedSignals : public QObject {
    Q_OBJECT

public:
    ClosedSignals() {
        QDBusConnection::sessionBus().connect(QString(), QStringLiteral("/org/freedesktop/Notifications"),
                                              QStringLiteral("org.freedesktop.Notifications"),
                                              QStringLiteral("NotificationClosed"), this, SLOT(onClosed(uint, uint)));
    }
    int count = 0;

public Q_SLOTS:
    void onClosed(uint, uint) { ++count; }
};

class PopupNotificationTest : public ::testing::Test {
protected:
    PopupNotificationTest() {
        m_platform.notificationService = m_notifications.get();
        m_window.Form_Initialize();
        EXPECT_TRUE(m_window.Form_Load());
        m_window.show();
        m_window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    ~PopupNotificationTest() override {
        for (FrmMessage* popup : openPopups()) {
            popup->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A reminder due at the next tick and one that keeps counting; returns the pop-up the tick opens.
    QPointer<FrmMessage> popUp() {
        m_window.todoList().append(u"(-00:00:00)tea is ready", u"0tea is ready");
        m_window.todoList().append(u"(-00:10:00)later", u"0later");
        m_platform.tick(1000ms, 1);
        const std::vector<FrmMessage*> popups = openPopups();
        return popups.size() == 1 ? popups.front() : nullptr;
    }

    static QDBusConnection serviceBus() {
        return QDBusConnection::connectToBus(QDBusConnection::BusType::SessionBus, QStringLiteral("service"));
    }

    test::TemporaryFolder m_folder;
    test::QtRecordingPlatform m_platform{m_folder.path()};
    std::unique_ptr<DesktopNotifications> m_notifications = createDesktopNotifications("pennoc");
    FrmMain m_window{m_platform};
};

TEST_F(PopupNotificationTest, APopUpGoesToTheListTooAndItsOkTakesTheNotificationAway) {
    Service service(serviceBus(), true);
    ASSERT_TRUE(service.registered());
    QPointer<FrmMessage> popup = popUp();
    ASSERT_TRUE(popup);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.callsOf("Notify").empty(); }, 5000));
    const Service::Call sent = service.callsOf("Notify").front();
    EXPECT_EQ(sent.summary, "待办");
    EXPECT_EQ(sent.body, "tea is ready");
    EXPECT_EQ(sent.appIcon, "pennoc");
    EXPECT_EQ(sent.hints.value("desktop-entry").toString(), "pennoc");
    EXPECT_EQ(sent.hints.value("urgency").toInt(), 2);
    EXPECT_EQ(sent.expireTimeout, 0);
    EXPECT_TRUE(sent.actions.contains("确定"));
    EXPECT_EQ(sent.actions.size(), 4) << "确定, and the notification itself";

    test::clickAt(test::centreOf(popup->findChild<QLabel*>("LblConfirm")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.callsOf("CloseNotification").empty(); }, 5000));
    EXPECT_EQ(service.callsOf("CloseNotification").front().id, sent.id);
    EXPECT_FALSE(popup);
    EXPECT_EQ(service.callsOf("Notify").size(), 1u);
}

TEST_F(PopupNotificationTest, OkOnTheNotificationClosesThePopUpButDismissingItLeavesItOpen) {
    Service service(serviceBus(), true);
    ClosedSignals closed;
    QPointer<FrmMessage> popup = popUp();
    ASSERT_TRUE(popup);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.callsOf("Notify").empty(); }, 5000));

    service.dismiss(service.callsOf("Notify").front().id);
    ASSERT_TRUE(QTest::qWaitFor([&] { return closed.count == 1; }, 5000));
    EXPECT_TRUE(popup && popup->isVisible());

    // A second reminder's pop-up: its 确定 on the list closes it.
    popup->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    popup = popUp();
    ASSERT_TRUE(popup);
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.callsOf("Notify").size() == 2; }, 5000));
    service.invokeAction(service.callsOf("Notify").back().id, "confirm", "token-1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popup; }, 5000));
}

TEST_F(PopupNotificationTest, WithoutAServiceOrWithOneThatNeverAnswersThePopUpShowsAndTheClockGoesOn) {
    for (const bool serviceRuns : {false, true}) {
        std::optional<Service> silent;
        if (serviceRuns) {
            silent.emplace(serviceBus(), false);
        }
        m_window.todoList().clear();
        QPointer<FrmMessage> popup = popUp();
        ASSERT_TRUE(popup) << serviceRuns;
        const std::u16string counting = m_window.todoList().line(1);
        m_platform.tick(1000ms, 5);
        EXPECT_NE(m_window.todoList().line(1), counting) << serviceRuns;
        popup->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(openPopups().empty());
    }
}

} // namespace
} // namespace pennoc

#include "PopupNotificationTest.moc"
