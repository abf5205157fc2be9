#pragma once

#include "app/platform/LocalFileSystem.h"

#include <string>
#include <vector>

namespace pennoc::test {

// The real file system, with a log of every call that changes something or makes it durable, in order:
// "create 3.txt", "flush 3.txt", "rename a -> b", "remove x", "sync Notes" (names without their folders).
class RecordingFileSystem : public LocalFileSystem {
public:
    std::vector<std::string> log;

    void createFile(const std::filesystem::path& path, std::string_view bytes, std::filesystem::perms permissions,
                    std::optional<std::uint32_t> group) override {
        LocalFileSystem::createFile(path, bytes, permissions, group);
        log.push_back("create " + name(path));
    }
    void flushFile(const std::filesystem::path& path) override {
        LocalFileSystem::flushFile(path);
        log.push_back("flush " + name(path));
    }
    void rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        LocalFileSystem::rename(from, to);
        log.push_back("rename " + name(from) + " -> " + name(to));
    }
    void removeFile(const std::filesystem::path& path) override {
        LocalFileSystem::removeFile(path);
        log.push_back("remove " + name(path));
    }
    void writeFile(const std::filesystem::path& path, std::string_view bytes,
                   std::filesystem::perms permissions) override {
        LocalFileSystem::writeFile(path, bytes, permissions);
        log.push_back("write " + name(path));
    }
    void syncFolder(const std::filesystem::path& path) override {
        LocalFileSystem::syncFolder(path);
        log.push_back("sync " + name(path));
    }

private:
    static std::string name(const std::filesystem::path& path) { return path.filename().string(); }
};

} // namespace pennoc::test
