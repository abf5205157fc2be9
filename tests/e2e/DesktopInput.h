#pragma once

#include <QString>
#include <QStringList>

namespace pennoc::test {

// Runs xdotool on the test's X display and gives what it printed.
QString xdotool(const QStringList& arguments);

// The first shown window whose name matches the pattern, or nothing.
QString findWindow(const QString& namePattern);

// Moves the pointer to a point of a window, in pixels from its top-left corner, and clicks there; then gives
// the program a moment to take the click. The pointer stays where it clicked.
void clickAt(const QString& window, int x, int y);

// Types into the window's focused field, replacing what it held.
void typeInto(const QString& window, const QString& text);

} // namespace pennoc::test
