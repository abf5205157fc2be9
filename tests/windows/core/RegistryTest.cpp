#include "windows/core/Registry.h"

#include "support/RecordingPlatform.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

TEST(Registry, AutoRunGoesThroughThePlatform) {
    test::TemporaryFolder folder;
    test::RecordingPlatform platform(folder.path());

    registry::RegisterAutoRun(platform);
    registry::RegisterAutoRun(platform);
    registry::UnregisterAutoRun(platform);

    EXPECT_EQ(platform.calls, (std::vector<std::string>{"registerAutoRun", "registerAutoRun", "unregisterAutoRun"}));
}

} // namespace
} // namespace pennoc
