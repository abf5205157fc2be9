#include "e2e/DesktopInput.h"
#include "e2e/MainWindowInput.h"
#include "e2e/ProgramProcess.h"
#include "support/TemporaryFolder.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

using test::clickAt;
using test::findWindow;
using test::xdotool;

TEST(ReminderEndToEnd, AOneMinuteCountdownEnteredInTheWindowPopsUpAfterSixtyOneTicks) {
    test::TemporaryFolder folder;
    QProcess program;
    ASSERT_TRUE(test::startProgram(program, folder.path()));
    const QString window = test::waitForMainWindow();
    ASSERT_FALSE(window.isEmpty());
    // Clicks only count once the window has been painted and takes input.
    QThread::msleep(1000);

    clickAt(window, test::points::kTodoTab);
    test::enterCountdown(window, QStringLiteral("01"), QStringLiteral("e2e tea"));
    QElapsedTimer sinceSaved;
    sinceSaved.start();

    QString popup;
    ASSERT_TRUE(test::waitFor([&] { return !(popup = findWindow(QStringLiteral("^待办："))).isEmpty(); }, 90000))
        << "no pop-up";
    const qint64 seconds = sinceSaved.elapsed() / 1000;
    // 60 ticks count the minute down, the 61st completes it; ticks are a second apart.
    EXPECT_GE(seconds, 59);
    EXPECT_LE(seconds, 75);
    EXPECT_EQ(xdotool({QStringLiteral("getwindowname"), popup}), QStringLiteral("待办：e2e tea"));

    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
}

} // namespace
} // namespace pennoc
