#include "support/TemporaryFolder.h"

#include <atomic>
#include <random>
#include <string>
#include <system_error>

namespace pennoc::test {

TemporaryFolder::TemporaryFolder() {
    // Test programs run side by side, so each picks a random name of its own.
    static const unsigned long long run = std::random_device{}();
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("pennoc-test-" + std::to_string(run) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace pennoc::test
