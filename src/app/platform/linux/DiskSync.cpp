#include "app/platform/DiskSync.h"

#include "app/FileSystem.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pennoc {

namespace {

[[noreturn]] void failWithErrno(const std::filesystem::path& path) {
    throw StorageError(path, std::strerror(errno));
}

} // namespace

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        failWithErrno(path);
    }
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int saved = errno;
            ::close(fd);
            errno = saved;
            failWithErrno(path);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    // Some file systems report a full disk only when the file is closed.
    if (::close(fd) != 0) {
        failWithErrno(path);
    }
}

void syncFolderToDisk(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        failWithErrno(path);
    }
    // One flush of the whole file system instead of one per note: thousands of fsync calls take seconds.
    // It also reports write-back errors (a full disk found late) of the files written before.
    const int result = ::syncfs(fd);
    const int saved = errno;
    ::close(fd);
    if (result != 0) {
        errno = saved;
        failWithErrno(path);
    }
}

} // namespace pennoc
