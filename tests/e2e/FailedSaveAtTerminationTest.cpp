#include "e2e/DesktopInput.h"
#include "e2e/MainWindowInput.h"
#include "e2e/ProgramProcess.h"
#include "support/FileHelpers.h"
#include "support/TemporaryFolder.h"

#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

using namespace test::points;

// A service manager or a shutdown ends the program with nobody at the screen: a save that fails then must not
// wait for an answer, and the notes must still be found somewhere.
class FailedSaveAtTermination : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(m_folder.path() / "Notes");
        test::writeBytes(m_folder.path() / "Notes" / "0.txt", "first\r\n");
        fs::create_directory(m_runtime);
        fs::permissions(m_runtime, fs::perms::owner_all);
        QProcessEnvironment environment = test::programEnvironment(m_folder.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(m_runtime.string()));
        ASSERT_TRUE(test::startProgram(m_program, m_folder.path(), environment));
        ASSERT_FALSE((m_window = test::waitForMainWindow()).isEmpty());
        // The notes folder is taken away and a file stands in its place: every save fails.
        fs::rename(m_folder.path() / "Notes", m_folder.path() / "Notes.away");
        test::writeBytes(m_folder.path() / "Notes", "not a folder");
        QThread::msleep(1000);

        // A new note, typed but never saved.
        test::clickAt(m_window, kDrawerTab);
        test::clickAt(m_window, kAddCommand);
        test::clickAt(m_window, kEditor);
        test::typeText(m_window, QStringLiteral("unsaved"));
    }

    void TearDown() override {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.kill();
            m_program.waitForFinished(5000);
        }
    }

    void expectPromptEndWithTheNotesRescued() {
        ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
        ASSERT_TRUE(m_program.waitForFinished(10000)) << "the program waited after the signal";
        EXPECT_EQ(m_program.exitStatus(), QProcess::NormalExit);
        EXPECT_NE(m_program.exitCode(), 0);

        const QString errors = QString::fromUtf8(m_program.readAllStandardError());
        EXPECT_TRUE(errors.contains(QStringLiteral("无法保存便笺"))) << errors.toStdString();
        const QRegularExpressionMatch rescued =
            QRegularExpression(QStringLiteral("便笺已另存到：(.+)$"), QRegularExpression::MultilineOption)
                .match(errors);
        ASSERT_TRUE(rescued.hasMatch()) << errors.toStdString();
        const fs::path rescue(rescued.captured(1).trimmed().toStdString());
        EXPECT_EQ(rescue.parent_path(), m_runtime);
        EXPECT_EQ(test::readBytes(rescue / "Notes" / "0.txt"), "first\r\n");
        EXPECT_EQ(test::readBytes(rescue / "Notes" / "1.txt"), "unsaved\r\n");
        EXPECT_EQ(test::readBytes(m_folder.path() / "Notes.away" / "0.txt"), "first\r\n");
        EXPECT_FALSE(fs::exists(m_folder.path() / "Notes.away" / "1.txt"));
    }

    test::TemporaryFolder m_folder;
    const fs::path m_runtime = m_folder.path() / "runtime";
    QProcess m_program;
    QString m_window;
};

TEST_F(FailedSaveAtTermination, TheNotesGoToARescueFolderAndTheProgramEndsAtOnce) {
    expectPromptEndWithTheNotesRescued();
}

TEST_F(FailedSaveAtTermination, ASignalWhileTheExitsErrorBoxIsOpenEndsTheProgramToo) {
    test::clickAt(m_window, kCloseBox);
    // The main window and the error box, which waits for an answer.
    ASSERT_EQ(test::xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                             QStringLiteral("^Pennoc便笺$")})
                  .split(QLatin1Char('\n'))
                  .size(),
              2);
    expectPromptEndWithTheNotesRescued();
}

} // namespace
} // namespace pennoc
