#include "app/platform/DataFolderLock.h"

#include "app/core/OwnEntryNames.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pennoc {

DataFolderLock::DataFolderLock(const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / kLockFileName;
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0) {
        m_problem = folder.string() + ": " + std::strerror(errno);
        return;
    }
    // In a folder shared with a group, the group's members are copies of the same program on the same data.
    const mode_t mode = (folderInfo.st_mode & S_IWGRP) ? (S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP) : (S_IRUSR | S_IWUSR);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0) {
        m_problem = path.string() + ": " + std::strerror(errno);
        return;
    }
    m_file = fd;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        m_problem = path.string() + ": " + std::strerror(errno);
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        m_problem = path.string() + ": not an ordinary file";
        return;
    }
    if (info.st_uid == ::geteuid()) {
        // The creation mode passed through the umask.
        ::fchmod(fd, mode);
    } else if ((info.st_mode & S_IRWXO) != 0 || info.st_gid != folderInfo.st_gid) {
        m_problem = path.string() + ": made by another user, who could hold it";
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_outcome = Outcome::taken;
    } else if (errno == EWOULDBLOCK) {
        m_outcome = Outcome::heldByAnother;
    } else {
        m_problem = path.string() + ": " + std::strerror(errno);
    }
}

DataFolderLock::~DataFolderLock() {
    if (m_file >= 0) {
        ::close(static_cast<int>(m_file));
    }
}

} // namespace pennoc
