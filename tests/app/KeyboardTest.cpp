#include "app/DrawerTab.h"
#include "app/FrmMain.h"
#include "app/NotesPage.h"
#include "app/WindowInput.h"
#include "controls/ClickableLabel.h"
#include "support/FileHelpers.h"
#include "support/QtRecordingPlatform.h"
#include "support/TemporaryFolder.h"
#include "todo/TodoPage.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

class KeyboardTest : public ::testing::Test {
protected:
    KeyboardTest() {
        fs::create_directory(m_folder.path() / "Notes");
        test::writeBytes(m_folder.path() / "Notes" / "0.txt", "apple\r\n");
        test::writeBytes(m_folder.path() / "Notes" / "1.txt", "banana\r\n");
        m_window.Form_Initialize();
        EXPECT_TRUE(m_window.Form_Load());
        EXPECT_TRUE(test::showActive(m_window));
    }

    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { test::pressKey(m_window, key, modifiers); }
    void type(const QString& text) {
        for (const QChar c : text) {
            QTest::keyClick(m_window.windowHandle(), c.toLatin1());
        }
    }
    void tabTo(const QString& name) {
        for (int i = 0; i < 40 && focused() != name; ++i) {
            press(Qt::Key_Tab);
        }
        ASSERT_EQ(focused(), name);
    }
    // Where Tab goes from the focused control until it comes back there, by object name.
    std::string tabCycle() {
        const QString first = focused();
        std::string cycle = first.toStdString();
        for (int i = 0; i < 60 && (press(Qt::Key_Tab), focused() != first); ++i) {
            cycle += ' ';
            cycle += focused().toStdString();
        }
        return cycle;
    }
    void clickOn(const QWidget& target) { test::clickAt(m_window, test::centreOf(m_window, target)); }
    QPoint rowPoint(int row) const {
        const QListWidget* list = m_window.notesPage()->list();
        return list->viewport()->mapTo(&m_window, list->visualItemRect(list->item(row)).center());
    }

    test::TemporaryFolder m_folder;
    test::QtRecordingPlatform m_platform{m_folder.path()};
    FrmMain m_window{m_platform};
};

TEST_F(KeyboardTest, TabVisitsTheShownControlsOfEachPageAndPanelInOrder) {
    const std::string band = " PicMenu_2 PicMenu_0 Label1_0 Label1_1";
    struct Step {
        const char* what;
        std::function<void()> reach;
        std::string cycle;
    };
    const std::vector<Step> steps{
        {"drawer closed", [] {}, "Label1_0 Label1_1 Picture4 PicMenu_2 PicMenu_0"},
        {"drawer open", [this] { tabTo("Picture4"), press(Qt::Key_Return); },
         "Picture4 Label2_0 Label2_1 Label2_2 List1" + band},
        {"note open",
         [this] {
             tabTo("Label2_0"), press(Qt::Key_Space), press(Qt::Key_Tab, Qt::ControlModifier);
             EXPECT_EQ(m_window.notesPage()->editor()->toPlainText(), QStringLiteral("\t"));
         },
         "Text1" + band + " Picture4"},
        {"to-do page", [this] { tabTo("Label1_1"), press(Qt::Key_Return), press(Qt::Key_Tab); },
         "Text2 SButton2 Label6 Label12 List2 Label4_1 Label4_2 Label4_3 Label4_4 SSwitch1" + band},
        {"time panel", [this] { tabTo("Label6"), press(Qt::Key_Return); },
         "Label7_0 Label7_1 Label7_2 Text3 Text4 Label8_0 Label8_1" + band + " Text2 SButton2"},
        {"countdown", [this] { tabTo("Label7_1"), press(Qt::Key_Space); },
         "Label7_1 Label7_2 Text3 Text4 SButton1_0 SButton1_1 SButton1_2 SButton1_3 SButton1_4 SButton1_5 Label8_0 "
         "Label8_1" +
             band + " Text2 SButton2 Label7_0"},
        {"action panel", [this] { tabTo("Label8_1"), press(Qt::Key_Return), tabTo("Label12"), press(Qt::Key_Space); },
         "Label13_0 Label13_1 Label13_2 Label13_3 Label23 Label22" + band + " Text2 SButton2"},
        {"sound action", [this] { tabTo("Label13_1"), press(Qt::Key_Return); },
         "Label13_1 Label13_2 Label13_3 Label18_0 Label18_1 Label18_3 Label23 Label22" + band +
             " Text2 SButton2 Label13_0"},
        {"samples", [this] { tabTo("Label22"), press(Qt::Key_Return), tabTo("SButton2"), press(Qt::Key_Return); },
         "SButton3 SButton4_0 SButton4_1 SButton4_2 SButton4_3 SButton4_4 SButton4_5" + band},
        {"samples closed", [this] { tabTo("SButton3"), press(Qt::Key_Space); },
         "SButton2 Label6 Label12 List2 Label4_1 Label4_2 Label4_3 Label4_4 SSwitch1" + band + " Text2"},
    };
    for (const Step& step : steps) {
        step.reach();
        EXPECT_EQ(tabCycle(), step.cycle) << step.what;
    }
}

// Each road closes the drawer with a row highlighted, then types a letter, Delete and an arrow: all of them go
// to the note that shows, none to the hidden list.
TEST_F(KeyboardTest, NoKeyReachesTheListOnceTheDrawerCloses) {
    NotesPage& page = *m_window.notesPage();
    const std::vector<std::pair<const char*, std::function<void()>>> roads{
        {"add", [&] { clickOn(*page.command(0)); }},
        {"double-click", [&] { QTest::mouseDClick(m_window.windowHandle(), Qt::LeftButton, {}, rowPoint(0)); }},
        {"toggle", [&] { clickOn(*page.drawerTab()); }},
    };
    for (const auto& [road, closeDrawer] : roads) {
        clickOn(*page.drawerTab());
        test::clickAt(m_window, rowPoint(1));
        closeDrawer();
        ASSERT_FALSE(page.book().drawerOpen()) << road;
        type(QStringLiteral("a"));
        press(Qt::Key_Delete);
        press(Qt::Key_Down);
        EXPECT_EQ(focused(), "Text1") << road;
        EXPECT_EQ(page.list()->count(), 3) << road;
    }
    page.writeBackEditor();
    // The first key after " 添加 " is the new note's; the others edited the note each road opened.
    EXPECT_EQ(page.book().noteTexts(), (std::vector<std::u16string>{u"apple", u"aanana", u"a"}));
}

TEST_F(KeyboardTest, ATitleAtItsLimitLeavesACharacterThatDoesNotFitOutWhole) {
    tabTo("Label1_1");
    press(Qt::Key_Return);
    press(Qt::Key_Tab);
    type(QString(15, QLatin1Char('x')));
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QStringLiteral("\U0001F600"), {});
    EXPECT_EQ(m_window.todoPage()->titleBox()->text(), QString(15, QLatin1Char('x')));
}

} // namespace
} // namespace pennoc
