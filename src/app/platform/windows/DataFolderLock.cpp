#include "app/platform/DataFolderLock.h"

#include "app/core/OwnEntryNames.h"

#include <string>
#include <windows.h>

namespace pennoc {

DataFolderLock::DataFolderLock(const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / kLockFileName;
    // Opened without sharing: a second opener is refused for as long as the handle stays open.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_HIDDEN, nullptr);
    const DWORD error = file == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    if (file != INVALID_HANDLE_VALUE) {
        m_file = reinterpret_cast<std::intptr_t>(file);
        m_outcome = Outcome::taken;
    } else if (error == ERROR_SHARING_VIOLATION) {
        m_outcome = Outcome::heldByAnother;
    } else {
        m_problem = path.string() + ": cannot be opened (error " + std::to_string(error) + ")";
    }
}

DataFolderLock::~DataFolderLock() {
    if (m_file != -1) {
        CloseHandle(reinterpret_cast<HANDLE>(m_file));
    }
}

} // namespace pennoc
