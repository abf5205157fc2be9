#include "app/FrmMain.h"
#include "app/NotesPage.h"
#include "controls/ClickableLabel.h"
#include "controls/SButton.h"
#include "support/FileHelpers.h"
#include "support/PointerInput.h"
#include "support/QtRecordingPlatform.h"
#include "support/TemporaryFolder.h"
#include "todo/TodoPage.h"
#include "windows/FrmMessage.h"
#include "windows/OpenPopups.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using pennoc::test::centreOf;
using pennoc::test::clickAt;
using pennoc::test::movePointerTo;
using namespace std::chrono_literals;

namespace pennoc {
namespace {

using test::openPopups;

QString shownText(FrmMessage* popup) {
    return popup->findChild<QLabel*>("LblFormTitle")->text() + "|" + popup->findChild<QLabel*>("LblMessage")->text();
}

// Clicks "确定" of the pop-up on top with the pointer; true when that closed it.
bool confirmWithPointer() {
    const std::vector<FrmMessage*> before = openPopups();
    if (before.empty()) {
        return false;
    }
    QPointer<FrmMessage> top = qobject_cast<FrmMessage*>(QApplication::activeModalWidget());
    if (!top) {
        return false;
    }
    clickAt(centreOf(top->findChild<QLabel*>("LblConfirm")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !top;
}

class ReminderRoadTest : public ::testing::Test {
protected:
    ReminderRoadTest() {
        m_window.Form_Initialize();
        EXPECT_TRUE(m_window.Form_Load());
        m_window.show();
        m_window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    ~ReminderRoadTest() override {
        for (FrmMessage* popup : openPopups()) {
            popup->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TodoPage& page() { return *m_window.todoPage(); }
    std::u16string line(int index) { return m_window.todoList().line(index); }
    void showTodoPage() { clickAt(centreOf(m_window.pageTab(1))); }
    // A file where the notes folder belongs makes every save fail.
    void makeEverySaveFail() {
        std::filesystem::remove_all(m_folder.path() / "Notes");
        test::writeBytes(m_folder.path() / "Notes", "not a folder");
    }

    test::TemporaryFolder m_folder;
    test::QtRecordingPlatform m_platform{m_folder.path()};
    FrmMain m_window{m_platform};
};

TEST_F(ReminderRoadTest, ShutdownSampleSavesTheNotesAndPowersOffOnceAfterHalfAnHour) {
    m_window.notesPage()->Label2_Click(0);
    m_window.notesPage()->editor()->setPlainText(QStringLiteral("unsaved words"));
    std::string noteOnDiskAtCommand;
    m_platform.onCall = [&](const std::string& call) {
        if (call == "powerOff") {
            noteOnDiskAtCommand = test::readBytes(m_folder.path() / "Notes" / "0.txt");
        }
    };

    showTodoPage();
    clickAt(centreOf(page().samplesOpener()));
    ASSERT_FALSE(page().samplePanel()->isHidden());
    clickAt(centreOf(page().sampleButton(5)));
    EXPECT_TRUE(page().samplePanel()->isHidden());
    ASSERT_EQ(m_window.todoList().count(), 1);
    EXPECT_EQ(line(0), u"(-00:30:00)关机");

    m_platform.tick(1000ms, 1800);
    EXPECT_EQ(line(0), u"(-00:00:00)关机");
    EXPECT_EQ(m_platform.count("powerOff"), 0);
    m_platform.tick(1000ms, 1);
    EXPECT_EQ(line(0), u"(已经完成项目)关机");
    EXPECT_EQ(m_platform.calls.back(), "powerOff");
    EXPECT_EQ(noteOnDiskAtCommand, "unsaved words\r\n");
    m_platform.tick(1000ms, 100);
    EXPECT_EQ(m_platform.count("powerOff"), 1);
}

TEST_F(ReminderRoadTest, AShutdownThatFellDueWhileTheMachineSleptOnlySaysSo) {
    showTodoPage();
    clickAt(centreOf(page().samplesOpener()));
    clickAt(centreOf(page().sampleButton(5)));
    m_platform.tick(1000ms, 10);
    // The machine sleeps through the end of the half hour.
    m_platform.fakeClocks.pass(40min);
    m_platform.tick(1000ms, 1);
    EXPECT_EQ(line(0), u"(已经完成项目)关机");
    EXPECT_EQ(m_platform.count("command "), 0);
    const std::vector<FrmMessage*> popups = openPopups();
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(shownText(popups.front()), "待办|关机\n关机或睡眠没有执行：这条提醒来晚了，本应在 12:30 到时。");
}

TEST_F(ReminderRoadTest, APopUpOpenedUnderTheRestingPointerClosesWithItsOkLabel) {
    showTodoPage();
    m_window.todoList().append(u"(-00:00:00)体温测量时间到了！", u"0体温测量时间到了");
    // The pointer rests on "常用" when the clock opens the pop-up.
    movePointerTo(centreOf(page().samplesOpener()));
    ASSERT_TRUE(page().samplesOpener()->underMouse());

    // The person acts once the pop-up shows, wherever the clock's handler is by then.
    QStringList shown;
    bool closedByPointer = false;
    QTimer::singleShot(100, &m_window, [&] {
        const std::vector<FrmMessage*> popups = openPopups();
        if (popups.empty()) {
            return;
        }
        shown.append(shownText(popups.front()));
        closedByPointer = confirmWithPointer();
        // Lets a waiting clock go on should the pointer have failed.
        for (FrmMessage* popup : openPopups()) {
            popup->close();
        }
    });
    m_platform.tick(1000ms, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 2000));

    EXPECT_EQ(shown, QStringList{"待办|体温测量时间到了"});
    EXPECT_TRUE(closedByPointer);
    EXPECT_EQ(m_platform.count("beep"), 2);
    // The press went to nothing in the main window either.
    EXPECT_TRUE(page().samplePanel()->isHidden());
}

TEST_F(ReminderRoadTest, CountdownsGoOnWhileAPopUpIsOpenAndOneDueMeanwhileFollowsItsClose) {
    TodoList& list = m_window.todoList();
    list.append(u"(-00:00:00)first", u"0first");
    list.append(u"(-00:00:02)second", u"0second");
    list.append(u"(-00:01:00)tea", u"0tea");

    std::vector<std::u16string> linesWhileOpen;
    bool closedByPointer = false;
    QTimer::singleShot(100, &m_window, [&] {
        if (openPopups().empty()) {
            return;
        }
        // Three seconds go by while the person reads the pop-up.
        m_platform.tick(1000ms, 3);
        linesWhileOpen = {line(0), line(1), line(2)};
        closedByPointer = confirmWithPointer();
        for (FrmMessage* popup : openPopups()) {
            if (shownText(popup) == "待办|first") {
                popup->close();
            }
        }
    });
    m_platform.tick(1000ms, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !linesWhileOpen.empty(); }, 2000));

    EXPECT_EQ(linesWhileOpen,
              (std::vector<std::u16string>{u"(已经完成项目)first", u"(-00:00:00)second", u"(-00:00:57)tea"}));
    EXPECT_TRUE(closedByPointer);
    // "second" fell due while "first" was open, and shows as soon as that is closed.
    QCoreApplication::sendPostedEvents();
    const std::vector<FrmMessage*> popups = openPopups();
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(shownText(popups.front()), "待办|second");
    EXPECT_EQ(line(1), u"(已经完成项目)second");
    m_platform.tick(1000ms, 2);
    EXPECT_EQ(line(2), u"(-00:00:55)tea");
    EXPECT_TRUE(confirmWithPointer());
    EXPECT_EQ(m_platform.count("beep"), 4);
}

TEST_F(ReminderRoadTest, ASaveErrorShownByAReminderDoesNotHoldTheClock) {
    makeEverySaveFail();
    TodoList& list = m_window.todoList();
    list.append(u"(-00:00:00)open", u"3/tmp/menu.txt");
    list.append(u"(-00:01:00)tea", u"0tea");
    m_platform.whileDialogOpen = [this] { m_platform.tick(1000ms, 3); };
    m_platform.tick(1000ms, 1);
    ASSERT_EQ(m_platform.count("error "), 1);
    // Three ticks while the error box was open, and the one that found "open" due.
    EXPECT_EQ(line(1), u"(-00:00:56)tea");
    EXPECT_EQ(m_platform.calls.back(), "open /tmp/menu.txt");
}

// A shutdown or a logout can end the program while a reminder's save error waits for an answer; the reminder's
// action must not start on the way out.
TEST_F(ReminderRoadTest, NoActionStartsWhenTheProgramEndsWhileItsSaveErrorIsOpen) {
    makeEverySaveFail();
    m_window.todoList().append(u"(-00:00:00)open", u"3/tmp/menu.txt");
    m_platform.whileDialogOpen = [this] { m_window.exitWithoutAsking(); };
    m_platform.tick(1000ms, 1);
    ASSERT_EQ(m_platform.count("error "), 1);
    EXPECT_EQ(m_platform.count("open "), 0);
}

TEST_F(ReminderRoadTest, AFailedSaveCancelsAPowerActionButNotTheClock) {
    makeEverySaveFail();
    TodoList& list = m_window.todoList();
    list.append(u"(-00:00:00)关机", u"2shutdown -s -t 0");
    list.append(u"(-00:00:01)open", u"3/tmp/menu.txt");
    m_platform.tick(1000ms, 1);
    EXPECT_EQ(m_platform.count("powerOff"), 0);
    EXPECT_EQ(m_platform.count("console 便笺没有保存成功，关机或睡眠已取消。"), 1);
    m_platform.tick(1000ms, 2);
    EXPECT_EQ(m_platform.calls.back(), "open /tmp/menu.txt");
    EXPECT_EQ(m_platform.count("powerOff"), 0);
}

TEST_F(ReminderRoadTest, TimeOfDayRemindersFireOnTheirMinute) {
    m_window.todoList().append(u"(+12:01)午饭", u"3/tmp/menu.txt");
    m_platform.tick(1000ms, 59);
    EXPECT_EQ(line(0), u"(+12:01)午饭");
    m_platform.tick(1000ms, 1);
    EXPECT_EQ(line(0), u"(已经完成项目)午饭");
    EXPECT_EQ(m_platform.calls.back(), "open /tmp/menu.txt");
}

TEST_F(ReminderRoadTest, TheClockRunsWhicheverPageIsShown) {
    showTodoPage();
    page().SButton4_Click(3);
    m_platform.tick(1000ms, 2);
    m_window.Label1_Click(0);
    m_platform.tick(1000ms, 2);
    EXPECT_EQ(line(0), u"(-00:04:56)面泡好了！");
}

} // namespace
} // namespace pennoc
