#include "controls/ClickableLabel.h"
#include "support/QtRecordingPlatform.h"
#include "support/TemporaryFolder.h"
#include "todo/ActionEditor.h"
#include "todo/TimeEntry.h"
#include "todo/TodoPage.h"
#include "todo/core/TaskAction.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

using Entries = std::vector<std::pair<std::u16string, std::u16string>>;

class TodoCommandsTest : public ::testing::Test {
protected:
    TodoCommandsTest() { m_page.resize(408, 444); }

    // Sets the time panel as the user would: mode, digits, "应用".
    void setTime(int mode, const QString& hours, const QString& minutes) {
        m_page.timeEntry().Label7_Click(mode);
        m_page.findChild<QLineEdit*>("Text3")->setText(hours);
        m_page.findChild<QLineEdit*>("Text4")->setText(minutes);
        m_page.timeEntry().Label8_Click(0);
    }

    void save(const QString& title) {
        m_page.titleBox()->setText(title);
        QTest::mouseClick(m_page.command(4), Qt::LeftButton);
    }

    // Clicks a row of the list where it shows, as a person does.
    void select(int row) {
        QListView* list = m_page.list();
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    Entries entries() {
        Entries result;
        for (int i = 0; i < m_page.todoList().count(); ++i) {
            result.emplace_back(m_page.todoList().line(i), m_page.todoList().action(i));
        }
        return result;
    }

    bool chosen(const char* name) const {
        const auto* label = m_page.findChild<QLabel*>(name);
        return label->font().underline();
    }

    test::TemporaryFolder m_folder;
    test::QtRecordingPlatform m_platform{m_folder.path()};
    TodoList m_list;
    TodoPage m_page{m_platform, m_platform, m_folder.path(), m_list};
};

TEST_F(TodoCommandsTest, SaveTurnsTheEditorIntoAnEntry) {
    save(QStringLiteral("   "));
    setTime(1, "01", "30");
    save(QStringLiteral("开会"));
    setTime(0, "08", "05");
    save(QStringLiteral("t"));
    setTime(1, "00", "00");
    save(QStringLiteral("zero countdown"));
    setTime(0, "00", "00");
    save(QStringLiteral("midnight"));
    EXPECT_EQ(entries(), (Entries{{u"(没有设定时间)待办事件", u"0待办事件"},
                                  {u"(-01:30:00)开会", u"0开会"},
                                  {u"(+08:05)t", u"0t"},
                                  {u"(没有设定时间)zero countdown", u"0zero countdown"},
                                  {u"(+00:00)midnight", u"0midnight"}}));
}

TEST_F(TodoCommandsTest, SaveTakesTheChosenActionAndResetsTheEditor) {
    ActionEditor& actions = m_page.actionEditor();
    actions.Label13_Click(1);
    actions.Label23_Click();
    save(QStringLiteral("no sound chosen"));
    EXPECT_EQ(m_page.todoList().action(0), u"1");

    m_platform.dialogAnswers.push_back(std::filesystem::path("/tmp/chime.wav"));
    actions.Label18_Click(2);
    actions.Label13_Click(3);
    actions.Label23_Click();
    actions.Label19_Click(1);
    setTime(1, "00", "10");
    save(QStringLiteral("open it"));
    EXPECT_EQ(m_page.todoList().action(1), u"3/tmp/chime.wav");

    EXPECT_TRUE(m_page.titleBox()->text().isEmpty());
    EXPECT_EQ(m_page.timeEntry().timeCaption(), u"时间   -00:00");
    EXPECT_EQ(actions.taskCaption(), u"任务   弹出提示");
    EXPECT_TRUE(chosen("Label13_0"));
    EXPECT_TRUE(chosen("Label19_0"));
    EXPECT_FALSE(actions.sleepSelected());
    EXPECT_TRUE(actions.soundPath().empty());
    EXPECT_TRUE(actions.filePath().empty());
    EXPECT_FALSE(m_page.list()->currentIndex().isValid());

    actions.Label13_Click(2);
    actions.Label19_Click(1);
    actions.Label23_Click();
    save(QStringLiteral("sleep"));
    EXPECT_EQ(m_page.todoList().action(2), u"2rundll32.exe powrprof.dll SetSuspendState");
}

TEST_F(TodoCommandsTest, TheTitleBoxTakesSixteenCharacters) {
    QTest::keyClicks(m_page.titleBox(), QStringLiteral("abcdefghijklmnopqrstu"));
    EXPECT_EQ(m_page.titleBox()->text(), QStringLiteral("abcdefghijklmnop"));
}

TEST_F(TodoCommandsTest, DeleteRemovesTheSelectedEntryWithItsAction) {
    for (int i = 0; i < 4; ++i) {
        m_page.SButton4_Click(i);
    }
    QTest::mouseClick(m_page.command(1), Qt::LeftButton); // nothing selected
    EXPECT_EQ(m_page.todoList().count(), 4);
    select(1);
    m_page.titleBox()->setText(QStringLiteral("draft"));
    QTest::mouseClick(m_page.command(1), Qt::LeftButton);
    EXPECT_EQ(entries(), (Entries{{u"(-00:10:00)体温测量时间到了！", u"0体温测量时间到了"},
                                  {u"(-00:30:00)到会议室开会", u"0到会议室开会"},
                                  {u"(-00:05:00)面泡好了！", u"0面泡好了"}}));
    EXPECT_TRUE(m_page.titleBox()->text().isEmpty());
}

TEST_F(TodoCommandsTest, ClearingCompletedKeepsTheRestInOrderAndClearAllEmptiesTheList) {
    TodoList& list = m_page.todoList();
    list.append(u"(已经完成项目)a", u"0a");
    list.append(u"(-00:01:00)b", u"0b");
    list.append(u"(已经完成项目)c", u"0c");
    list.append(u"(没有设定时间)d", u"0d");
    list.append(u"(+07:00)e", u"0e");
    list.append(u"(已经完成项目)f", u"0f");
    m_page.titleBox()->setText(QStringLiteral("kept"));
    m_page.Label4_Click(2);
    EXPECT_EQ(entries(), (Entries{{u"(-00:01:00)b", u"0b"}, {u"(没有设定时间)d", u"0d"}, {u"(+07:00)e", u"0e"}}));
    EXPECT_EQ(m_page.titleBox()->text(), QStringLiteral("kept"));

    m_page.Label4_Click(3);
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(m_page.titleBox()->text().isEmpty());
}

TEST_F(TodoCommandsTest, SamplesAppendTheirReminderAndCloseThePanel) {
    m_page.SButton2_Click();
    ASSERT_FALSE(m_page.samplePanel()->isHidden());
    m_page.SButton4_Click(4);
    EXPECT_TRUE(m_page.samplePanel()->isHidden());
    m_page.SButton4_Click(1);
    m_page.SButton4_Click(4);
    const Entries all = entries();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0], (std::pair<std::u16string, std::u16string>{u"(-01:00:00)到会议室开会", u"0到会议室开会"}));
    EXPECT_EQ(all[1].first, u"(-00:30:00)打个盹");
    EXPECT_EQ(all[1].second,
              std::u16string(u"3").append((m_folder.path() / "Sounds" / "SoftMusic" / "Canon.mid").u16string()));
    EXPECT_EQ(all[2], all[0]);
}

// The panel's tabs and "保存" must agree on every kind, or a reminder silently runs as a pop-up.
TEST_F(TodoCommandsTest, EveryTabAppliedIsTheKindSaved) {
    for (int i = 0; i < static_cast<int>(TaskAction::kKinds.size()); ++i) {
        m_page.actionEditor().Label12_Click();
        QTest::mouseClick(m_page.findChild<QLabel*>(QStringLiteral("Label13_%1").arg(i)), Qt::LeftButton);
        QTest::mouseClick(m_page.findChild<QLabel*>(QStringLiteral("Label23")), Qt::LeftButton);
        save(QStringLiteral("kind %1").arg(i));
        EXPECT_EQ(TaskAction::read(m_page.todoList().action(i)).type,
                  TaskAction::kKinds[static_cast<std::size_t>(i)].type);
    }
}

} // namespace
} // namespace pennoc
