#include "app/platform/FileAccess.h"

#include "app/platform/SystemErrorText.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pennoc {

namespace {

[[noreturn]] void failWithErrno(const std::filesystem::path& path) {
    throw StorageError(path, systemErrorText(std::error_code(errno, std::generic_category())));
}

[[noreturn]] void closeAndFail(int fd, const std::filesystem::path& path) {
    const int saved = errno;
    ::close(fd);
    errno = saved;
    failWithErrno(path);
}

} // namespace

std::string readFileBytes(const std::filesystem::path& path, std::size_t limit) {
    // Without O_NONBLOCK, opening a FIFO waits until someone writes to it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        failWithErrno(path);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        closeAndFail(fd, path);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        throw StorageError(path, "not an ordinary file");
    }
    std::string bytes;
    bytes.resize(std::min(limit, static_cast<std::size_t>(info.st_size)));
    std::size_t done = 0;
    while (done < limit) {
        if (done == bytes.size()) {
            // The file grew since fstat.
            bytes.resize(std::min(limit, bytes.size() + 65536));
        }
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            closeAndFail(fd, path);
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes, std::filesystem::perms permissions) {
    const auto mode = static_cast<mode_t>(permissions & std::filesystem::perms::mask);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) {
        failWithErrno(path);
    }
    // The creation mode passes through the umask, and an existing file keeps its own.
    if (::fchmod(fd, mode) != 0) {
        closeAndFail(fd, path);
    }
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            closeAndFail(fd, path);
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
