#include "e2e/DesktopInput.h"
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

// The points clicked are the design places of the controls: content panel at (1, 22), pages at (8, 32)
// inside it, the time panel at (0, 72) in the page.
TEST(ReminderEndToEnd, AOneMinuteCountdownEnteredInTheWindowPopsUpAfterSixtyOneTicks) {
    test::TemporaryFolder folder;
    QProcess program;
    ASSERT_TRUE(test::startProgram(program, folder.path()));
    const QString window = test::waitForMainWindow();
    ASSERT_FALSE(window.isEmpty());
    // Clicks only count once the window has been painted and takes input.
    QThread::msleep(1000);

    clickAt(window, {93, 38});   // tab " 待办 "
    clickAt(window, {161, 141}); // "更改" of the time line
    clickAt(window, {233, 142}); // "以倒计时方式计时"
    clickAt(window, {310, 244}); // the minutes field
    test::typeInto(window, QStringLiteral("01"));
    clickAt(window, {325, 478}); // "应用"
    clickAt(window, {177, 82});  // the title box
    test::typeInto(window, QStringLiteral("e2e tea"));
    clickAt(window, {381, 422}); // "保存"
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
