#include "e2e/DesktopInput.h"
#include "e2e/MainWindowInput.h"
#include "e2e/ProgramProcess.h"
#include "support/FileHelpers.h"
#include "support/TemporaryFolder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace pennoc {
namespace {

using namespace test::points;

TEST(NoteSelectionEndToEnd, DeleteWithNothingHighlightedLeavesTheNotesOnDiskAsTheyWere) {
    test::TemporaryFolder folder;
    fs::create_directory(folder.path() / "Notes");
    test::writeBytes(folder.path() / "Notes" / "0.txt", "first\r\n");
    test::writeBytes(folder.path() / "Notes" / "1.txt", "second\r\n");
    QProcess program;
    ASSERT_TRUE(test::startProgram(program, folder.path()));
    const QString window = test::waitForMainWindow();
    ASSERT_FALSE(window.isEmpty());

    test::clickAt(window, kDrawerTab);
    test::clickAt(window, kDeleteCommand);
    test::pressKey(window, QStringLiteral("Delete"));
    test::clickAt(window, kCloseBox);

    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(test::readBytes(folder.path() / "Notes" / "0.txt"), "first\r\n");
    EXPECT_EQ(test::readBytes(folder.path() / "Notes" / "1.txt"), "second\r\n");
    EXPECT_FALSE(fs::exists(folder.path() / "Notes" / "2.txt"));
}

} // namespace
} // namespace pennoc
