#pragma once

#include "platform/DesktopNotifications.h"

#include <memory>

namespace pennoc {

// The notification list of this desktop, under the program's menu entry and icon `entryName`. Creating it
// touches nothing; the first notification connects to the desktop.
std::unique_ptr<DesktopNotifications> createDesktopNotifications(const char* entryName);

} // namespace pennoc
