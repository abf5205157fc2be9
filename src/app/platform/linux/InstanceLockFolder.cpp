#include "app/platform/InstanceLockFolder.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace pennoc {

namespace {

// The folder itself, not a link: owned by this user and closed to everyone else.
bool isPrivateFolder(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

} // namespace

std::optional<QString> instanceLockFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && isPrivateFolder(runtime)) {
        return QFile::decodeName(runtime);
    }
    // Without a session's runtime folder, one of the user's own in the shared temporary folder. Someone else
    // may have made it first; then it is not used.
    const QByteArray own = QFile::encodeName(QDir::tempPath()) + "/pennoc-" + QByteArray::number(::geteuid());
    if (::mkdir(own.constData(), S_IRWXU) != 0 && errno != EEXIST) {
        return std::nullopt;
    }
    if (!isPrivateFolder(own)) {
        return std::nullopt;
    }
    return QFile::decodeName(own);
}

} // namespace pennoc
