#include "windows/core/Registry.h"

#include "platform/PlatformServices.h"

namespace pennoc::registry {

void RegisterAutoRun(PlatformServices& platform) {
    platform.registerAutoRun();
}

void UnregisterAutoRun(PlatformServices& platform) {
    platform.unregisterAutoRun();
}

} // namespace pennoc::registry
