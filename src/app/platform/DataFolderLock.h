#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace pennoc {

// An advisory lock on one data folder, held while the object lives, so two copies of the program never
// save into the same folder at once. It is taken on a file in the folder that only its owner (and, in a
// folder shared with a group, that group) can open: no other user can take it first, nor make a copy run
// without it.
class DataFolderLock {
public:
    enum class Outcome { taken, heldByAnother, failed };

    explicit DataFolderLock(const std::filesystem::path& folder);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    Outcome outcome() const { return m_outcome; }
    // Why the lock could not be taken, for a failure.
    const std::string& problem() const { return m_problem; }

private:
    Outcome m_outcome = Outcome::failed;
    std::string m_problem;
    // The open lock file: a descriptor, or a handle on Windows.
    std::intptr_t m_file = -1;
};

} // namespace pennoc
