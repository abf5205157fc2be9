#include "app/FrmMain.h"
#include "app/NotesPage.h"
#include "controls/SButton.h"
#include "support/FileHelpers.h"
#include "support/RecordingPlatform.h"
#include "support/TemporaryFolder.h"
#include "todo/TodoPage.h"
#include "windows/FrmMessage.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace pennoc {
namespace {

// Closes every pop-up as soon as the event loop that waits for it runs, noting what each showed.
class PopupCloser : public QObject {
public:
    PopupCloser() {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* popup = qobject_cast<FrmMessage*>(widget);
                if (popup && popup->isVisible()) {
                    shown.push_back(popup->findChild<QLabel*>("LblFormTitle")->text() + "|" +
                                    popup->findChild<QLabel*>("LblMessage")->text());
                    popup->close();
                }
            }
        });
        m_timer.start(0);
    }

    QStringList shown;

private:
    QTimer m_timer;
};

class ReminderRoadTest : public ::testing::Test {
protected:
    ReminderRoadTest() {
        m_window.Form_Initialize();
        EXPECT_TRUE(m_window.Form_Load());
    }

    TodoPage& page() { return *m_window.todoPage(); }
    std::u16string line(int index) { return page().todoList().line(index); }

    test::TemporaryFolder m_folder;
    test::RecordingPlatform m_platform{m_folder.path()};
    FrmMain m_window{m_platform};
};

TEST_F(ReminderRoadTest, ShutdownSampleSavesTheNotesAndPowersOffOnceAfterHalfAnHour) {
    m_window.notesPage()->Label2_Click(0);
    m_window.notesPage()->editor()->setPlainText(QStringLiteral("unsaved words"));
    std::string noteOnDiskAtCommand;
    m_platform.onCall = [&](const std::string& call) {
        if (call.starts_with("command ")) {
            noteOnDiskAtCommand = test::readBytes(m_folder.path() / "Notes" / "0.txt");
        }
    };

    page().SButton2_Click();
    QTest::mouseClick(page().sampleButton(5), Qt::LeftButton);
    EXPECT_FALSE(page().samplePanel()->isVisible());
    ASSERT_EQ(page().todoList().count(), 1);
    EXPECT_EQ(line(0), u"(-00:30:00)关机");

    m_platform.tick(1000ms, 1800);
    EXPECT_EQ(line(0), u"(-00:00:00)关机");
    EXPECT_EQ(m_platform.count("command "), 0);
    m_platform.tick(1000ms, 1);
    EXPECT_EQ(line(0), u"(已经完成项目)关机");
    EXPECT_EQ(m_platform.calls.back(), "command shutdown -s -t 0");
    EXPECT_EQ(noteOnDiskAtCommand, "unsaved words\r\n");
    m_platform.tick(1000ms, 100);
    EXPECT_EQ(m_platform.count("command "), 1);
}

TEST_F(ReminderRoadTest, AMessageReminderShowsItsPopUpWithTwoBeeps) {
    PopupCloser closer;
    page().SButton4_Click(0);
    m_platform.tick(1000ms, 600);
    EXPECT_TRUE(closer.shown.isEmpty());
    m_platform.tick(1000ms, 1);
    EXPECT_EQ(closer.shown, QStringList{"待办|体温测量时间到了"});
    EXPECT_EQ(m_platform.count("beep"), 2);
    EXPECT_TRUE(fs::exists(m_folder.path() / "Notes"));
}

TEST_F(ReminderRoadTest, TwoRemindersDueTogetherRunOneAfterTheOther) {
    page().SButton4_Click(3);
    page().SButton4_Click(3);
    page().SButton4_Click(0);
    std::vector<std::u16string> linesWhenFirstShown;
    int ticksDuringFirst = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* popup = qobject_cast<FrmMessage*>(widget);
            if (!popup || !popup->isVisible()) {
                continue;
            }
            if (linesWhenFirstShown.empty()) {
                // Ticks keep coming while the first pop-up waits for the user.
                m_platform.tick(1000ms, 3);
                ticksDuringFirst = 3;
                linesWhenFirstShown = {line(0), line(1), line(2)};
            }
            popup->close();
        }
    });
    closer.start(0);

    m_platform.tick(1000ms, 301);
    EXPECT_EQ(ticksDuringFirst, 3);
    ASSERT_EQ(linesWhenFirstShown.size(), 3u);
    EXPECT_EQ(linesWhenFirstShown[0], u"(已经完成项目)面泡好了！");
    EXPECT_EQ(linesWhenFirstShown[1], u"(-00:00:00)面泡好了！");
    EXPECT_EQ(linesWhenFirstShown[2], u"(-00:04:57)体温测量时间到了！");
    EXPECT_EQ(line(1), u"(已经完成项目)面泡好了！");
    EXPECT_EQ(m_platform.count("beep"), 4);
}

TEST_F(ReminderRoadTest, TimeOfDayRemindersFireOnTheirMinute) {
    page().todoList().append(u"(+12:01)午饭", u"3/tmp/menu.txt");
    m_platform.now = u"12:00";
    m_platform.tick(1000ms, 5);
    EXPECT_EQ(line(0), u"(+12:01)午饭");
    m_platform.now = u"12:01";
    m_platform.tick(1000ms, 1);
    EXPECT_EQ(line(0), u"(已经完成项目)午饭");
    EXPECT_EQ(m_platform.calls.back(), "open /tmp/menu.txt");
}

TEST_F(ReminderRoadTest, TheClockRunsWhicheverPageIsShown) {
    page().SButton4_Click(3);
    m_window.Label1_Click(1);
    m_platform.tick(1000ms, 2);
    m_window.Label1_Click(0);
    m_platform.tick(1000ms, 2);
    EXPECT_EQ(line(0), u"(-00:04:56)面泡好了！");
}

} // namespace
} // namespace pennoc
