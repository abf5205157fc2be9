#include "app/platform/DiskSync.h"

#include "app/FileSystem.h"

#include <windows.h>

namespace pennoc {

namespace {

[[noreturn]] void failWithLastError(const std::filesystem::path& path) {
    const DWORD code = GetLastError();
    char message[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, message,
                   sizeof message, nullptr);
    throw StorageError(path, message);
}

} // namespace

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        failWithLastError(path);
    }
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && FlushFileBuffers(file);
    if (!ok) {
        const DWORD code = GetLastError();
        CloseHandle(file);
        SetLastError(code);
        failWithLastError(path);
    }
    CloseHandle(file);
}

void syncFolderToDisk(const std::filesystem::path&) {
    // Files were flushed one by one as they were written; NTFS commits renames and creations through its
    // journal, and folders cannot be flushed by handle.
}

} // namespace pennoc
