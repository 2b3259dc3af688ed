#include "KEOUI64/Exports.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

QString qPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

TEST(ContainsKEOScriptTest, AnswersThroughTheExportedEntryPoint) {
    EXPECT_TRUE(ContainsKEOScript(qPath(examplePath("two_clusters.cpp"))));
    EXPECT_TRUE(ContainsKEOScript(qPath(examplePath("one_cluster.cpp"))));
    EXPECT_FALSE(ContainsKEOScript(qPath(examplePath("config_v1.json"))));
    EXPECT_FALSE(ContainsKEOScript(QString()));
}

TEST(ContainsKEOScriptTest, NonAsciiPaths) {
    TempDir temp;
    const auto path = temp.path() / std::filesystem::path(u"r\u00E9glage.cpp");
    writeBytes(path, ")KEO KEO(");
    EXPECT_TRUE(ContainsKEOScript(QString::fromStdU16String(path.u16string())));
}

} // namespace
