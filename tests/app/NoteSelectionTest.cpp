#include "app/DrawerTab.h"
#include "app/FrmMain.h"
#include "app/NotesPage.h"
#include "app/WindowInput.h"
#include "controls/ClickableLabel.h"
#include "support/FileHelpers.h"
#include "support/QtRecordingPlatform.h"
#include "support/TemporaryFolder.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

// The notes list driven through the whole window: the list takes the focus when the window becomes active,
// which makes its first row current without selecting it.
class NoteSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(m_folder.path() / "Notes");
        test::writeBytes(m_folder.path() / "Notes" / "0.txt", "first\r\n");
        test::writeBytes(m_folder.path() / "Notes" / "1.txt", "second\r\n");
        m_window.Form_Initialize();
        ASSERT_TRUE(m_window.Form_Load());
        ASSERT_TRUE(test::showActive(m_window));
    }

    NotesPage& page() { return *m_window.notesPage(); }
    void clickTab() { test::clickAt(m_window, test::centreOf(m_window, *page().drawerTab())); }
    void clickDelete() { test::clickAt(m_window, test::centreOf(m_window, *page().command(1))); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        QListWidget* list = page().list();
        const QRect rect = list->visualItemRect(list->item(row));
        test::clickAt(m_window, list->viewport()->mapTo(&m_window, rect.center()), modifiers);
    }
    QStringList titles() {
        QStringList result;
        for (int i = 0; i < page().list()->count(); ++i) {
            result << page().list()->item(i)->text();
        }
        return result;
    }

    test::TemporaryFolder m_folder;
    test::QtRecordingPlatform m_platform{m_folder.path()};
    FrmMain m_window{m_platform};
};

TEST_F(NoteSelectionTest, NothingIsDeletedOrLoadedUntilARowIsHighlighted) {
    // The hidden list never has the keys.
    ASSERT_EQ(QApplication::focusWidget(), m_window.pageTab(0));

    // The drawer opened and closed at start leaves the editor empty and locked.
    clickTab();
    clickTab();
    EXPECT_TRUE(page().editor()->toPlainText().isEmpty());
    EXPECT_FALSE(page().editor()->isEnabled());

    clickTab();
    clickDelete();
    test::pressKey(m_window, Qt::Key_Delete);
    EXPECT_EQ(titles(), (QStringList{"first", "second"}));

    // A row highlighted, then un-highlighted with Ctrl: nothing selected again.
    clickRow(1);
    clickRow(1, Qt::ControlModifier);
    clickDelete();
    clickRow(1, Qt::ControlModifier);
    clickRow(1, Qt::ControlModifier);
    test::pressKey(m_window, Qt::Key_Delete);
    EXPECT_EQ(titles(), (QStringList{"first", "second"}));
    clickTab();
    EXPECT_TRUE(page().editor()->toPlainText().isEmpty());
    EXPECT_FALSE(page().editor()->isEnabled());

    // With a highlighted row the same commands work.
    clickTab();
    clickRow(1);
    test::pressKey(m_window, Qt::Key_Delete);
    EXPECT_EQ(titles(), QStringList{"first"});
    clickRow(0);
    clickDelete();
    EXPECT_TRUE(titles().isEmpty());
}

TEST_F(NoteSelectionTest, TheEditorLocksWhenItsNoteIsUnhighlighted) {
    clickTab();
    clickRow(1);
    clickTab();
    ASSERT_EQ(page().editor()->toPlainText(), QStringLiteral("second"));
    ASSERT_TRUE(page().editor()->isEnabled());

    // The closed drawer's list has no keys to take the highlight away with: the note keeps them.
    test::pressKey(m_window, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), page().editor());
    EXPECT_TRUE(page().editor()->isEnabled());
    // With the drawer open, a row un-highlighted with Ctrl locks the editor.
    clickTab();
    clickRow(1, Qt::ControlModifier);
    clickTab();
    EXPECT_FALSE(page().editor()->isEnabled());
}

} // namespace
} // namespace pennoc
