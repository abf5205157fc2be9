#include "app/platform/InstanceLockFolder.h"

#include <QDir>

namespace pennoc {

std::optional<QString> instanceLockFolder() {
    // The temporary folder lies in the user's own profile.
    return QDir::tempPath();
}

} // namespace pennoc
