#pragma once

class QWidget;

namespace pennoc {

class DesktopNotifications;

// Puts a notification in the desktop's list beside the pop-up `popup` and keeps the two in step: sent when
// the window first shows, with its title and message; changed when they change; taken away when the window
// goes. "确定" on the notification closes the window; clicking the notification brings the window forward.
// Dismissed in the list, the notification leaves the window open.
void notifyAlongside(QWidget& popup, DesktopNotifications& notifications);

} // namespace pennoc
