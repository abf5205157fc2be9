#pragma once

namespace pennoc {
class DesktopShell;
}

namespace pennoc::registry {

// Registers the running executable to start with the system, replacing an earlier registration under its
// name. A failure changes nothing and is not reported.
void RegisterAutoRun(DesktopShell& shell);

// Removes that registration; nothing happens when there is none.
void UnregisterAutoRun(DesktopShell& shell);

} // namespace pennoc::registry
