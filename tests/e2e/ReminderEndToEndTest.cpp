#include "e2e/DesktopInput.h"
#include "e2e/MainWindowInput.h"
#include "e2e/ProgramProcess.h"
#include "support/TemporaryFolder.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <csignal>
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

// A stopped process stands for a sleeping machine: Qt's timer does not run, the boot clock does.
TEST(ReminderEndToEnd, RemindersDueWhileTheProgramWasStoppedComeAtOnceAndAShutdownOnlySaysSo) {
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
    test::chooseShutdown(window);
    test::enterCountdown(window, QStringLiteral("01"), QStringLiteral("e2e off"));
    ASSERT_LT(sinceSaved.elapsed(), 10000);
    QThread::msleep(static_cast<unsigned long>(10000 - sinceSaved.elapsed()));

    ASSERT_EQ(kill(static_cast<pid_t>(program.processId()), SIGSTOP), 0);
    QThread::sleep(70);
    ASSERT_EQ(kill(static_cast<pid_t>(program.processId()), SIGCONT), 0);
    QElapsedTimer sinceResumed;
    sinceResumed.start();

    QString tea;
    ASSERT_TRUE(test::waitFor([&] { return !(tea = findWindow(QStringLiteral("^待办：e2e tea"))).isEmpty(); }, 10000))
        << "no pop-up";
    EXPECT_LE(sinceResumed.elapsed(), 2000);
    EXPECT_TRUE(xdotool({QStringLiteral("getwindowname"), tea}).contains(QStringLiteral("这条提醒来晚了")));

    clickAt(tea, test::points::kPopupConfirm);
    QString off;
    ASSERT_TRUE(test::waitFor([&] { return !(off = findWindow(QStringLiteral("^待办：e2e off"))).isEmpty(); }, 10000))
        << "the shut-down's pop-up did not follow";
    EXPECT_TRUE(xdotool({QStringLiteral("getwindowname"), off}).contains(QStringLiteral("关机或睡眠没有执行")));
    EXPECT_EQ(test::standInCalls(folder.path()).find("systemctl"), std::string::npos);

    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
}

} // namespace
} // namespace pennoc
