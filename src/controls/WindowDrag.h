#pragma once

#include <QPoint>

class QWidget;

namespace pennoc {

// Hands a pressed mouse button to the window system's own move loop, so the window follows the pointer
// until the button is released. Where the window system refuses (some X11 managers, offscreen), the
// window is moved by hand from the pointer's global positions instead.
void startWindowDrag(QWidget* window, QPoint globalPressPosition);

} // namespace pennoc
