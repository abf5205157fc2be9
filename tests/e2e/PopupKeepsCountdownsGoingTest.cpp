#include "e2e/DesktopInput.h"
#include "e2e/MainWindowInput.h"
#include "e2e/ProgramProcess.h"
#include "support/TemporaryFolder.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QThread>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

using test::clickAt;
using test::findWindow;
using test::xdotool;

TEST(PopupKeepsCountdownsGoing, ThePopUpClosesUnderThePointerAndOneDueMeanwhileFollows) {
    test::TemporaryFolder folder;
    QProcess program;
    ASSERT_TRUE(test::startProgram(program, folder.path()));
    const QString window = test::waitForMainWindow();
    ASSERT_FALSE(window.isEmpty());
    // The list's left part must stay clear of the pop-up, which opens in the middle of the screen.
    xdotool({QStringLiteral("windowmove"), QStringLiteral("--sync"), window, QStringLiteral("0"), QStringLiteral("0")});
    // The list's first three rows lie left of the middle of the screen.
    const auto listRows = [&] { return test::listRows(window); };

    clickAt(window, test::points::kTodoTab);
    test::enterCountdown(window, QStringLiteral("02"), QStringLiteral("e2e tea"));
    test::enterCountdown(window, QStringLiteral("01"), QStringLiteral("e2e first"));
    QElapsedTimer sinceFirst;
    sinceFirst.start();
    // Seconds apart, so that "e2e second" runs out while the pop-up of "e2e first" is open, not on its tick.
    test::waitFor([&] { return sinceFirst.elapsed() >= 5000; }, 10000);
    test::enterCountdown(window, QStringLiteral("01"), QStringLiteral("e2e second"));
    QElapsedTimer sinceSecond;
    sinceSecond.start();

    // The rows read here show the countdowns moving while no pop-up is open.
    const std::string before = listRows();
    ASSERT_TRUE(test::waitFor([&] { return listRows() != before; }, 5000));

    // "e2e first" falls due with the pointer resting on "保存".
    QString first;
    ASSERT_TRUE(
        test::waitFor([&] { return !(first = findWindow(QStringLiteral("^待办：e2e first$"))).isEmpty(); }, 90000));
    // The completed line may still be drawn once; only countdowns going on change the rows twice.
    std::string shown = listRows();
    int changes = 0;
    test::waitFor(
        [&] {
            const std::string now = listRows();
            changes += now != shown;
            shown = now;
            return changes == 2;
        },
        5000);
    EXPECT_EQ(changes, 2) << "the countdowns stood still while the pop-up was open";
    // Kept open until "e2e second" has fallen due.
    while (sinceSecond.elapsed() < 64000) {
        QThread::msleep(200);
    }
    ASSERT_FALSE(findWindow(QStringLiteral("^待办：e2e first$")).isEmpty());
    EXPECT_TRUE(findWindow(QStringLiteral("^待办：e2e second$")).isEmpty());

    clickAt(first, test::points::kPopupConfirm);
    EXPECT_TRUE(test::waitFor([&] { return findWindow(QStringLiteral("^待办：e2e first$")).isEmpty(); }, 3000))
        << "the pop-up ignored the pointer";
    // "e2e second" is already due: its pop-up follows at once.
    QString second;
    EXPECT_TRUE(
        test::waitFor([&] { return !(second = findWindow(QStringLiteral("^待办：e2e second$"))).isEmpty(); }, 2500));
    if (!second.isEmpty()) {
        clickAt(second, test::points::kPopupConfirm);
        EXPECT_TRUE(test::waitFor([&] { return findWindow(QStringLiteral("^待办：")).isEmpty(); }, 3000));
    }

    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(test::standInCalls(folder.path()), "");
}

} // namespace
} // namespace pennoc
