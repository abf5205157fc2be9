#include "todo/ActionEditor.h"

#include "controls/ClickableLabel.h"
#include "controls/PictureBox.h"
#include "controls/UiLook.h"
#include "support/QtRecordingPlatform.h"
#include "support/TemporaryFolder.h"

#include <QLineEdit>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>

namespace pennoc {
namespace {

using test::QtRecordingPlatform;
using test::TemporaryFolder;

bool lit(const QWidget* label) {
    return label->palette().color(QPalette::Window) == toQColor(colors::kAccent) &&
           label->palette().color(QPalette::WindowText) == toQColor(colors::kWhite);
}

bool atRest(const QWidget* label) {
    return label->palette().color(QPalette::Window) == toQColor(colors::kWhite) &&
           label->palette().color(QPalette::WindowText) == toQColor(colors::kBlack);
}

bool looksSelected(const QLabel* choice) {
    return choice->font().underline() && choice->palette().color(QPalette::WindowText) == toQColor(colors::kAccent);
}

class ActionEditorTest : public ::testing::Test {
protected:
    ActionEditorTest() { m_page.resize(twipsRect(0, 0, 6120, 7000).size()); }

    template <typename Widget = QWidget> Widget* part(const QString& name) { return m_page.findChild<Widget*>(name); }
    void click(const QString& name) { QTest::mouseClick(part(name), Qt::LeftButton); }
    std::u16string makeSoundFile(const char* name) {
        const std::filesystem::path file = m_folder.path() / name;
        std::ofstream(file) << "RIFF";
        return file.u16string();
    }
    int stops() const { return m_platform.count("stopSound"); }

    TemporaryFolder m_folder;
    QtRecordingPlatform m_platform{m_folder.path()};
    QWidget m_page;
    ActionEditor m_editor{m_platform, m_platform, &m_page};
};

TEST_F(ActionEditorTest, ApplyNamesTheSelectedTabEvenOneChosenBeforeACancel) {
    EXPECT_TRUE(part("Picture7")->isHidden());
    m_editor.Label12_Click();
    click("Label23");
    EXPECT_EQ(m_editor.taskCaption(), u"任务   弹出提示");
    EXPECT_TRUE(part("Picture7")->isHidden());

    m_editor.Label12_Click();
    click("Label13_2");
    EXPECT_TRUE(looksSelected(part<QLabel>("Label13_2")));
    EXPECT_FALSE(looksSelected(part<QLabel>("Label13_0")));
    EXPECT_FALSE(part("Picture8_2")->isHidden());
    EXPECT_TRUE(part("Picture8_0")->isHidden());
    click("Label22");
    EXPECT_EQ(m_editor.taskCaption(), u"任务   弹出提示");

    m_editor.Label12_Click();
    m_editor.Label23_Click();
    EXPECT_EQ(m_editor.taskCaption(), u"任务   关机或睡眠");
    m_editor.Label13_Click(3);
    m_editor.Label23_Click();
    EXPECT_EQ(m_editor.taskCaption(), u"任务   打开文件或程序");
    const QLabel* caption = part<QLabel>("Label11");
    EXPECT_GE(caption->width(), caption->sizeHint().width());
}

TEST_F(ActionEditorTest, ShutDownOrSleepIsReadFromTheChoice) {
    click("Label19_1");
    EXPECT_TRUE(m_editor.sleepSelected());
    EXPECT_TRUE(looksSelected(part<QLabel>("Label19_1")));
    EXPECT_FALSE(looksSelected(part<QLabel>("Label19_0")));
    m_editor.Label19_Click(0);
    EXPECT_FALSE(m_editor.sleepSelected());
}

TEST_F(ActionEditorTest, CancelAndApplyStopTheSoundButClosingThroughTheOpenerDoesNot) {
    const std::u16string sound = makeSoundFile("chime.wav");
    m_platform.dialogAnswers.push_back(std::filesystem::path(sound));
    m_editor.Label12_Click();
    m_editor.Label13_Click(1);
    click("Label18_0");
    click("Label18_1");
    EXPECT_EQ(m_platform.count("playSound " + test::utf8(sound)), 1);

    m_editor.Label12_Click();
    m_editor.hidePanel();
    EXPECT_EQ(stops(), 0);
    m_editor.Label22_Click();
    EXPECT_EQ(stops(), 1);
    EXPECT_EQ(m_editor.taskCaption(), u"任务   弹出提示");
    EXPECT_EQ(m_editor.soundPath(), sound);
    m_editor.Label23_Click();
    EXPECT_EQ(stops(), 2);
}

TEST_F(ActionEditorTest, PlayWithoutAnExistingFilePlaysNothing) {
    m_editor.Label18_Click(1);
    m_platform.dialogAnswers.push_back(m_folder.path() / "gone.wav");
    m_editor.Label18_Click(0);
    m_editor.Label18_Click(1);
    EXPECT_EQ(m_platform.count("playSound"), 0);
}

TEST_F(ActionEditorTest, DialogsAskWithTheirOwnTextsAndACancelBringsBackTheLastChoice) {
    m_editor.setSoundFolder(m_folder.path() / "Sounds");
    m_editor.Label18_Click(0);
    EXPECT_TRUE(m_editor.soundPath().empty());

    const std::u16string first = makeSoundFile("first.wav");
    m_platform.dialogAnswers = {std::filesystem::path(first), std::nullopt};
    m_editor.Label18_Click(0);
    m_editor.clearPaths();
    m_editor.Label18_Click(0);
    EXPECT_EQ(m_editor.soundPath(), first);

    m_platform.dialogAnswers = {std::filesystem::path(u"/bin/tool")};
    m_editor.Label18_Click(2);
    EXPECT_EQ(m_editor.filePath(), u"/bin/tool");
    EXPECT_EQ(m_editor.soundPath(), first);

    ASSERT_EQ(m_platform.dialogRequests.size(), 4u);
    const OpenFileRequest& sound = m_platform.dialogRequests[0];
    EXPECT_EQ(sound.title, u"浏览声音文件");
    EXPECT_EQ(sound.filterDescription, u"wav波形声音文件");
    EXPECT_EQ(sound.filterPattern, u"*.wav");
    EXPECT_EQ(sound.initialFolder, m_folder.path() / "Sounds");
    const OpenFileRequest& file = m_platform.dialogRequests[3];
    EXPECT_EQ(file.title, u"浏览文件或程序");
    EXPECT_EQ(file.filterDescription, u"任何文件");
    EXPECT_EQ(file.filterPattern, u"*.*");
    EXPECT_TRUE(file.initialFolder.empty());
}

class FailingDialogPlatform : public QtRecordingPlatform {
public:
    using QtRecordingPlatform::QtRecordingPlatform;
    std::optional<std::filesystem::path> chooseFileToOpen(const OpenFileRequest& request) override {
        if (failing) {
            throw std::runtime_error("no dialog");
        }
        return QtRecordingPlatform::chooseFileToOpen(request);
    }
    bool failing = false;
};

TEST(ActionEditorDialogFailure, AFailingDialogCountsAsCancelled) {
    TemporaryFolder folder;
    FailingDialogPlatform platform(folder.path());
    QWidget page;
    ActionEditor editor(platform, platform, &page);
    platform.dialogAnswers = {std::filesystem::path(u"/bin/tool")};
    editor.Label18_Click(2);
    editor.clearPaths();
    platform.failing = true;
    editor.Label18_Click(2);
    EXPECT_EQ(editor.filePath(), u"/bin/tool");
}

TEST_F(ActionEditorTest, EveryKeystrokeInTheTitleShowsInThePreview) {
    QLineEdit text2(&m_page);
    QObject::connect(&text2, &QLineEdit::textChanged, &m_editor, &ActionEditor::Text2_Change);
    const QLabel* message = part<QLabel>("LblMessage");
    QTest::keyClick(&text2, 'a');
    EXPECT_EQ(message->text(), QStringLiteral("a"));
    QTest::keyClick(&text2, 'b');
    EXPECT_EQ(message->text(), QStringLiteral("ab"));
    text2.clear();
    EXPECT_TRUE(message->text().isEmpty());
}

TEST_F(ActionEditorTest, EachOpenerClosesTheOtherPanel) {
    QWidget timePanel(&m_page);
    QObject::connect(&m_editor, &ActionEditor::panelToggled, &timePanel, &QWidget::hide);
    m_editor.Label12_MouseMove();
    click("Label12");
    EXPECT_TRUE(timePanel.isHidden());
    EXPECT_FALSE(part("Picture7")->isHidden());
    EXPECT_EQ(m_page.children().last(), part("Picture7"));
    EXPECT_TRUE(atRest(part("Label12")));

    // The time panel's opener.
    timePanel.show();
    m_editor.hidePanel();
    EXPECT_TRUE(part("Picture7")->isHidden());
}

TEST_F(ActionEditorTest, BackgroundMovesPutBackOnlyTheirOwnLitLabels) {
    m_editor.Label22_MouseMove();
    m_editor.Label23_MouseMove();
    m_editor.Picture7_MouseMove();
    EXPECT_TRUE(atRest(part("Label22")));
    EXPECT_TRUE(atRest(part("Label23")));

    for (int i = 0; i < 4; ++i) {
        m_editor.Label18_MouseMove(i);
    }
    m_editor.Picture8_MouseMove(0);
    m_editor.Picture8_MouseMove(2);
    m_editor.Picture8_MouseMove(3);
    EXPECT_TRUE(atRest(part("Label18_2")));
    EXPECT_TRUE(lit(part("Label18_0")));
    m_editor.Picture8_MouseMove(1);
    EXPECT_TRUE(atRest(part("Label18_0")));
    EXPECT_TRUE(atRest(part("Label18_1")));
    EXPECT_TRUE(atRest(part("Label18_3")));

    m_editor.Label12_MouseMove();
    EXPECT_TRUE(lit(part("Label12")));
    m_editor.restoreLabel12();
    EXPECT_TRUE(atRest(part("Label12")));
}

TEST_F(ActionEditorTest, PointerMovesLightAButtonAndTheBareSubPanelPutsItBack) {
    m_page.show();
    m_editor.Label12_Click();
    m_editor.Label13_Click(1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_page));
    QWidget* play = part("Label18_1");
    QTest::mouseMove(m_page.windowHandle(), play->mapTo(&m_page, play->rect().center()));
    EXPECT_TRUE(lit(play));
    // The path label is not bare background.
    QWidget* path = part("Label17");
    QTest::mouseMove(m_page.windowHandle(), path->mapTo(&m_page, path->rect().center()));
    EXPECT_TRUE(lit(play));
    QWidget* subPanel = part("Picture8_1");
    QTest::mouseMove(m_page.windowHandle(), subPanel->mapTo(&m_page, QPoint(5, subPanel->height() - 5)));
    EXPECT_TRUE(atRest(play));
}

} // namespace
} // namespace pennoc
