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

    void writeFile(const std::filesystem::path& path, std::string_view bytes) override {
        if (++m_writes == m_failingWrite) {
            throw StorageError(path, "No space left on device");
        }
        LocalFileSystem::writeFile(path, bytes);
    }

    void rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (++m_renames == m_failingRename) {
            throw StorageError(from, "Read-only file system");
        }
        LocalFileSystem::rename(from, to);
    }

    void createFolder(const std::filesystem::path& path) override {
        if (++m_createFolders == m_failingCreateFolder) {
            throw StorageError(path, "Read-only file system");
        }
        LocalFileSystem::createFolder(path);
    }

    std::string readFile(const std::filesystem::path& path) const override {
        if (failReads) {
            throw StorageError(path, "Permission denied");
        }
        return LocalFileSystem::readFile(path);
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
