#include "app/platform/FileAccess.h"

#include "app/platform/SystemErrorText.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <system_error>
#include <windows.h>

namespace pennoc {

namespace {

// The system's own words, in UTF-8 like every reason the storage reports.
std::string windowsMessage(DWORD code) {
    wchar_t message[512] = {};
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        message, static_cast<DWORD>(std::size(message)), nullptr);
    const int size = WideCharToMultiByte(CP_UTF8, 0, message, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, message, static_cast<int>(length), text.data(), size, nullptr, nullptr);
    return text;
}

[[noreturn]] void failWithLastError(const std::filesystem::path& path) {
    const DWORD code = GetLastError();
    const std::error_code error(static_cast<int>(code), std::system_category());
    throw StorageError(path, commonReasonText(error).value_or(windowsMessage(code)));
}

std::uint64_t joined(DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

// Opens the file as `disposition` says (CREATE_NEW or CREATE_ALWAYS), writes every byte, flushes them when
// asked and gives the file `permissions`. A file this call created is removed again when that fails, so that
// no half-written file stays under a name nobody else uses.
void writeWholeFile(const std::filesystem::path& path, DWORD disposition, std::string_view bytes,
                    std::filesystem::perms permissions, bool flush) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        failWithLastError(path);
    }
    const bool created = disposition == CREATE_NEW;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && (!flush || FlushFileBuffers(file));
    if (!ok) {
        const DWORD code = GetLastError();
        CloseHandle(file);
        if (created) {
            DeleteFileW(path.c_str());
        }
        SetLastError(code);
        failWithLastError(path);
    }
    CloseHandle(file);
    // Of the permissions, Windows keeps only whether the file may be written.
    std::error_code error;
    std::filesystem::permissions(path, permissions, error);
    if (error) {
        if (created) {
            DeleteFileW(path.c_str());
        }
        throw StorageError(path, error.message());
    }
}

} // namespace

EntryStatus entryStatus(const std::filesystem::path& path, bool followLinks) {
    std::error_code error;
    const std::filesystem::file_status found =
        followLinks ? std::filesystem::status(path, error) : std::filesystem::symlink_status(path, error);
    EntryStatus status;
    switch (found.type()) {
    case std::filesystem::file_type::regular:
        status.kind = EntryStatus::Kind::file;
        break;
    case std::filesystem::file_type::directory:
        status.kind = EntryStatus::Kind::folder;
        break;
    case std::filesystem::file_type::symlink:
        status.kind = EntryStatus::Kind::link;
        break;
    case std::filesystem::file_type::not_found:
    case std::filesystem::file_type::none:
        return status;
    default:
        status.kind = EntryStatus::Kind::other;
        break;
    }
    status.permissions = found.permissions();
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, flags, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        BY_HANDLE_FILE_INFORMATION info{};
        if (GetFileInformationByHandle(file, &info)) {
            status.identity = {info.dwVolumeSerialNumber, joined(info.nFileIndexHigh, info.nFileIndexLow)};
            status.size = joined(info.nFileSizeHigh, info.nFileSizeLow);
            status.links = info.nNumberOfLinks;
            status.modified = static_cast<std::int64_t>(
                joined(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime));
        }
        CloseHandle(file);
    }
    return status;
}

void createNewFile(const std::filesystem::path& path, std::string_view bytes, std::filesystem::perms permissions,
                   std::optional<std::uint32_t>) {
    // Flushed when the caller asks, once for the whole file.
    writeWholeFile(path, CREATE_NEW, bytes, permissions, false);
}

void flushFileToDisk(const std::filesystem::path& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        failWithLastError(path);
    }
    const bool flushed = FlushFileBuffers(file);
    const DWORD code = GetLastError();
    CloseHandle(file);
    if (!flushed) {
        SetLastError(code);
        failWithLastError(path);
    }
}

std::string readFileBytes(const std::filesystem::path& path, std::size_t limit) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        failWithLastError(path);
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        throw StorageError(path, "not an ordinary file");
    }
    std::string bytes;
    std::size_t done = 0;
    while (done < limit) {
        bytes.resize((std::min)(limit, done + 65536)); // windows.h defines a min macro
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr)) {
            const DWORD code = GetLastError();
            CloseHandle(file);
            SetLastError(code);
            failWithLastError(path);
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    CloseHandle(file);
    bytes.resize(done);
    return bytes;
}

std::optional<std::string> readFileBytesOfAtMost(const std::filesystem::path& path, std::uint64_t mostBytes,
                                                 EntryStatus& read) {
    read = entryStatus(path, true);
    if (read.kind == EntryStatus::Kind::file && read.size > mostBytes) {
        return std::nullopt;
    }
    return readFileBytes(path, FileSystem::kWholeFile);
}

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes, std::filesystem::perms permissions) {
    // An existing file keeps its identity, and with it every name that leads to it.
    writeWholeFile(path, CREATE_ALWAYS, bytes, permissions, true);
}

void syncFolderToDisk(const std::filesystem::path&) {
    // Files were flushed one by one as they were written; NTFS commits renames and creations through its
    // journal, and folders cannot be flushed by handle.
}

} // namespace pennoc
