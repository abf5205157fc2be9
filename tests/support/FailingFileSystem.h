#pragma once

#include "app/platform/LocalFileSystem.h"

#include <string>

namespace pennoc::test {

// The real file system, except that the chosen call fails the way a full disk or a read-only folder does.
class FailingFileSystem : public LocalFileSystem {
public:
    // The n-th call of that kind from now on fails (n ≥ 1).
    void failWriteNumber(int n) { m_failingWrite = m_writes + n; }
    void failRenameNumber(int n) { m_failingRename = m_renames + n; }
    void failCreateFolderNumber(int n) { m_failingCreateFolder = m_createFolders + n; }
    bool failReads = false;
    // Bytes handed out by reads so far.
    mutable std::size_t bytesRead = 0;

    void writeFile(const std::filesystem::path& path, std::string_view bytes,
                   std::filesystem::perms permissions) override {
        if (++m_writes == m_failingWrite) {
            throw StorageError(path, "No space left on device");
        }
        LocalFileSystem::writeFile(path, bytes, permissions);
    }

    void createFile(const std::filesystem::path& path, std::string_view bytes, std::filesystem::perms permissions,
                    std::optional<std::uint32_t> group) override {
        if (++m_writes == m_failingWrite) {
            throw StorageError(path, "No space left on device");
        }
        LocalFileSystem::createFile(path, bytes, permissions, group);
    }

    void rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (++m_renames == m_failingRename) {
            throw StorageError(from, "Read-only file system");
        }
        LocalFileSystem::rename(from, to);
    }

    void createFolder(const std::filesystem::path& path, std::filesystem::perms permissions) override {
        if (++m_createFolders == m_failingCreateFolder) {
            throw StorageError(path, "Read-only file system");
        }
        LocalFileSystem::createFolder(path, permissions);
    }

    std::string readFile(const std::filesystem::path& path, std::size_t limit) const override {
        if (failReads) {
            throw StorageError(path, "Permission denied");
        }
        std::string bytes = LocalFileSystem::readFile(path, limit);
        bytesRead += bytes.size();
        return bytes;
    }

    std::optional<std::string> readFileOfAtMost(const std::filesystem::path& path, std::uint64_t mostBytes,
                                                EntryStatus& read) const override {
        if (failReads) {
            throw StorageError(path, "Permission denied");
        }
        std::optional<std::string> bytes = LocalFileSystem::readFileOfAtMost(path, mostBytes, read);
        bytesRead += bytes ? bytes->size() : 0;
        return bytes;
    }

private:
    int m_failingWrite = 0;
    int m_failingRename = 0;
    int m_failingCreateFolder = 0;
    int m_writes = 0;
    int m_renames = 0;
    int m_createFolders = 0;
};

} // namespace pennoc::test
