#include "e2e/DesktopInput.h"
#include "e2e/ProgramProcess.h"
#include "support/FileHelpers.h"
#include "support/TemporaryFolder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

using test::xdotool;

void keys(const QString& window, const QStringList& names) {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50")} + names);
}

void typeText(const QString& text) {
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), text});
}

QStringList tabs(int count) {
    return QStringList(count, QStringLiteral("Tab"));
}

// A note and a reminder by keys alone. The window starts with the keys on the first page tab.
TEST(KeyboardEndToEnd, ANoteAndAReminderByKeysAlone) {
    test::TemporaryFolder folder;
    QProcess program;
    ASSERT_TRUE(test::startProgram(program, folder.path()));
    const QString window = test::waitForMainWindow();
    ASSERT_FALSE(window.isEmpty());

    // 记事, 待办, the drawer's tab: Enter opens the drawer; then " 添加 ", and the new note has the keys.
    keys(window, tabs(2) + QStringList{QStringLiteral("Return"), QStringLiteral("Tab"), QStringLiteral("Return")});
    typeText(QStringLiteral("typed note"));
    // On past the title band's buttons to 待办, into the title, and on to 保存, which Space presses.
    keys(window, tabs(4) + QStringList{QStringLiteral("Return"), QStringLiteral("Tab")});
    typeText(QStringLiteral("typed reminder"));
    // The reminder list's first rows, at their design place in the window.
    const QPoint firstRows = test::windowPosition(window) + QPoint(15, 168);
    const std::string emptyList = test::screenRegion(firstRows, {380, 40});
    keys(window, tabs(8) + QStringList{QStringLiteral("space")});
    EXPECT_TRUE(test::waitFor(
        [&] {
            return test::screenRegion(firstRows, {380, 40}) != emptyList;
        },
        10000))
        << "no reminder in the list";

    // From 保存 past the switch and minimise to the close box.
    keys(window, tabs(3) + QStringList{QStringLiteral("Return")});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(test::readBytes(folder.path() / "Notes" / "0.txt"), "typed note\r\n");
}

} // namespace
} // namespace pennoc
