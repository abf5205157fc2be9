#include "e2e/ProgramProcess.h"
#include "support/TemporaryFolder.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

using test::xdotool;

QString findWindow(const QString& namePattern) {
    return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), namePattern})
        .section(QLatin1Char('\n'), 0, 0);
}

// Clicks at a point of the main window, in pixels from its top-left corner. The points are the design places
// of the controls: content panel at (1, 22), pages at (8, 32) inside it, the time panel at (0, 72) in the page.
void clickAt(const QString& window, int x, int y) {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x), QString::number(y),
             QStringLiteral("click"), QStringLiteral("1")});
    QThread::msleep(400);
}

void type(const QString& window, const QString& text) {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), text});
    QThread::msleep(400);
}

TEST(ReminderEndToEnd, AOneMinuteCountdownEnteredInTheWindowPopsUpAfterSixtyOneTicks) {
    test::TemporaryFolder folder;
    QProcess program;
    program.setProgram(QString::fromStdString(test::installProgram(folder.path()).string()));
    program.setProcessEnvironment(test::programEnvironment(folder.path()));
    program.start();
    ASSERT_TRUE(program.waitForStarted(5000));
    QString window;
    ASSERT_TRUE(test::waitFor([&] { return !(window = findWindow(QStringLiteral("^Pennoc便笺$"))).isEmpty(); }, 10000));
    // Clicks only count once the window has been painted and takes input.
    QThread::msleep(1000);

    clickAt(window, 93, 38);   // tab " 待办 "
    clickAt(window, 161, 141); // "更改" of the time line
    clickAt(window, 233, 142); // "以倒计时方式计时"
    clickAt(window, 310, 244); // the minutes field
    type(window, QStringLiteral("01"));
    clickAt(window, 325, 478); // "应用"
    clickAt(window, 177, 82);  // the title box
    type(window, QStringLiteral("e2e tea"));
    clickAt(window, 381, 422); // "保存"
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
