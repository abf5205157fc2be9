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

void writeAll(int fd, std::string_view bytes, const std::filesystem::path& path) {
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
}

EntryStatus::Kind kindOf(mode_t mode) {
    if (S_ISREG(mode)) {
        return EntryStatus::Kind::file;
    }
    if (S_ISDIR(mode)) {
        return EntryStatus::Kind::folder;
    }
    return S_ISLNK(mode) ? EntryStatus::Kind::link : EntryStatus::Kind::other;
}

EntryStatus statusOf(const struct stat& info) {
    EntryStatus status;
    status.kind = kindOf(info.st_mode);
    status.permissions = static_cast<std::filesystem::perms>(info.st_mode & 07777);
    status.group = info.st_gid;
    status.identity = {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
    status.size = static_cast<std::uint64_t>(info.st_size);
    status.links = static_cast<std::uint64_t>(info.st_nlink);
    status.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return status;
}

// Opens an ordinary file for reading and tells what it is; anything else is an error.
int openOrdinaryFile(const std::filesystem::path& path, struct stat& info) {
    // Without O_NONBLOCK, opening a FIFO waits until someone writes to it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        failWithErrno(path);
    }
    if (::fstat(fd, &info) != 0) {
        closeAndFail(fd, path);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        throw StorageError(path, "not an ordinary file");
    }
    return fd;
}

// Reads up to `limit` bytes and closes the file.
std::string readAndClose(int fd, const std::filesystem::path& path, std::size_t limit, const struct stat& info) {
    std::string bytes;
    bytes.resize(std::min(limit, static_cast<std::size_t>(info.st_size)));
    std::size_t done = 0;
    while (done < limit) {
        if (done == bytes.size()) {
            // At the size fstat told, where nearly every file ends: a read into a small buffer finds the end (or
            // what the file grew by since) without first growing the text by a buffer's worth of zeros.
            char more[4096];
            const ssize_t got = ::read(fd, more, std::min(sizeof more, limit - done));
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                closeAndFail(fd, path);
            }
            if (got == 0) {
                break;
            }
            bytes.append(more, static_cast<std::size_t>(got));
            done += static_cast<std::size_t>(got);
            continue;
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

} // namespace

EntryStatus entryStatus(const std::filesystem::path& path, bool followLinks) {
    struct stat info {};
    const int result = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (result != 0) {
        return {};
    }
    return statusOf(info);
}

void createNewFile(const std::filesystem::path& path, std::string_view bytes, std::filesystem::perms permissions,
                   std::optional<std::uint32_t> group) {
    const auto mode = static_cast<mode_t>(permissions & std::filesystem::perms::mask);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        failWithErrno(path);
    }
    try {
        // The group first: changing it may clear the set-group-ID bit that the mode then puts back. Only a
        // member of the group may give it; a file that cannot have it stays in the user's own.
        if (group) {
            static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), static_cast<gid_t>(*group)));
        }
        // The creation mode passes through the umask.
        if (::fchmod(fd, mode) != 0) {
            closeAndFail(fd, path);
        }
        writeAll(fd, bytes, path);
        if (::close(fd) != 0) {
            failWithErrno(path);
        }
    } catch (const StorageError&) {
        // Half a file under a name nobody else uses would only be in the way.
        ::unlink(path.c_str());
        throw;
    }
}

void flushFileToDisk(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        failWithErrno(path);
    }
    if (::fdatasync(fd) != 0) {
        closeAndFail(fd, path);
    }
    ::close(fd);
}

std::string readFileBytes(const std::filesystem::path& path, std::size_t limit) {
    struct stat info {};
    const int fd = openOrdinaryFile(path, info);
    return readAndClose(fd, path, limit, info);
}

std::optional<std::string> readFileBytesOfAtMost(const std::filesystem::path& path, std::uint64_t mostBytes,
                                                 EntryStatus& read) {
    struct stat info {};
    const int fd = openOrdinaryFile(path, info);
    read = statusOf(info);
    if (read.size > mostBytes) {
        ::close(fd);
        return std::nullopt;
    }
    return readAndClose(fd, path, FileSystem::kWholeFile, info);
}

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes, std::filesystem::perms permissions) {
    const auto mode = static_cast<mode_t>(permissions & std::filesystem::perms::mask);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) {
        failWithErrno(path);
    }
    // The creation mode passes through the umask, and an existing file keeps its own. Only the owner may
    // change it, so a group member's shared file that already has it is left as it is.
    struct stat info {};
    if (::fstat(fd, &info) != 0 || ((info.st_mode & 07777) != mode && ::fchmod(fd, mode) != 0)) {
        closeAndFail(fd, path);
    }
    writeAll(fd, bytes, path);
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
    const int result = ::fsync(fd);
    const int saved = errno;
    ::close(fd);
    if (result != 0) {
        errno = saved;
        failWithErrno(path);
    }
}

} // namespace pennoc
