#pragma once

#include "app/FileSystem.h"

namespace pennoc {

// The machine's own file system. Writes reach the disk before writeFile returns.
class LocalFileSystem : public FileSystem {
public:
    bool isFile(const std::filesystem::path& path) const override;
    bool isFolder(const std::filesystem::path& path) const override;
    bool exists(const std::filesystem::path& path) const override;
    void createFolder(const std::filesystem::path& path) override;
    void removeAll(const std::filesystem::path& path) override;
    void rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    void copyFile(const std::filesystem::path& from, const std::filesystem::path& to) override;
    std::vector<std::filesystem::path> listFiles(const std::filesystem::path& folder) const override;
    std::string readFile(const std::filesystem::path& path) const override;
    void writeFile(const std::filesystem::path& path, std::string_view bytes) override;
    void syncFolder(const std::filesystem::path& path) override;
};

} // namespace pennoc
