#include "app/FrmMain.h"
#include "app/NotesPage.h"
#include "app/WindowInput.h"
#include "controls/SSwitch.h"
#include "support/QtRecordingPlatform.h"
#include "support/TemporaryFolder.h"
#include "todo/ShowReminderPopup.h"
#include "todo/TodoPage.h"
#include "todo/core/TodoList.h"

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

void collect(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& found) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        found.push_back(child);
        collect(child, found);
    }
}

// Every object under a root, as a screen reader walks the tree.
std::vector<QAccessibleInterface*> descendants(QObject* root) {
    std::vector<QAccessibleInterface*> found;
    collect(QAccessible::queryAccessibleInterface(root), found);
    return found;
}

std::vector<QAccessibleInterface*> withRoleAndName(QObject* root, QAccessible::Role role, const QString& name) {
    std::vector<QAccessibleInterface*> matching;
    for (QAccessibleInterface* node : descendants(root)) {
        if (node->role() == role && node->text(QAccessible::Name) == name) {
            matching.push_back(node);
        }
    }
    return matching;
}

// What a screen reader's "activate" does: the object's first action, which must be the expected one.
void activate(QAccessibleInterface* control, const QString& expectedAction) {
    ASSERT_NE(control->actionInterface(), nullptr);
    const QStringList actions = control->actionInterface()->actionNames();
    ASSERT_FALSE(actions.isEmpty()) << control->text(QAccessible::Name).toStdString() << " offers no action";
    ASSERT_EQ(actions.first(), expectedAction);
    control->actionInterface()->doAction(actions.first());
}

class ControlAccessibilityTest : public ::testing::Test {
protected:
    ControlAccessibilityTest() {
        m_window.Form_Initialize();
        EXPECT_TRUE(m_window.Form_Load());
        EXPECT_TRUE(test::showActive(m_window));
        m_platform.calls.clear();
    }

    // The one object of the main window with this role and name that is shown, or else the one hidden one.
    QAccessibleInterface* control(QAccessible::Role role, const QString& name) {
        std::vector<QAccessibleInterface*> matching = withRoleAndName(&m_window, role, name);
        if (matching.size() > 1) {
            std::erase_if(matching, [](QAccessibleInterface* node) { return node->state().invisible; });
        }
        EXPECT_EQ(matching.size(), 1u) << name.toStdString();
        return matching.empty() ? nullptr : matching.front();
    }
    QAccessibleInterface* button(const QString& name) { return control(QAccessible::PushButton, name); }

    test::TemporaryFolder m_folder;
    test::QtRecordingPlatform m_platform{m_folder.path()};
    FrmMain m_window{m_platform};
};

TEST_F(ControlAccessibilityTest, EveryControlIsFoundByRoleAndNameWithItsState) {
    for (const char* name : {"关闭", "最小化", "清空", "展开便笺列表"}) {
        EXPECT_NE(button(QString::fromUtf8(name)), nullptr);
    }
    EXPECT_TRUE(control(QAccessible::PageTab, "记事")->state().selected);
    EXPECT_FALSE(control(QAccessible::PageTab, "待办")->state().selected);
    EXPECT_NE(control(QAccessible::EditableText, "便笺内容"), nullptr);
    EXPECT_NE(control(QAccessible::List, "便笺列表"), nullptr);

    activate(control(QAccessible::PageTab, "待办"), QAccessibleActionInterface::pressAction());
    for (const char* name : {"常用", "返回", "保存", "清空已完成", "清空全部", "十分钟后", "六个小时后",
                             "测量体温（10分钟）", "播放", "停止"}) {
        EXPECT_NE(button(QString::fromUtf8(name)), nullptr);
    }
    // The notes' and the reminders' "添加" and "删除", the time line's and the action line's "更改", each
    // panel's "应用" and "取消", each path panel's "浏览...".
    for (const char* name : {"添加", "删除", "更改", "应用", "取消", "浏览..."}) {
        EXPECT_EQ(withRoleAndName(&m_window, QAccessible::PushButton, QString::fromUtf8(name)).size(), 2u) << name;
    }
    EXPECT_TRUE(control(QAccessible::PageTab, "弹出提示")->state().selected);
    EXPECT_FALSE(control(QAccessible::PageTab, "关机或睡眠")->state().selected);
    EXPECT_TRUE(control(QAccessible::RadioButton, "以某时刻方式计时")->state().checked);
    EXPECT_FALSE(control(QAccessible::RadioButton, "不需要计时")->state().checked);
    EXPECT_TRUE(control(QAccessible::RadioButton, "关闭计算机")->state().checked);
    EXPECT_FALSE(control(QAccessible::RadioButton, "睡眠计算机")->state().checked);

    QAccessibleInterface* autoRun = control(QAccessible::CheckBox, "开机自启动");
    ASSERT_NE(autoRun, nullptr);
    EXPECT_TRUE(autoRun->state().checkable);
    EXPECT_FALSE(autoRun->state().checked);
    EXPECT_EQ(autoRun->childCount(), 0) << "the track and the knob are drawing, not objects";
    EXPECT_EQ(button("常用")->childCount(), 0) << "the caption is the button's name, not a second text";

    EXPECT_NE(control(QAccessible::List, "待办列表"), nullptr);
    EXPECT_NE(control(QAccessible::EditableText, "待办标题"), nullptr);
}

TEST_F(ControlAccessibilityTest, ActionsDoWhatAClickDoes) {
    NotesPage* notes = m_window.notesPage();
    activate(button("展开便笺列表"), QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(notes->book().drawerOpen());
    ASSERT_NE(button("收起便笺列表"), nullptr);
    activate(button("添加"), QAccessibleActionInterface::pressAction());
    EXPECT_EQ(notes->book().count(), 1);
    EXPECT_EQ(notes->list()->count(), 1);

    QAccessibleInterface* todoTab = control(QAccessible::PageTab, "待办");
    activate(todoTab, QAccessibleActionInterface::pressAction());
    EXPECT_EQ(m_window.currentPage(), 1);
    EXPECT_TRUE(todoTab->state().selected);
    EXPECT_FALSE(control(QAccessible::PageTab, "记事")->state().selected);

    TodoPage* todo = m_window.todoPage();
    control(QAccessible::EditableText, "待办标题")->editableTextInterface()->insertText(0, QStringLiteral("喝水"));
    // The time line's "更改" comes before the action line's.
    activate(withRoleAndName(&m_window, QAccessible::PushButton, QStringLiteral("更改")).front(),
             QAccessibleActionInterface::pressAction());
    activate(control(QAccessible::RadioButton, "不需要计时"), QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(control(QAccessible::RadioButton, "不需要计时")->state().checked);
    activate(button("应用"), QAccessibleActionInterface::pressAction());
    activate(button("保存"), QAccessibleActionInterface::pressAction());
    ASSERT_EQ(todo->todoList().count(), 1);
    EXPECT_NE(todo->todoList().line(0).find(u"喝水"), std::u16string::npos);

    QAccessibleInterface* autoRun = control(QAccessible::CheckBox, "开机自启动");
    activate(autoRun, QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(todo->autoRunSwitch()->Value());
    EXPECT_TRUE(autoRun->state().checked);
    EXPECT_TRUE(m_window.autoRunEnabled());
    activate(autoRun, QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(autoRun->state().checked);
    EXPECT_EQ(m_platform.calls, (std::vector<std::string>{"registerAutoRun", "unregisterAutoRun"}));
}

TEST_F(ControlAccessibilityTest, AnActionReachesOnlyWhatAClickCould) {
    // The closed drawer has slid the notes commands out of the window.
    QAccessibleInterface* add = button("添加");
    EXPECT_FALSE(add->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    add->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(m_window.notesPage()->book().count(), 0);

    // The sample panel covers the page's own commands until "返回".
    activate(control(QAccessible::PageTab, "待办"), QAccessibleActionInterface::pressAction());
    activate(button("常用"), QAccessibleActionInterface::pressAction());
    button("保存")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(m_window.todoPage()->todoList().count(), 0);
    activate(button("返回"), QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(m_window.todoPage()->samplePanel()->isVisible());

    // A pop-up takes the actions of the main window, as it takes its mouse; its own message and "确定" are there.
    bool closed = false;
    ShowReminderPopup(m_platform, m_platform.notifications(), u"体温测量时间到了", u"待办", &m_window,
                      [&closed] { closed = true; });
    QWidget* popup = QApplication::activeModalWidget();
    ASSERT_NE(popup, nullptr);
    control(QAccessible::PageTab, "记事")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(m_window.currentPage(), 1);
    EXPECT_EQ(withRoleAndName(popup, QAccessible::StaticText, QStringLiteral("体温测量时间到了")).size(), 1u);
    EXPECT_EQ(withRoleAndName(popup, QAccessible::PushButton, QStringLiteral("关闭")).size(), 1u);
    const std::vector<QAccessibleInterface*> confirm =
        withRoleAndName(popup, QAccessible::PushButton, QStringLiteral("确定"));
    ASSERT_EQ(confirm.size(), 1u);
    activate(confirm.front(), QAccessibleActionInterface::pressAction());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace pennoc
