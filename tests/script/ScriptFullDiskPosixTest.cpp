// A save that fails part-way, as on a full disk, leaves the original as it was. The process's file
// size limit stands in for the full disk.
#include "script/ScriptFile.h"
#include "support/TempDir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

TEST(ScriptFileFullDisk, WriteFailingPartWayKeepsTheOriginal) {
    TempDir temp;
    const auto copy = temp.copyOfExample("two_clusters.cpp");
    const std::string before = readBytes(copy);
    ConfigMap configs;
    ASSERT_EQ(loadScript(copy.u16string(), configs).code, Success);
    configs[0].vertical.travel.outputFilter.cutoff[0] = 7.5f;

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const ScriptResult result = saveScript(copy.u16string(), configs);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result.code, FileNotAccessible);
    EXPECT_EQ(readBytes(copy), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
