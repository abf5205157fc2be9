#include "app/platform/LocalFileSystem.h"

#include "app/platform/DiskSync.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace pennoc {

namespace {

[[noreturn]] void fail(const fs::path& path, const std::error_code& error) {
    throw StorageError(path, error.message());
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

void LocalFileSystem::createFolder(const fs::path& path) {
    std::error_code error;
    if (!fs::create_directory(path, error) && error) {
        fail(path, error);
    }
    if (!fs::is_directory(path, error)) {
        throw StorageError(path, "a file stands where the folder belongs");
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

void LocalFileSystem::copyFile(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (error) {
        fail(to, error);
    }
}

std::vector<fs::path> LocalFileSystem::listFiles(const fs::path& folder) const {
    std::vector<fs::path> files;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        fail(folder, error);
    }
    for (const fs::directory_entry& entry : it) {
        std::error_code typeError;
        if (entry.is_regular_file(typeError)) {
            files.push_back(entry.path());
        }
    }
    return files;
}

std::string LocalFileSystem::readFile(const fs::path& path) const {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        throw StorageError(path, std::make_error_code(std::errc::is_a_directory).message());
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw StorageError(path, std::error_code(errno, std::generic_category()).message());
    }
    try {
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure& failure) {
        throw StorageError(path, failure.what());
    }
}

void LocalFileSystem::writeFile(const fs::path& path, std::string_view bytes) {
    writeFileBytes(path, bytes);
}

void LocalFileSystem::syncFolder(const fs::path& path) {
    syncFolderToDisk(path);
}

} // namespace pennoc
