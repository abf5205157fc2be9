#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <string>

class QProcess;

namespace pennoc::test {

// A person's input on the test's X display, given with xdotool.

// Runs xdotool and gives what it printed.
QString xdotool(const QStringList& arguments);
// The first visible window whose name matches the pattern; empty when there is none.
QString findWindow(const QString& namePattern);
// The program's main window once it shows; empty when it has not shown within half a minute (a loaded machine
// can take many seconds to start a program under a virtual X server).
QString waitForMainWindow();
// The first window the process shows, once it shows; empty when none has shown within half a minute or the
// process has ended.
QString waitForWindowOf(QProcess& process);
// What the screen shows in a rectangle, as a digest.
std::string screenRegion(QPoint topLeft, QSize size);
// Where the window's top-left corner lies on the screen.
QPoint windowPosition(const QString& window);
// Moves the pointer to a point of the window, in pixels from its top-left corner, and clicks there; the
// pointer stays where it clicked.
void clickAt(const QString& window, QPoint point);
// Gives the window the keyboard, as a window manager does on a click, and types the text.
void typeText(const QString& window, const QString& text);
// Types into the window's focused field, replacing what it held.
void typeInto(const QString& window, const QString& text);
// Gives the window the keyboard, as a window manager does on a click, and presses a key ("Delete").
void pressKey(const QString& window, const QString& key);

} // namespace pennoc::test
