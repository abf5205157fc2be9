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

void writeFileToDisk(const std::filesystem::path& path, std::string_view bytes) {
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
    // A full disk may only show at fsync or close, so both are checked.
    if (::fsync(fd) != 0) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
        failWithErrno(path);
    }
    if (::close(fd) != 0) {
        failWithErrno(path);
    }
}

void syncFolderToDisk(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        failWithErrno(path);
    }
    const int result = ::fsync(fd);
    const int saved = errno;
    ::close(fd);
    if (result != 0) {
        errno = saved;
        failWithErrno(path);
    }
}

} // namespace pennoc
