#pragma once

#include "platform/FileSystem.h"

namespace pennoc {

// The machine's own file system.
class LocalFileSystem : public FileSystem {
public:
    bool isFile(const std::filesystem::path& path) const override;
    bool isFolder(const std::filesystem::path& path) const override;
    bool exists(const std::filesystem::path& path) const override;
    bool isLink(const std::filesystem::path& path) const override;
    std::filesystem::path linkEnd(const std::filesystem::path& path) const override;
    std::filesystem::path linkText(const std::filesystem::path& link) const override;
    void createLink(const std::filesystem::path& text, const std::filesystem::path& link) override;
    EntryStatus status(const std::filesystem::path& path, bool followLinks) const override;
    void createFolder(const std::filesystem::path& path, std::filesystem::perms permissions) override;
    void removeAll(const std::filesystem::path& path) override;
    void rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    std::filesystem::perms permissions(const std::filesystem::path& path) const override;
    std::vector<FolderEntry> listEntries(const std::filesystem::path& folder) const override;
    std::string readFile(const std::filesystem::path& path, std::size_t limit) const override;
    std::optional<std::string> readFileOfAtMost(const std::filesystem::path& path, std::uint64_t mostBytes,
                                                EntryStatus& read) const override;
    void writeFile(const std::filesystem::path& path, std::string_view bytes,
                   std::filesystem::perms permissions) override;
    void createFile(const std::filesystem::path& path, std::string_view bytes, std::filesystem::perms permissions,
                    std::optional<std::uint32_t> group) override;
    void flushFile(const std::filesystem::path& path) override;
    void removeFile(const std::filesystem::path& path) override;
    void syncFolder(const std::filesystem::path& path) override;
};

} // namespace pennoc
