#pragma once

#include <QPoint>

class QWidget;

namespace pennoc::test {

// The centre of a widget, on the screen.
QPoint centreOf(const QWidget* widget);

// Moves the pointer to a point of the screen through the window that lies there, as a person's hand does:
// the window system's enter, leave and move events follow.
void movePointerTo(QPoint global);

// Moves the pointer there and clicks the left button: the press goes to whatever lies at that point (a
// modal window's refusal included), not to the widget the test means.
void clickAt(QPoint global);

} // namespace pennoc::test
