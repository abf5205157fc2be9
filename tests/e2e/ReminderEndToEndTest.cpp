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
void stopFor(QProcess& program, unsigned long seconds) {
    ASSERT_EQ(kill(static_cast<pid_t>(program.processId()), SIGSTOP), 0);
    QThread::sleep(seconds);
    ASSERT_EQ(kill(static_cast<pid_t>(program.processId()), SIGCONT), 0);
}

void openTodoPage(QProcess& program, const test::TemporaryFolder& folder, QString& window) {
    ASSERT_TRUE(test::startProgram(program, folder.path()));
    window = test::waitForMainWindow();
    ASSERT_FALSE(window.isEmpty());
    clickAt(window, test::points::kTodoTab);
}

TEST(ReminderEndToEnd, ACountdownThatRanOutWhileTheProgramWasStoppedComesAtOnce) {
    test::TemporaryFolder folder;
    QProcess program;
    QString window;
    ASSERT_NO_FATAL_FAILURE(openTodoPage(program, folder, window));
    test::enterCountdown(window, QStringLiteral("01"), QStringLiteral("e2e tea"));
    QThread::sleep(10);
    ASSERT_NO_FATAL_FAILURE(stopFor(program, 70));
    QElapsedTimer sinceResumed;
    sinceResumed.start();

    ASSERT_TRUE(test::waitFor([&] { return !findWindow(QStringLiteral("^待办：e2e tea$")).isEmpty(); }, 10000))
        << "no pop-up";
    EXPECT_LE(sinceResumed.elapsed(), 2000);

    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
}

TEST(ReminderEndToEnd, AShutdownDueLongBeforeTheProgramWasResumedPowersNothingOffAndSaysSo) {
    test::TemporaryFolder folder;
    QProcess program;
    QString window;
    ASSERT_NO_FATAL_FAILURE(openTodoPage(program, folder, window));
    test::chooseShutdown(window);
    test::enterCountdown(window, QStringLiteral("01"), QStringLiteral("e2e off"));
    // Due a minute after it was saved, more than a minute before the program goes on.
    ASSERT_NO_FATAL_FAILURE(stopFor(program, 130));

    QString popup;
    ASSERT_TRUE(test::waitFor([&] { return !(popup = findWindow(QStringLiteral("^待办：e2e off"))).isEmpty(); }, 10000))
        << "no pop-up";
    EXPECT_TRUE(xdotool({QStringLiteral("getwindowname"), popup}).contains(QStringLiteral("关机或睡眠没有执行")));
    EXPECT_EQ(test::standInCalls(folder.path()).find("systemctl"), std::string::npos);

    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
}

} // namespace
} // namespace pennoc
