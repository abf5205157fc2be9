#include "app/FrmMain.h"
#include "app/NotesPage.h"
#include "controls/ClickableLabel.h"
#include "support/QtRecordingPlatform.h"
#include "support/TemporaryFolder.h"
#include "todo/TimeEntry.h"
#include "todo/TodoPage.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

const QColor kAccent(51, 153, 255);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

QColor background(const QWidget* label) {
    return label->palette().color(QPalette::Window);
}

QColor text(const QWidget* label) {
    return label->palette().color(QPalette::WindowText);
}

// A pointer movement delivered the way the window system does: to the widget under the pointer, passed on
// to its parents while unhandled.
void moveOver(QWidget* widget, QPointF inside = QPointF(2, 2)) {
    QMouseEvent move(QEvent::MouseMove, inside, widget->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

class HoverFeedbackTest : public ::testing::Test {
protected:
    HoverFeedbackTest() {
        m_window.Form_Initialize();
        EXPECT_TRUE(m_window.Form_Load());
        m_window.show();
    }

    ClickableLabel* todoCommand(int index) { return m_window.todoPage()->command(index); }
    ClickableLabel* label(const char* name) { return m_window.findChild<ClickableLabel*>(name); }

    test::TemporaryFolder m_folder;
    test::QtRecordingPlatform m_platform{m_folder.path()};
    FrmMain m_window{m_platform};
};

TEST_F(HoverFeedbackTest, NotesDrawerCommandsLightUpAndGoBackOverTheDrawer) {
    NotesPage* notes = m_window.notesPage();
    moveOver(notes->command(1));
    EXPECT_EQ(background(notes->command(1)), kRed);
    EXPECT_EQ(text(notes->command(1)), kWhite);
    moveOver(notes->command(0));
    EXPECT_EQ(background(notes->command(0)), kAccent);

    // Onto another control first: the labels stay lit.
    moveOver(notes->list()->viewport());
    EXPECT_EQ(background(notes->command(1)), kRed);

    moveOver(notes->drawer());
    EXPECT_EQ(background(notes->command(1)), kWhite);
    EXPECT_EQ(text(notes->command(1)), kRed);
    EXPECT_EQ(text(notes->command(0)), kAccent);
}

TEST_F(HoverFeedbackTest, TheToDoPageBackgroundPutsBackTheBulkCommandsOneMoveAtATime) {
    m_window.Label1_Click(1);
    moveOver(todoCommand(2));
    moveOver(todoCommand(3));
    moveOver(todoCommand(4));
    ASSERT_EQ(background(todoCommand(2)), kAccent);
    ASSERT_EQ(background(todoCommand(3)), kAccent);

    moveOver(m_window.todoPage());
    EXPECT_EQ(background(todoCommand(2)), kWhite);
    EXPECT_EQ(text(todoCommand(2)), kBlack);
    EXPECT_EQ(background(todoCommand(3)), kAccent);
    EXPECT_EQ(background(todoCommand(4)), kAccent);

    moveOver(m_window.todoPage());
    EXPECT_EQ(background(todoCommand(3)), kWhite);
    EXPECT_EQ(background(todoCommand(4)), kAccent);

    moveOver(m_window.todoPage());
    EXPECT_EQ(background(todoCommand(4)), kWhite);
    EXPECT_EQ(text(todoCommand(4)), kAccent);
}

TEST_F(HoverFeedbackTest, TheNotesPageBackgroundPutsBackTheToDoPageLabelsToo) {
    m_window.Label1_Click(1);
    ClickableLabel* changeTime = label("Label6");
    ClickableLabel* changeTask = label("Label12");
    for (QWidget* widget : {static_cast<QWidget*>(todoCommand(1)), static_cast<QWidget*>(todoCommand(4)),
                            static_cast<QWidget*>(todoCommand(2)), static_cast<QWidget*>(changeTime),
                            static_cast<QWidget*>(changeTask)}) {
        moveOver(widget);
    }
    ASSERT_EQ(background(todoCommand(1)), kRed);
    m_window.Label1_Click(0);
    // Right of the editor, where no control covers the page.
    moveOver(m_window.notesPage(), QPointF(m_window.notesPage()->width() - 3, 3));
    EXPECT_EQ(background(todoCommand(1)), kWhite);
    EXPECT_EQ(text(todoCommand(1)), kRed);
    EXPECT_EQ(background(todoCommand(4)), kWhite);
    EXPECT_EQ(background(changeTime), kWhite);
    EXPECT_EQ(text(changeTime), kBlack);
    EXPECT_EQ(background(changeTask), kWhite);
    // "清空已完成" belongs to the to-do page's own background.
    EXPECT_EQ(background(todoCommand(2)), kAccent);
}

TEST_F(HoverFeedbackTest, TheChangeLabelsClearTheirOwnHighlightWhenClicked) {
    m_window.Label1_Click(1);
    ClickableLabel* changeTime = label("Label6");
    moveOver(changeTime);
    ASSERT_EQ(background(changeTime), kAccent);
    m_window.todoPage()->timeEntry().Label6_Click();
    EXPECT_EQ(background(changeTime), kWhite);
    EXPECT_EQ(text(changeTime), kBlack);
}

} // namespace
} // namespace pennoc
