#include "windows/core/Registry.h"

#include "platform/DesktopShell.h"

namespace pennoc::registry {

void RegisterAutoRun(DesktopShell& shell) {
    shell.registerAutoRun();
}

void UnregisterAutoRun(DesktopShell& shell) {
    shell.unregisterAutoRun();
}

} // namespace pennoc::registry
