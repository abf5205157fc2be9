#pragma once

#include <string>

namespace pennoc {

class PlatformServices;

// Shows `message` under `title` in a new pop-up window, modal to the whole program, and returns once the
// user has closed it. Beeps when the window loads and once more after it has gone.
//
// A call made while another pop-up is open (from a timer running during the wait) opens its own window
// above the open one and waits for that; the newer window has to be closed first, then the older one.
void ShowReminderPopup(PlatformServices& platform, const std::u16string& message, const std::u16string& title);

} // namespace pennoc
