#include "app/FrmMain.h"
#include "app/NotesPage.h"
#include "controls/ClickableLabel.h"
#include "controls/SButton.h"
#include "support/PointerInput.h"
#include "support/QtRecordingPlatform.h"
#include "support/TemporaryFolder.h"
#include "todo/TodoPage.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

class PagesTest : public ::testing::Test {
protected:
    PagesTest() {
        m_window.Form_Initialize();
        EXPECT_TRUE(m_window.Form_Load());
        m_window.show();
    }

    bool tabIsCurrent(int index) const {
        const ClickableLabel* tab = m_window.pageTab(index);
        return tab->font().underline() && tab->palette().color(QPalette::WindowText) == QColor(51, 153, 255);
    }

    test::TemporaryFolder m_folder;
    test::QtRecordingPlatform m_platform{m_folder.path()};
    FrmMain m_window{m_platform};
};

TEST_F(PagesTest, TheNotesPageIsShownAtStart) {
    EXPECT_TRUE(tabIsCurrent(0));
    EXPECT_FALSE(tabIsCurrent(1));
    EXPECT_EQ(m_window.pageTab(0)->text(), QStringLiteral(" 记事 "));
    EXPECT_EQ(m_window.pageTab(1)->text(), QStringLiteral(" 待办 "));
    EXPECT_TRUE(m_window.notesPage()->isVisible());
    const QWidget* todo = m_window.findChild<QWidget*>("Picture1_1");
    EXPECT_TRUE(!todo || !todo->isVisible());
    EXPECT_TRUE(m_window.notesPage()->editorGuardActive());
}

TEST_F(PagesTest, SwitchingPagesKeepsTheNotesAsTheyWere) {
    NotesPage* notes = m_window.notesPage();
    notes->Picture4_Click();
    notes->Label2_Click(0);
    notes->editor()->setPlainText(QStringLiteral("draft"));
    notes->Picture4_Click();
    const QRect row = notes->list()->visualItemRect(notes->list()->item(0));
    test::clickAt(notes->list()->viewport()->mapToGlobal(row.center()));

    QTest::mouseClick(m_window.pageTab(1), Qt::LeftButton);
    EXPECT_TRUE(tabIsCurrent(1));
    EXPECT_FALSE(tabIsCurrent(0));
    EXPECT_EQ(m_window.currentPage(), 1);
    EXPECT_FALSE(notes->isVisible());
    EXPECT_TRUE(m_window.todoPage()->isVisible());
    EXPECT_FALSE(notes->editorGuardActive());

    QTest::mouseClick(m_window.pageTab(0), Qt::LeftButton);
    EXPECT_TRUE(notes->book().drawerOpen());
    EXPECT_EQ(notes->editor()->toPlainText(), QStringLiteral("draft"));
    EXPECT_EQ(notes->list()->currentRow(), 0);
    EXPECT_TRUE(notes->editorGuardActive());

    // Clicking the current tab again changes nothing.
    m_window.Label1_Click(0);
    EXPECT_TRUE(notes->isVisible());
    EXPECT_TRUE(tabIsCurrent(0));
}

TEST_F(PagesTest, TheGuardCatchesUpWhenTheNotesPageComesBack) {
    NotesPage* notes = m_window.notesPage();
    notes->Picture4_Click();
    notes->Label2_Click(0);
    ASSERT_TRUE(notes->editor()->isEnabled());
    m_window.Label1_Click(1);
    notes->list()->setCurrentRow(-1);
    notes->list()->clearSelection();
    EXPECT_TRUE(notes->editor()->isEnabled());
    m_window.Label1_Click(0);
    EXPECT_FALSE(notes->editor()->isEnabled());
}

TEST_F(PagesTest, TheSamplePanelOpensWithItsButtonAndClosesWithItsOwn) {
    m_window.Label1_Click(1);
    TodoPage* todo = m_window.todoPage();
    EXPECT_EQ(todo->samplesOpener()->Caption(), QStringLiteral("常用"));
    EXPECT_EQ(todo->samplesCloser()->Caption(), QStringLiteral("返回"));
    EXPECT_EQ(todo->samplesOpener()->geometry(), QRect(336, 16, 49, 25));

    // "返回" on a hidden panel changes nothing.
    todo->SButton3_Click();
    EXPECT_FALSE(todo->samplePanel()->isVisible());
    test::clickAt(test::centreOf(todo->samplesOpener()));
    EXPECT_TRUE(todo->samplePanel()->isVisible());
    EXPECT_EQ(todo->samplePanel()->geometry(), QRect(QPoint(0, 0), todo->size()));
    // "返回" lies where "常用" was, under the resting pointer; its first press closes the panel.
    test::clickAt(test::centreOf(todo->samplesCloser()));
    EXPECT_FALSE(todo->samplePanel()->isVisible());
    EXPECT_EQ(todo->todoList().count(), 0);
}

} // namespace
} // namespace pennoc
