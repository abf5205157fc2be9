#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pennoc {

// A failed file or folder operation, with the path it concerned and the system's reason.
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

// The file operations the storage needs. Every mutating call either succeeds or throws StorageError.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool isFile(const std::filesystem::path& path) const = 0;
    virtual bool isFolder(const std::filesystem::path& path) const = 0;
    virtual bool exists(const std::filesystem::path& path) const = 0;

    virtual void createFolder(const std::filesystem::path& path) = 0;
    // Removes a file or a folder with everything in it; a missing path is not an error.
    virtual void removeAll(const std::filesystem::path& path) = 0;
    virtual void rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Copies a file; an existing target is replaced.
    virtual void copyFile(const std::filesystem::path& from, const std::filesystem::path& to) = 0;

    // The ordinary files directly in a folder, in no particular order; sub-folders are left out.
    virtual std::vector<std::filesystem::path> listFiles(const std::filesystem::path& folder) const = 0;
    virtual std::string readFile(const std::filesystem::path& path) const = 0;

    // Creates or truncates the file and writes the bytes; they are certain to be on the disk after the next
    // syncFolder of the folder that holds the file.
    virtual void writeFile(const std::filesystem::path& path, std::string_view bytes) = 0;
    // Makes the folder's files and entries (creations, renames) durable.
    virtual void syncFolder(const std::filesystem::path& path) = 0;
};

} // namespace pennoc
