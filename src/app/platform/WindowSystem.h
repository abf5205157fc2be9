#pragma once

namespace pennoc {

// Makes the program a native client of the session's own window system, before the application object is
// created: Qt 6.4 stays on X11 (through Xwayland) in some Wayland sessions unless told otherwise.
void preferSessionWindowSystem();

} // namespace pennoc
