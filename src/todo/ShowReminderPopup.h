#pragma once

#include <functional>
#include <string>

class QObject;

namespace pennoc {

class DesktopNotifications;
class SoundOutput;

// Shows `message` under `title` in a new pop-up window, modal to the whole program, and returns at once.
// Beeps when the window loads and once more after it has gone; then `closed` runs, unless `context` has
// been destroyed by then. The desktop's notification list shows the reminder too, in step with the window.
//
// A call made while another pop-up is open opens its own window above the open one; the newer window has
// to be closed first, then the older one.
void ShowReminderPopup(SoundOutput& sound, DesktopNotifications& notifications, const std::u16string& message,
                       const std::u16string& title, const QObject* context, std::function<void()> closed);

} // namespace pennoc
