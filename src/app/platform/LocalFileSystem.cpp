#include "app/platform/LocalFileSystem.h"

#include "app/platform/FileAccess.h"
#include "app/platform/SystemErrorText.h"

#include <system_error>

namespace fs = std::filesystem;

namespace pennoc {

namespace {

// As many links in a chain as the system itself follows.
constexpr int kMostLinksInAChain = 40;

// The kind the listing gave, so that a folder of many notes is not looked at entry by entry; where the system's
// listing tells no kind, the entry itself is asked.
EntryStatus::Kind entryKind(const fs::directory_entry& entry) {
    std::error_code error;
    if (entry.is_symlink(error)) {
        return EntryStatus::Kind::link;
    }
    if (entry.is_regular_file(error)) {
        return EntryStatus::Kind::file;
    }
    if (entry.is_directory(error)) {
        return EntryStatus::Kind::folder;
    }
    return error ? EntryStatus::Kind::missing : EntryStatus::Kind::other;
}

[[noreturn]] void fail(const fs::path& path, const std::error_code& error) {
    throw StorageError(path, systemErrorText(error));
}

} // namespace

bool LocalFileSystem::isFile(const fs::path& path) const {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool LocalFileSystem::isFolder(const fs::path& path) const {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool LocalFileSystem::exists(const fs::path& path) const {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool LocalFileSystem::isLink(const fs::path& path) const {
    std::error_code error;
    return fs::is_symlink(fs::symlink_status(path, error));
}

fs::path LocalFileSystem::linkEnd(const fs::path& path) const {
    std::error_code error;
    fs::path end = fs::absolute(path, error);
    for (int i = 0; i < kMostLinksInAChain && isLink(end); ++i) {
        const fs::path text = fs::read_symlink(end, error);
        if (error) {
            fail(end, error);
        }
        end = text.is_absolute() ? text : end.parent_path() / text;
    }
    if (isLink(end)) {
        throw StorageError(path, std::make_error_code(std::errc::too_many_symbolic_link_levels).message());
    }
    return end.lexically_normal();
}

fs::path LocalFileSystem::linkText(const fs::path& link) const {
    std::error_code error;
    fs::path text = fs::read_symlink(link, error);
    if (error) {
        fail(link, error);
    }
    return text;
}

void LocalFileSystem::createLink(const fs::path& text, const fs::path& link) {
    std::error_code error;
    fs::create_symlink(text, link, error);
    if (error) {
        fail(link, error);
    }
}

EntryStatus LocalFileSystem::status(const fs::path& path, bool followLinks) const {
    return entryStatus(path, followLinks);
}

void LocalFileSystem::createFolder(const fs::path& path, fs::perms permissions) {
    std::error_code error;
    if (!fs::create_directory(path, error)) {
        fail(path, error ? error : std::make_error_code(std::errc::file_exists));
    }
    // The creation mode passes through the umask.
    fs::permissions(path, permissions, error);
    if (error) {
        fail(path, error);
    }
}

void LocalFileSystem::removeAll(const fs::path& path) {
    std::error_code error;
    fs::remove_all(path, error);
    if (error) {
        fail(path, error);
    }
}

void LocalFileSystem::rename(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
    if (error) {
        fail(from, error);
    }
}

fs::perms LocalFileSystem::permissions(const fs::path& path) const {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error) {
        fail(path, error);
    }
    return status.permissions();
}

std::vector<FolderEntry> LocalFileSystem::listEntries(const fs::path& folder) const {
    std::vector<FolderEntry> entries;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        fail(folder, error);
    }
    for (; it != fs::directory_iterator(); it.increment(error)) {
        entries.push_back({it->path(), entryKind(*it)});
    }
    if (error) {
        fail(folder, error);
    }
    return entries;
}

std::string LocalFileSystem::readFile(const fs::path& path, std::size_t limit) const {
    return readFileBytes(path, limit);
}

std::optional<std::string> LocalFileSystem::readFileOfAtMost(const fs::path& path, std::uint64_t mostBytes,
                                                             EntryStatus& read) const {
    return readFileBytesOfAtMost(path, mostBytes, read);
}

void LocalFileSystem::writeFile(const fs::path& path, std::string_view bytes, fs::perms permissions) {
    writeFileBytes(path, bytes, permissions);
}

void LocalFileSystem::createFile(const fs::path& path, std::string_view bytes, fs::perms permissions,
                                 std::optional<std::uint32_t> group) {
    createNewFile(path, bytes, permissions, group);
}

void LocalFileSystem::flushFile(const fs::path& path) {
    flushFileToDisk(path);
}

void LocalFileSystem::removeFile(const fs::path& path) {
    std::error_code error;
    if (fs::is_directory(fs::symlink_status(path, error))) {
        throw StorageError(path, std::make_error_code(std::errc::is_a_directory).message());
    }
    fs::remove(path, error);
    if (error) {
        fail(path, error);
    }
}

void LocalFileSystem::syncFolder(const fs::path& path) {
    syncFolderToDisk(path);
}

} // namespace pennoc
