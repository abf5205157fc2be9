#pragma once

#include <functional>
#include <vector>

class QWidget;

namespace pennoc {

// Makes a control one of the keyboard's commands: Tab reaches it (a click gives it no focus, so the mouse
// sees nothing new), a dotted frame in the accent colour (white where the control lies on the accent colour)
// shows while it has the focus, and Enter or Space runs `press`, which must be the handler its click runs.
void pressWithKeys(QWidget* control, std::function<void()> press);

// Tab goes from each control to the next in the list; Shift+Tab comes back.
void chainTabOrder(const std::vector<QWidget*>& controls);

} // namespace pennoc
