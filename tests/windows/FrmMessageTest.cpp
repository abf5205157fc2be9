#include "windows/FrmMessage.h"

#include "controls/UiLook.h"
#include "support/QtRecordingPlatform.h"
#include "todo/ShowReminderPopup.h"
#include "windows/OpenPopups.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using pennoc::FrmMessage;

QWidget* part(FrmMessage& window, const char* name) {
    return window.findChild<QWidget*>(QString::fromLatin1(name));
}

QPoint inWindow(FrmMessage& window, QWidget* target, QPoint local) {
    return target->mapTo(&window, local.isNull() ? target->rect().center() : local);
}

// Pointer events go in through the window, as the window system's would, so they reach whatever lies on top.
void pointerMove(FrmMessage& window, QWidget* target, QPoint local = {}) {
    QTest::mouseMove(window.windowHandle(), inWindow(window, target, local));
}

void click(FrmMessage& window, QWidget* target, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(window.windowHandle(), button, {}, inWindow(window, target, {}));
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

using pennoc::test::openPopups;

bool hasInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::min({pixel.red(), pixel.green(), pixel.blue()}) < 200) {
                return true;
            }
        }
    }
    return false;
}

class FrmMessageTest : public ::testing::Test {
protected:
    pennoc::test::QtRecordingPlatform platform{std::filesystem::temp_directory_path()};
};

TEST(FrmMessageLayoutTest, OkLabelOfDesignWidthIsCentredUnderTheMessage) {
    EXPECT_EQ(FrmMessage::layOut(4125, 2670, 270, 645, 285).lblConfirm, (FrmMessage::TwipsBox{1725, 1920, 645, 285}));
}

TEST_F(FrmMessageTest, LoadingBeepsOnceAndBuildsTheTopmostFramelessWindow) {
    FrmMessage window(platform);
    QWidget* panel = part(window, "PicInterface");
    QWidget* ok = part(window, "LblConfirm");

    EXPECT_EQ(platform.calls, std::vector<std::string>{"beep"});
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(window.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());

    EXPECT_EQ(window.layout().picInterface, (FrmMessage::TwipsBox{15, 330, 4095, 2325}));
    EXPECT_EQ(window.layout().picClose, (FrmMessage::TwipsBox{3825, 15, 270, 270}));
    EXPECT_EQ(window.layout().lblMessage, (FrmMessage::TwipsBox{120, 120, 3855, 1680}));
    EXPECT_EQ(window.layout().lblConfirm.top, 1920);

    EXPECT_EQ(window.size(), QSize(275, 178));
    EXPECT_EQ(panel->geometry(), QRect(1, 22, 273, 155));
    EXPECT_EQ(part(window, "PicClose")->geometry(), QRect(255, 1, 18, 18));
    EXPECT_EQ(part(window, "LblMessage")->geometry(), QRect(8, 8, 257, 112));
    EXPECT_EQ(ok->y(), 128);
    EXPECT_NEAR(ok->geometry().center().x(), panel->width() / 2, 1);
    EXPECT_EQ(part(window, "ShpConfirm")->geometry(), ok->geometry());
    EXPECT_EQ(qobject_cast<QLabel*>(part(window, "LblFormTitle"))->text(), QStringLiteral("消息框标题"));
}

TEST_F(FrmMessageTest, MessageWrapsWithinItsAreaAndIsCutAtTheBottom) {
    FrmMessage window(platform);
    QWidget* panel = part(window, "PicInterface");
    QWidget* message = part(window, "LblMessage");
    QWidget* ok = part(window, "LblConfirm");
    const QRect messageArea = message->geometry();
    const QRect okPlace = ok->geometry();
    const QRect area = messageArea.translated(panel->pos());
    const QRect gap(area.left(), area.bottom() + 1, area.width(), okPlace.top() - messageArea.bottom() - 1);

    // One word far wider than a line, so it has to be broken inside the word.
    window.setMessage(std::u16string(400, u'W'));
    QImage image = window.grab().toImage();
    EXPECT_EQ(message->geometry(), messageArea);
    EXPECT_EQ(ok->geometry(), okPlace);
    EXPECT_TRUE(hasInk(image, QRect(area.left(), area.bottom() - 15, 20, 16)));
    EXPECT_FALSE(hasInk(image, gap));

    window.setMessage(u"");
    image = window.grab().toImage();
    EXPECT_FALSE(hasInk(image, area));
    EXPECT_TRUE(hasInk(image, okPlace.translated(panel->pos()).adjusted(2, 2, -2, -2)));
}

TEST_F(FrmMessageTest, TitleGrowsOnOneLineAndRunsUnderTheCloseBox) {
    FrmMessage window(platform);
    QWidget* title = part(window, "LblFormTitle");
    QWidget* closeBox = part(window, "PicClose");
    window.setTitle(u"待办");
    const int lineHeight = title->height();
    EXPECT_EQ(title->x(), 4);

    window.setTitle(u"一个很长很长很长很长很长很长很长很长很长很长的标题");
    EXPECT_EQ(title->height(), lineHeight);
    EXPECT_GT(title->width(), window.width());
    EXPECT_EQ(window.childAt(closeBox->geometry().center()), closeBox);
}

TEST_F(FrmMessageTest, PointerSwapsTheCloseImageAndLightsTheOkLabel) {
    FrmMessage window(platform);
    window.show();
    auto* closeBox = qobject_cast<QLabel*>(part(window, "PicClose"));
    QWidget* panel = part(window, "PicInterface");
    QWidget* ok = part(window, "LblConfirm");
    const auto closeCorner = [&] { return closeBox->pixmap().toImage().pixelColor(1, 1); };
    const auto okColours = [&] {
        return std::pair{ok->palette().color(QPalette::Window), ok->palette().color(QPalette::WindowText)};
    };
    const QColor accent(51, 153, 255);
    const QColor hoverBlue(98, 176, 255);

    EXPECT_EQ(closeCorner(), accent);
    pointerMove(window, closeBox);
    EXPECT_EQ(closeCorner(), QColor(240, 70, 79));
    EXPECT_EQ(closeBox->pixmap().toImage().pixelColor(9, 9), QColor(Qt::white));
    pointerMove(window, &window, QPoint(200, 10));
    EXPECT_EQ(closeCorner(), accent);

    EXPECT_EQ(okColours(), std::pair(pennoc::toQColor(pennoc::colors::kSystemWindow), accent));
    pointerMove(window, ok);
    EXPECT_EQ(okColours(), std::pair(hoverBlue, QColor(Qt::white)));
    pointerMove(window, part(window, "LblMessage"));
    EXPECT_EQ(okColours(), std::pair(hoverBlue, QColor(Qt::white)));
    pointerMove(window, panel, QPoint(2, panel->height() - 3));
    EXPECT_EQ(okColours(), std::pair(QColor(Qt::white), hoverBlue));
}

TEST_F(FrmMessageTest, DragsByTheBandAndTheTitleOnly) {
    FrmMessage window(platform);
    window.show();
    const QPoint shift(-30, 20);
    const std::pair<QWidget*, bool> presses[] = {{&window, true},
                                                 {part(window, "LblFormTitle"), true},
                                                 {part(window, "PicInterface"), false},
                                                 {part(window, "PicClose"), false}};
    for (const auto& [target, drags] : presses) {
        const QPoint start = window.pos();
        const QPoint press = inWindow(window, target, target == &window ? QPoint(150, 10) : QPoint());

        QTest::mousePress(window.windowHandle(), Qt::RightButton, {}, press);
        const QPoint destination = window.mapToGlobal(press + shift);
        QTest::mouseMove(window.windowHandle(), press + shift);
        QCoreApplication::processEvents();
        QTest::mouseRelease(window.windowHandle(), Qt::RightButton, {}, window.mapFromGlobal(destination));
        flushDeletes();
        EXPECT_EQ(window.pos(), drags ? start + shift : start) << target->objectName().toStdString();
    }
}

TEST_F(FrmMessageTest, CloseBoxAndOkLabelCloseAndDestroyTheWindowButKeysDoNot) {
    for (const char* closer : {"PicClose", "LblConfirm"}) {
        QPointer<FrmMessage> window = new FrmMessage(platform);
        window->show();
        QTest::keyClick(window.data(), Qt::Key_Escape);
        QTest::keyClick(window.data(), Qt::Key_Return);
        click(*window, part(*window, closer), Qt::RightButton);
        flushDeletes();
        ASSERT_TRUE(window && window->isVisible()) << closer;

        click(*window, part(*window, closer));
        flushDeletes();
        EXPECT_TRUE(window.isNull()) << closer;
        delete window.data();
    }
}

// Keys typed into another window as the pop-up opens must not close it unseen.
TEST_F(FrmMessageTest, EnterAndEscapeAloneDoNothingButTabReachesTheOkLabelForEnterOrSpace) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        QPointer<FrmMessage> window = new FrmMessage(platform);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.data()));
        for (const Qt::Key ignored : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}) {
            QTest::keyClick(window->windowHandle(), ignored);
        }
        flushDeletes();
        ASSERT_TRUE(window && window->isVisible());

        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), part(*window, "LblConfirm"));
        QTest::keyClick(window->windowHandle(), key);
        flushDeletes();
        EXPECT_TRUE(window.isNull());
        delete window.data();
    }
}

class ShowReminderPopupTest : public FrmMessageTest {
protected:
    void show(const char16_t* message) {
        pennoc::ShowReminderPopup(platform, platform.notifications(), message, u"待办", &m_context, [this, message] {
            closedCalls.push_back(pennoc::test::utf8(message) + " after " + std::to_string(platform.calls.size()));
        });
    }

    void TearDown() override {
        for (FrmMessage* popup : openPopups()) {
            popup->close();
        }
        flushDeletes();
    }

    QObject m_context;
    std::vector<std::string> closedCalls;
};

TEST_F(ShowReminderPopupTest, ShowsTheMessageModallyAndBeepsOnLoadAndAfterClosing) {
    show(u"体温测量时间到了");

    ASSERT_EQ(openPopups().size(), 1u);
    FrmMessage& popup = *openPopups().front();
    EXPECT_EQ(platform.calls, std::vector<std::string>{"beep"});
    EXPECT_EQ(qobject_cast<QLabel*>(part(popup, "LblMessage"))->text(), QStringLiteral("体温测量时间到了"));
    EXPECT_EQ(qobject_cast<QLabel*>(part(popup, "LblFormTitle"))->text(), QStringLiteral("待办"));
    EXPECT_EQ(QApplication::activeModalWidget(), &popup);

    click(popup, part(popup, "LblConfirm"));
    flushDeletes();
    EXPECT_EQ(platform.calls, std::vector<std::string>(2, "beep"));
    EXPECT_EQ(closedCalls, std::vector<std::string>{"体温测量时间到了 after 2"});
    EXPECT_TRUE(openPopups().empty());
}

TEST_F(ShowReminderPopupTest, ASecondPopUpOpensOnTopAndBlocksTheFirst) {
    show(u"first");
    FrmMessage& first = *openPopups().front();
    show(u"second");
    ASSERT_EQ(openPopups().size(), 2u);
    auto& second = *static_cast<FrmMessage*>(QApplication::activeModalWidget());
    EXPECT_NE(&second, &first);

    click(first, part(first, "LblConfirm"));
    flushDeletes();
    EXPECT_EQ(openPopups().size(), 2u) << "the older window is blocked while the newer is open";
    click(second, part(second, "LblConfirm"));
    flushDeletes();
    click(first, part(first, "LblConfirm"));
    flushDeletes();
    EXPECT_EQ(closedCalls, (std::vector<std::string>{"second after 3", "first after 4"}));
    EXPECT_TRUE(openPopups().empty());
}

} // namespace
