#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pennoc {

// A failed file or folder operation, with the path it concerned and the reason, in UTF-8.
class StorageError : public std::runtime_error {
public:
    StorageError(std::filesystem::path path, std::string reason)
        : std::runtime_error(path.string() + ": " + reason)
        , m_path(std::move(path))
        , m_reason(std::move(reason)) {}

    const std::filesystem::path& path() const { return m_path; }
    const std::string& reason() const { return m_reason; }

private:
    std::filesystem::path m_path;
    std::string m_reason;
};

// Which file an entry is: the same pair means the same file, whatever names lead to it.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// What the system tells of one entry, without opening it.
struct EntryStatus {
    enum class Kind { missing, file, folder, link, other };
    Kind kind = Kind::missing;
    std::filesystem::perms permissions = std::filesystem::perms::none;
    // The owning group, where the system has groups.
    std::optional<std::uint32_t> group;
    FileIdentity identity;
    std::uint64_t size = 0;
    // How many names in the file system lead to the file (hard links, not symbolic ones).
    std::uint64_t links = 1;
    // When its content (for a folder: its list of entries) last changed, in the system's own units.
    std::int64_t modified = 0;
};

// One entry of a folder as the folder's listing tells it.
struct FolderEntry {
    std::filesystem::path path;
    // The entry itself (a link is a link, wherever it leads), from the listing where the system gives it there;
    // missing when the entry went before it could be looked at.
    EntryStatus::Kind kind = EntryStatus::Kind::missing;
};

// The file operations the storage needs. Every mutating call either succeeds or throws StorageError.
// Paths are followed through symbolic links unless a call says otherwise.
class FileSystem {
public:
    static constexpr std::size_t kWholeFile = static_cast<std::size_t>(-1);

    virtual ~FileSystem() = default;

    // An ordinary file, a folder (both after following links), anything at all (the path itself).
    virtual bool isFile(const std::filesystem::path& path) const = 0;
    virtual bool isFolder(const std::filesystem::path& path) const = 0;
    virtual bool exists(const std::filesystem::path& path) const = 0;
    // The path itself is a symbolic link.
    virtual bool isLink(const std::filesystem::path& path) const = 0;
    // Where a chain of links ends, as an absolute path; the path itself when it is no link. The end need
    // not exist.
    virtual std::filesystem::path linkEnd(const std::filesystem::path& path) const = 0;
    // The link's own text, and a new link holding it.
    virtual std::filesystem::path linkText(const std::filesystem::path& link) const = 0;
    virtual void createLink(const std::filesystem::path& text, const std::filesystem::path& link) = 0;

    // The entry itself (followLinks false) or what its chain of links ends at; a failure reads as missing.
    virtual EntryStatus status(const std::filesystem::path& path, bool followLinks) const = 0;

    // Creates the folder with exactly these permissions.
    virtual void createFolder(const std::filesystem::path& path, std::filesystem::perms permissions) = 0;
    // Removes a file, a link (never what it points at) or a folder with everything in it; a missing path is
    // not an error.
    virtual void removeAll(const std::filesystem::path& path) = 0;
    // Renames the entry itself, whatever it is; an existing target is replaced only when both are files.
    virtual void rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual std::filesystem::perms permissions(const std::filesystem::path& path) const = 0;

    // Every entry directly in a folder, of any kind, in no particular order, in one walk of the folder.
    virtual std::vector<FolderEntry> listEntries(const std::filesystem::path& folder) const = 0;
    // The bytes of an ordinary file from its start, at most `limit` of them (kWholeFile: all). Anything but
    // an ordinary file is an error, found without waiting for a writer.
    virtual std::string readFile(const std::filesystem::path& path, std::size_t limit) const = 0;
    // The whole of an ordinary file, with the status of the file read (the end of a chain of links), taken
    // where the system can from the open file itself rather than by another look at the path. A file of
    // more than `mostBytes` is left unread: nothing then, with its status. Otherwise as readFile.
    virtual std::optional<std::string> readFileOfAtMost(const std::filesystem::path& path, std::uint64_t mostBytes,
                                                        EntryStatus& read) const = 0;

    // Creates or truncates the file, writes the bytes and gives it exactly `permissions`.
    virtual void writeFile(const std::filesystem::path& path, std::string_view bytes,
                           std::filesystem::perms permissions) = 0;
    // Creates a file that did not exist, never through a link, writes the bytes and gives it exactly
    // `permissions` and, when it can, `group`. An existing entry of any kind is an error.
    virtual void createFile(const std::filesystem::path& path, std::string_view bytes,
                            std::filesystem::perms permissions, std::optional<std::uint32_t> group) = 0;
    // Puts the file's bytes on the disk.
    virtual void flushFile(const std::filesystem::path& path) = 0;
    // Removes a file or a link (never what it points at); a folder is an error, a missing path is not.
    virtual void removeFile(const std::filesystem::path& path) = 0;
    // Makes the folder's entries (creations, renames, removals) durable; a file's bytes need flushFile.
    virtual void syncFolder(const std::filesystem::path& path) = 0;
};

} // namespace pennoc
