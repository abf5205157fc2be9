#include "e2e/DesktopInput.h"
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

// Points of the main window in pixels, at the controls' design places (pages at (9, 54) in the window).
constexpr QPoint kDrawerTab{21, 270};
constexpr QPoint kAddCommand{37, 70};
constexpr QPoint kEditor{209, 254};

// A service manager or a shutdown ends the program with nobody at the screen: a save that fails then must not
// wait for an answer, and the notes must still be found somewhere.
TEST(FailedSaveAtTermination, TheNotesGoToARescueFolderAndTheProgramEndsAtOnce) {
    test::TemporaryFolder folder;
    fs::create_directory(folder.path() / "Notes");
    test::writeBytes(folder.path() / "Notes" / "0.txt", "first\r\n");
    // A folder where the flag file's new copy belongs: every save fails.
    fs::create_directory(folder.path() / "AutoRun.sd.new");
    const fs::path runtime = folder.path() / "runtime";
    fs::create_directory(runtime);
    QProcess program;
    program.setProgram(QString::fromStdString(test::installProgram(folder.path()).string()));
    QProcessEnvironment environment = test::programEnvironment(folder.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime.string()));
    program.setProcessEnvironment(environment);
    program.start();
    ASSERT_TRUE(program.waitForStarted(5000));
    QString window;
    ASSERT_TRUE(
        test::waitFor([&] { return !(window = test::findWindow(QStringLiteral("^Pennoc便笺$"))).isEmpty(); }, 10000));
    QThread::msleep(1000);

    // A new note, typed but never saved.
    test::clickAt(window, kDrawerTab);
    test::clickAt(window, kAddCommand);
    test::clickAt(window, kEditor);
    test::typeText(window, QStringLiteral("unsaved"));

    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    const bool ended = program.waitForFinished(10000);
    if (!ended) {
        program.kill();
        program.waitForFinished(5000);
    }
    ASSERT_TRUE(ended) << "the program waited after the signal";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(program.exitCode(), 0);

    const QString errors = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(errors.contains(QStringLiteral("无法保存便笺"))) << errors.toStdString();
    const QRegularExpressionMatch rescued =
        QRegularExpression(QStringLiteral("便笺已另存到：(.+)$"), QRegularExpression::MultilineOption).match(errors);
    ASSERT_TRUE(rescued.hasMatch()) << errors.toStdString();
    const fs::path rescue(rescued.captured(1).trimmed().toStdString());
    EXPECT_EQ(rescue.parent_path(), runtime);
    EXPECT_EQ(test::readBytes(rescue / "Notes" / "0.txt"), "first\r\n");
    EXPECT_EQ(test::readBytes(rescue / "Notes" / "1.txt"), "unsaved\r\n");
    EXPECT_EQ(test::readBytes(folder.path() / "Notes" / "0.txt"), "first\r\n");
    EXPECT_FALSE(fs::exists(folder.path() / "Notes" / "1.txt"));
}

} // namespace
} // namespace pennoc
