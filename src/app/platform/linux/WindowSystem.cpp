#include "app/platform/WindowSystem.h"

#include <QByteArray>
#include <QString>

namespace pennoc {

void preferSessionWindowSystem() {
    // Qt ignores a GNOME session's Wayland; X11 stays the fallback should the Wayland plugin be missing.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland;xcb"));
    }
}

} // namespace pennoc
