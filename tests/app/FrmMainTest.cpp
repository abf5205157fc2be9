#include "app/FrmMain.h"

#include "app/NotesPage.h"
#include "app/WindowInput.h"
#include "controls/ClickableLabel.h"
#include "controls/PictureBox.h"
#include "controls/SSwitch.h"
#include "controls/TitleBandImages.h"
#include "support/FailingFileSystem.h"
#include "support/FileHelpers.h"
#include "support/QtRecordingPlatform.h"
#include "support/TemporaryFolder.h"
#include "todo/ActionEditor.h"
#include "todo/TodoPage.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

class FrmMainTest : public ::testing::Test {
protected:
    std::unique_ptr<FrmMain> start() {
        auto window = std::make_unique<FrmMain>(m_platform);
        window->Form_Initialize();
        EXPECT_TRUE(window->Form_Load());
        return window;
    }
    fs::path notes() const { return m_folder.path() / "Notes"; }
    // Shows the window and clicks the to-do tab, as a person reaches the page.
    static TodoPage& showTodoPage(FrmMain& window) {
        EXPECT_TRUE(test::showActive(window));
        test::clickAt(window, test::centreOf(window, *window.pageTab(1)));
        return *window.todoPage();
    }

    test::TemporaryFolder m_folder;
    test::QtRecordingPlatform m_platform{m_folder.path()};
};

TEST_F(FrmMainTest, FirstStartCreatesTheDataAndShowsAnEmptyList) {
    auto window = start();
    EXPECT_TRUE(fs::is_directory(notes()));
    EXPECT_EQ(test::readBytes(m_folder.path() / "AutoRun.sd"), "0\r\n");
    EXPECT_EQ(window->notesPage()->list()->count(), 0);
    EXPECT_FALSE(window->autoRunEnabled());
    EXPECT_EQ(m_platform.calls, std::vector<std::string>{"unregisterAutoRun"});
}

TEST_F(FrmMainTest, FrameAndTitleButtonsSitWhereDesigned) {
    auto window = start();
    EXPECT_EQ(window->size(), QSize(426, 507));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Pennoc便笺"));
    EXPECT_EQ(window->findChild<QWidget*>("PicInterface")->geometry(), QRect(1, 22, 424, 484));
    EXPECT_EQ(window->titleButton(0)->geometry(), QRect(406, 1, 18, 18));
    EXPECT_EQ(window->titleButton(2)->geometry(), QRect(384, 1, 18, 18));
    EXPECT_FALSE(window->titleButton(1)->isVisibleTo(window.get()));
    EXPECT_EQ(window->notesPage()->geometry(), QRect(8, 32, 408, 444));
    window->show();
    window->Label1_Click(1);
    QTest::qWait(50);
    EXPECT_EQ(window->todoPage()->geometry(), QRect(8, 32, 408, 444));
    EXPECT_EQ(window->notesPage()->geometry(), QRect(8, 32, 408, 444));
}

TEST_F(FrmMainTest, TitleButtonsLightUpUntilThePointerCrossesTheBand) {
    auto window = start();
    window->show();
    const QImage atRest = titleBandImage(1).toImage();
    QTest::mouseMove(window->titleButton(0), QPoint(5, 5));
    EXPECT_EQ(window->titleButton(0)->picture().toImage(), titleBandImage(2).toImage());
    QTest::mouseMove(window->titleButton(2), QPoint(5, 5));
    EXPECT_EQ(window->titleButton(2)->picture().toImage(), titleBandImage(6).toImage());
    // Leaving one button for another keeps the first lit; the band puts both back.
    EXPECT_EQ(window->titleButton(0)->picture().toImage(), titleBandImage(2).toImage());
    QTest::mouseMove(window.get(), QPoint(200, 10));
    EXPECT_EQ(window->titleButton(0)->picture().toImage(), atRest);
    EXPECT_EQ(window->titleButton(2)->picture().toImage(), titleBandImage(5).toImage());
}

TEST_F(FrmMainTest, TitleButtonsStillLightUpAfterTheWindowWasDraggedByHand) {
    auto window = start();
    ASSERT_TRUE(test::showActive(*window));
    const QPoint topLeft = window->pos();
    // The offscreen platform offers no system move, so the window follows the pointer by hand.
    const QPoint onBand(200, 10);
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, onBand);
    QTest::mouseMove(window->windowHandle(), onBand + QPoint(30, 20));
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, onBand);
    EXPECT_EQ(window->pos(), topLeft + QPoint(30, 20));

    test::moveTo(*window, test::centreOf(*window, *window->titleButton(0)));
    EXPECT_EQ(window->titleButton(0)->picture().toImage(), titleBandImage(2).toImage());
}

TEST_F(FrmMainTest, ExitStoresTheEditorsNoteBeforeWritingTheFiles) {
    fs::create_directory(notes());
    test::writeBytes(notes() / "0.txt", "one\r\n");
    test::writeBytes(notes() / "1.txt", "two\r\n");
    auto window = start();
    ASSERT_TRUE(test::showActive(*window));
    NotesPage* page = window->notesPage();
    page->Picture4_Click();
    const QRect second = page->list()->visualItemRect(page->list()->item(1));
    test::clickAt(*window, page->list()->viewport()->mapTo(window.get(), second.center()));
    page->Picture4_Click();
    page->editor()->setPlainText(QStringLiteral("two, edited\nline"));
    // The selection moves without the editor being reloaded: the text must still go to note 1.
    QTest::keyClick(page->list(), Qt::Key_Up);
    ASSERT_EQ(page->list()->currentRow(), 0);

    window->PicMenu_Click(0);
    EXPECT_EQ(test::readBytes(notes() / "0.txt"), "one\r\n");
    EXPECT_EQ(test::readBytes(notes() / "1.txt"), "two, edited\r\nline\r\n");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FrmMainTest, ClosingByTheWindowManagerSavesToo) {
    auto window = start();
    window->show();
    window->notesPage()->Label2_Click(0);
    window->notesPage()->editor()->setPlainText(QStringLiteral("kept"));
    window->close();
    EXPECT_EQ(test::readBytes(notes() / "0.txt"), "kept\r\n");
}

TEST_F(FrmMainTest, AFailedSaveAtExitAsksBeforeAnythingIsLost) {
    fs::create_directory(notes());
    test::writeBytes(notes() / "0.txt", "on disk\r\n");
    test::FailingFileSystem failing;
    m_platform.fileSystem = &failing;
    auto window = start();
    window->show();
    window->notesPage()->Label2_Click(0);
    window->notesPage()->editor()->setPlainText(QStringLiteral("unsaved"));

    failing.failWriteNumber(1);
    m_platform.confirmAnswer = false;
    window->PicMenu_Click(0);
    EXPECT_EQ(m_platform.count("error Pennoc便笺|无法保存便笺"), 1);
    EXPECT_EQ(m_platform.count("console 无法保存便笺"), 1);
    EXPECT_EQ(m_platform.count("confirm "), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(test::readBytes(notes() / "0.txt"), "on disk\r\n");
    EXPECT_EQ(window->notesPage()->book().noteTexts()[1], u"unsaved");

    // Once the disk takes it, the exit goes through.
    window->PicMenu_Click(0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(test::readBytes(notes() / "1.txt"), "unsaved\r\n");
}

TEST_F(FrmMainTest, ARefusedExitLeavesTheWindowAsItWas) {
    test::FailingFileSystem failing;
    m_platform.fileSystem = &failing;
    auto window = start();
    ASSERT_TRUE(test::showActive(*window));
    const auto clickOn = [&](const char* name) {
        test::clickAt(*window, test::centreOf(*window, *window->findChild<QWidget*>(name)));
    };
    clickOn("Label1_1");
    clickOn("Label6");
    clickOn("Label7_1");
    auto* hours = window->findChild<QLineEdit*>("Text3");
    const auto turnWheelOverHours = [&] {
        test::turnWheelAt(*window, test::centreOf(*window, *hours), -120);
        return hours->text();
    };
    const QString atStart = hours->text();
    const QString afterOneNotch = turnWheelOverHours();
    ASSERT_NE(afterOneNotch, atStart);

    // A file where the notes folder belongs makes the save fail.
    fs::remove_all(notes());
    test::writeBytes(notes(), "not a folder");
    m_platform.confirmAnswer = false;
    // The question's "否" is away from the band: the pointer leaves the close box to answer it.
    m_platform.onCall = [&](const std::string& call) {
        if (call.starts_with("confirm ")) {
            QCursor::setPos(window->geometry().bottomRight() + QPoint(40, 40));
        }
    };
    test::clickAt(*window, test::centreOf(*window, *window->titleButton(0)));
    ASSERT_EQ(m_platform.count("confirm "), 1);
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->titleButton(0)->picture().toImage(), titleBandImage(1).toImage());
    EXPECT_NE(turnWheelOverHours(), afterOneNotch);
}

TEST_F(FrmMainTest, TheEndOfASessionSavesAndAsksOnlyWhenAllowedButLeavesTheEndingToTheSession) {
    test::FailingFileSystem failing;
    m_platform.fileSystem = &failing;
    auto window = start();
    window->show();
    NotesPage* page = window->notesPage();
    page->Label2_Click(0);
    page->editor()->setPlainText(QStringLiteral("saved"));
    EXPECT_TRUE(window->commitSessionData([] { return true; }));
    EXPECT_EQ(test::readBytes(notes() / "0.txt"), "saved\r\n");
    EXPECT_TRUE(window->isVisible());

    // With nobody to ask, a failed save leaves a copy in a rescue folder.
    page->editor()->setPlainText(QStringLiteral("rescued"));
    failing.failWriteNumber(1);
    EXPECT_TRUE(window->commitSessionData([] { return false; }));
    EXPECT_EQ(m_platform.count("error "), 0);
    EXPECT_EQ(m_platform.count("confirm "), 0);
    EXPECT_EQ(test::readBytes(m_folder.path() / "Rescue1" / "Notes" / "0.txt"), "rescued\r\n");
    EXPECT_EQ(test::readBytes(notes() / "0.txt"), "saved\r\n");
    EXPECT_TRUE(window->isVisible());

    // A person may keep the session going; the program stays either way.
    failing.failWriteNumber(1);
    m_platform.confirmAnswer = false;
    EXPECT_FALSE(window->commitSessionData([] { return true; }));
    EXPECT_EQ(m_platform.count("confirm "), 1);
    EXPECT_TRUE(window->isVisible());

    // The session then tells the program to quit: no question either.
    failing.failWriteNumber(1);
    window->close();
    EXPECT_EQ(m_platform.count("confirm "), 1);
    EXPECT_EQ(test::readBytes(m_folder.path() / "Rescue2" / "Notes" / "0.txt"), "rescued\r\n");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FrmMainTest, UnreadableNotesAreReportedAndNeverTouched) {
    fs::create_directory(notes());
    test::writeBytes(notes() / "0.txt", "precious\r\n");
    test::FailingFileSystem failing;
    failing.failReads = true;
    m_platform.fileSystem = &failing;
    FrmMain window(m_platform);
    window.Form_Initialize();
    EXPECT_TRUE(window.Form_Load());
    EXPECT_EQ(m_platform.count("error "), 1);
    failing.failReads = false;
    window.notesPage()->Label2_Click(0);
    window.notesPage()->editor()->setPlainText(QStringLiteral("new"));
    window.exitWithoutAsking();
    EXPECT_EQ(test::readBytes(notes() / "0.txt"), "precious\r\n");
    EXPECT_EQ(test::readBytes(notes() / "1.txt"), "new\r\n");
}

TEST_F(FrmMainTest, ProblemsFoundAtStartAreListedInOneMessage) {
    fs::create_directory(notes());
    for (int i = 0; i < 12; ++i) {
        test::writeBytes(notes() / (std::to_string(i) + ".txt"), "\xFF\xFE\r\n");
    }
    auto window = start();
    EXPECT_EQ(window->notesPage()->list()->count(), 12);
    ASSERT_EQ(m_platform.count("error "), 1);
    ASSERT_EQ(m_platform.count("console "), 1);
    const auto message = std::find_if(m_platform.calls.begin(), m_platform.calls.end(),
                                      [](const std::string& call) { return call.starts_with("error "); });
    EXPECT_NE(message->find((fs::path("/Notes") / "0.txt").make_preferred().string() + ": "), std::string::npos);
    EXPECT_NE(message->find("另有 2 个文件"), std::string::npos);
}

TEST_F(FrmMainTest, TheFlagFileDecidesTheRegistrationAtStart) {
    const std::pair<std::string, const char*> cases[] = {
        {"1\r\n", "registerAutoRun"}, {"0\r\n", "unregisterAutoRun"}, {"x\r\n", nullptr}};
    for (const auto& [flag, call] : cases) {
        test::writeBytes(m_folder.path() / "AutoRun.sd", flag);
        m_platform.calls.clear();
        auto window = start();
        EXPECT_EQ(window->autoRunEnabled(), flag == "1\r\n");
        EXPECT_EQ(m_platform.calls, call ? std::vector<std::string>{call} : std::vector<std::string>{});
    }
}

TEST_F(FrmMainTest, TheSwitchRegistersAtOnceButTheFlagFileWaitsForTheNextSave) {
    auto window = start();
    SSwitch* autoRun = showTodoPage(*window).autoRunSwitch();
    EXPECT_FALSE(autoRun->Value());
    m_platform.calls.clear();
    QTest::mouseClick(autoRun, Qt::LeftButton);
    EXPECT_TRUE(window->autoRunEnabled());
    EXPECT_EQ(m_platform.calls, std::vector<std::string>{"registerAutoRun"});
    EXPECT_EQ(test::readBytes(m_folder.path() / "AutoRun.sd"), "0\r\n");
    window->PicMenu_Click(0);
    EXPECT_EQ(test::readBytes(m_folder.path() / "AutoRun.sd"), "1\r\n");

    test::writeBytes(m_folder.path() / "AutoRun.sd", "1\r\n");
    auto next = start();
    EXPECT_TRUE(showTodoPage(*next).autoRunSwitch()->Value());
}

TEST_F(FrmMainTest, TheSoundDialogOpensInTheSoundsFolderWhenThereIsOne) {
    fs::create_directory(m_folder.path() / "Sounds");
    auto window = start();
    showTodoPage(*window).actionEditor().Label18_Click(0);
    ASSERT_EQ(m_platform.dialogRequests.size(), 1u);
    EXPECT_EQ(m_platform.dialogRequests[0].initialFolder, m_folder.path() / "Sounds");
}

} // namespace
} // namespace pennoc
